#include "TranslationCatalogues.h"

#include "ShippedFiles.h"

#include <QDir>

QString TranslationCatalogues::folder()
{
    return ShippedFiles::path(QStringLiteral("Translations"));
}

QVector<TranslationCatalogues::Catalogue> TranslationCatalogues::list(const QString& folder)
{
    QVector<Catalogue> catalogues;
    const QStringList files = QDir(folder).entryList({QStringLiteral("arventa_*.qm")}, QDir::Files);
    for (const QString& file : files)
        catalogues.append({file, QLocale(localeName(file))});
    return catalogues;
}

QString TranslationCatalogues::localeName(const QString& fileName)
{
    const QString afterPrefix = fileName.mid(fileName.indexOf(QLatin1Char('_')) + 1);
    return afterPrefix.left(afterPrefix.size() - 3);
}
