#include "PathIcon.h"

#include "FileIcons.h"
#include "ResourceIcons.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {
// Our own document kinds and the common kinds a project folder holds: the icons an installed
// program registers for its file types.
QString fileTypeIcon(const QString& suffix)
{
    static const QHash<QString, QString> icons{
        {QStringLiteral("arvir"), QStringLiteral("inspection")},
        {QStringLiteral("arvatr"), QStringLiteral("report")},
        {QStringLiteral("arvreport"), QStringLiteral("report")},
        {QStringLiteral("arvvc"), QStringLiteral("certificate")},
        {QStringLiteral("arvid"), QStringLiteral("installation_diagram")},
        {QStringLiteral("arvchk"), QStringLiteral("checklist")},
        {QStringLiteral("arvcrv"), QStringLiteral("chart")},
        {QStringLiteral("pdf"), QStringLiteral("pdf")},
        {QStringLiteral("png"), QStringLiteral("image")},
        {QStringLiteral("jpg"), QStringLiteral("image")},
        {QStringLiteral("jpeg"), QStringLiteral("image")},
        {QStringLiteral("bmp"), QStringLiteral("image")},
        {QStringLiteral("tif"), QStringLiteral("image")},
        {QStringLiteral("tiff"), QStringLiteral("image")},
        {QStringLiteral("csv"), QStringLiteral("spreadsheet")},
        {QStringLiteral("xls"), QStringLiteral("spreadsheet")},
        {QStringLiteral("xlsx"), QStringLiteral("spreadsheet")},
        {QStringLiteral("doc"), QStringLiteral("document")},
        {QStringLiteral("docx"), QStringLiteral("document")},
        {QStringLiteral("html"), QStringLiteral("html")},
        {QStringLiteral("htm"), QStringLiteral("html")},
    };
    const QString name = icons.value(suffix.toLower());
    return name.isEmpty() ? QString() : QStringLiteral(":res/fileTypes/%1.png").arg(name);
}
} // namespace

QIcon PathIcon::forPath(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return ResourceIcons::get(isHandoverPack(path) ? QStringLiteral(":res/fileTypes/chp_folder.png")
                                                        : QStringLiteral(":res/fileTypes/folder.png"));
    if (path.endsWith(QLatin1String("Search Results")))
        return ResourceIcons::get(QStringLiteral(":res/fileTypes/search.png"));
    const QString ownIcon = fileTypeIcon(info.suffix());
    return ownIcon.isEmpty() ? FileIcons::forFile(path) : ResourceIcons::get(ownIcon);
}

bool PathIcon::isHandoverPack(const QString& folder)
{
    const QDir dir(folder);
    return !dir.entryList({QStringLiteral("*.arvchk")}, QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot)
                .isEmpty();
}
