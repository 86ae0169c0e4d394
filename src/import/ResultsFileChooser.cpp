#include "ResultsFileChooser.h"

#include "FileRequest.h"
#include "Prompts.h"
#include "SettingsKeys.h"

#include <QSettings>

QString ResultsFileChooser::choose(QWidget* parent)
{
    const QSettings settings;
    FileRequest request;
    request.kind = FileRequest::OpenFile;
    request.parent = parent;
    request.caption = tr("Import CSV File", "Window Title");
    request.filter = tr("CSV Files (*.csv)", "File filter");
    request.directory = settings.value(SettingsKeys::lastImportDir, settings.value(SettingsKeys::rootDir)).toString();
    return Prompts::instance().chooseFile(request);
}
