#include "PdfExportChooser.h"

#include "AppIdentity.h"
#include "FileRequest.h"
#include "Globals.h"
#include "Prompts.h"
#include "SettingsKeys.h"
#include "StagedPdfFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QSettings>

namespace {
QString startPath(const QString& documentPath, const QSettings& settings)
{
    if (documentPath.isEmpty())
        return settings.value(SettingsKeys::lastPdfExportDir).toString();
    const QFileInfo document(documentPath);
    return document.absoluteDir().filePath(document.completeBaseName() + QStringLiteral(".pdf"));
}
} // namespace

QString PdfExportChooser::choose(const QString& documentPath)
{
    QSettings settings;
    FileRequest request;
    request.kind = FileRequest::SaveFile;
    request.parent = Globals::mainWindowInstance();
    request.caption = tr("Export PDF", "Window Title");
    request.filter = tr("PDF Files (*.pdf)", "File filter");
    request.directory = startPath(documentPath, settings);
    const QString fileName = Prompts::instance().chooseFile(request);
    if (!fileName.isEmpty())
        settings.setValue(SettingsKeys::lastPdfExportDir, QFileInfo(fileName).absolutePath());
    return fileName;
}

void PdfExportChooser::describe(QPrinter& printer, StagedPdfFile& output, const QString& documentPath,
                                const QString& author)
{
    PdfDocumentInfo info;
    info.title = QFileInfo(documentPath).completeBaseName();
    info.author = author;
    info.creator = AppIdentity::applicationName + QLatin1Char(' ') + AppIdentity::applicationVersion;
    printer.setDocName(info.title);
    printer.setCreator(info.creator);
    output.setInfo(info);
}
