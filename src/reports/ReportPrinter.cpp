#include "ReportPrinter.h"

#include "AppIdentity.h"
#include "Globals.h"
#include "PdfExportChooser.h"
#include "Prompts.h"
#include "ReportScene.h"
#include "ReportText.h"
#include "StagedPdfFile.h"
#include "WaitCursor.h"

#include <QPainter>
#include <QPrinter>

namespace {
constexpr double footerLeftMm = 20.0;
constexpr double footerBaselineMm = 15.0;
} // namespace

ReportPrinter::ReportPrinter(ReportScene& scene)
    : scene(scene)
{
}

void ReportPrinter::prepare(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QString ReportPrinter::footerText()
{
    return tr("Created by %1.").arg(AppIdentity::applicationName);
}

void ReportPrinter::print()
{
    // An open editor finishes, and no caret or focus frame is printed.
    scene.clearFocus();
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    if (Prompts::instance().setUpPrinter(Globals::mainWindowInstance(), printer))
        paint(&printer);
}

void ReportPrinter::preview()
{
    scene.clearFocus();
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    Prompts::instance().previewPrint(Globals::mainWindowInstance(), printer, [this](QPrinter* target) { paint(target); });
}

void ReportPrinter::exportToPdf(const QString& documentPath)
{
    scene.clearFocus();
    const QString fileName = PdfExportChooser::choose(documentPath);
    if (fileName.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    StagedPdfFile output(fileName);
    PdfExportChooser::describe(printer, output, documentPath, inspector());
    printer.setOutputFileName(output.printPath());
    paint(&printer);
    Prompts::instance().report(Globals::mainWindowInstance(), QMessageBox::Warning, output.putInPlace());
}

bool ReportPrinter::paint(QPrinter* printer)
{
    const WaitCursor waiting;
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    const QRectF sheet(0, 0, printer->width(), printer->height());
    for (int page = 0; page < scene.pages().size(); ++page) {
        if (page > 0)
            printer->newPage();
        scene.renderPage(&painter, page, sheet);
        paintFooter(painter, *printer);
    }
    return painter.end();
}

// The inspection report calls the field "inspector_name", the other forms "inspector".
QString ReportPrinter::inspector() const
{
    for (const char* id : {"inspector_name", "inspector"}) {
        if (const auto* field = qgraphicsitem_cast<const ReportText*>(scene.itemById(QLatin1String(id))))
            return field->text().simplified();
    }
    return QString();
}

void ReportPrinter::paintFooter(QPainter& painter, const QPrinter& printer) const
{
    const double pixelsPerMm = double(printer.width()) / printer.widthMM();
    painter.setFont(QFont(QStringLiteral("Arial"), 10, QFont::Normal));
    painter.setPen(Qt::black);
    painter.drawText(QPoint(int(footerLeftMm * pixelsPerMm), int(footerBaselineMm * pixelsPerMm)), footerText());
}
