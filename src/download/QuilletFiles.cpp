#include "QuilletFiles.h"

#include "ShippedFiles.h"

#include <QFileInfo>

namespace {
const QStringList languages{QStringLiteral("en"), QStringLiteral("de")};

QString helpPageOf(const QString& languageCode)
{
    return ShippedFiles::path(QStringLiteral("Help/TorvaneVurerQuilletHelp_%1.html").arg(languageCode));
}
} // namespace

QString QuilletFiles::translationFolder()
{
    return ShippedFiles::path(QStringLiteral("Translations"));
}

QString QuilletFiles::helpPage(const QString& languageCode)
{
    const QString page = helpPageOf(languageCode);
    return QFileInfo::exists(page) ? page : helpPageOf(QStringLiteral("en"));
}

QStringList QuilletFiles::required()
{
    QStringList files;
    for (const QString& language : languages) {
        files << translationFolder() + QStringLiteral("/TorvaneQuillet_%1.qm").arg(language);
        files << helpPageOf(language);
    }
    return files;
}
