#include "ExportFileChooser.h"

#include "Prompts.h"
#include "SettingsKeys.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace IVCurve {

ExportFileChooser::ExportFileChooser(const QString& folderKey, const QString& defaultSuffix)
    : key(folderKey)
    , suffix(defaultSuffix)
{
}

QString ExportFileChooser::startFolder() const
{
    const QSettings settings;
    return settings.value(key, settings.value(SettingsKeys::rootDir)).toString();
}

QString ExportFileChooser::choose(QWidget* parent, const QString& caption, const QString& filter,
                                  const QString& proposedName) const
{
    FileRequest request;
    request.kind = FileRequest::SaveFile;
    request.parent = parent;
    request.caption = caption;
    request.filter = filter;
    const QString folder = startFolder();
    request.directory = folder.isEmpty() ? proposedName : QDir(folder).filePath(proposedName);
    const QString chosen = Prompts::instance().chooseFile(request);
    if (chosen.isEmpty())
        return QString();
    QSettings().setValue(key, QFileInfo(chosen).absolutePath());
    return withSuffix(chosen, suffix);
}

QString ExportFileChooser::withSuffix(const QString& path, const QString& suffix)
{
    if (suffix.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

} // namespace IVCurve
