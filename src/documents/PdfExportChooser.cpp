#include "PdfExportChooser.h"

#include "FileRequest.h"
#include "Globals.h"
#include "Prompts.h"
#include "SettingsKeys.h"

#include <QFileInfo>
#include <QSettings>

QString PdfExportChooser::choose()
{
    QSettings settings;
    FileRequest request;
    request.kind = FileRequest::SaveFile;
    request.parent = Globals::mainWindowInstance();
    request.caption = tr("Export PDF", "Window Title");
    request.filter = tr("PDF Files (*.pdf)", "File filter");
    request.directory = settings.value(SettingsKeys::lastPdfExportDir).toString();
    const QString fileName = Prompts::instance().chooseFile(request);
    if (!fileName.isEmpty())
        settings.setValue(SettingsKeys::lastPdfExportDir, QFileInfo(fileName).absolutePath());
    return fileName;
}
