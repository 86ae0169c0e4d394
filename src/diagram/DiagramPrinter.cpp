#include "DiagramPrinter.h"

#include "DiagramConnection.h"
#include "DiagramGraphicsScene.h"
#include "Globals.h"
#include "PdfExportChooser.h"
#include "Prompts.h"
#include "StagedPdfFile.h"
#include "WaitCursor.h"

#include <QPainter>
#include <QPrinter>

namespace {
// The wire following the pointer is not part of the drawing; it is hidden while printing.
class PendingWireHidden
{
public:
    explicit PendingWireHidden(DiagramConnection* wire)
    {
        if (!wire)
            return;
        for (QGraphicsItem* item : {static_cast<QGraphicsItem*>(wire), static_cast<QGraphicsItem*>(&wire->endA()),
                                    static_cast<QGraphicsItem*>(&wire->endB())}) {
            if (item->isVisible())
                hidden.append(item);
            item->setVisible(false);
        }
    }
    ~PendingWireHidden()
    {
        for (QGraphicsItem* item : qAsConst(hidden))
            item->setVisible(true);
    }
    PendingWireHidden(const PendingWireHidden&) = delete;
    PendingWireHidden& operator=(const PendingWireHidden&) = delete;

private:
    QList<QGraphicsItem*> hidden;
};
} // namespace

DiagramPrinter::DiagramPrinter(DiagramGraphicsScene& scene)
    : scene(scene)
{
}

void DiagramPrinter::prepare(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void DiagramPrinter::print()
{
    scene.setFocusItem(nullptr);
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    if (Prompts::instance().setUpPrinter(Globals::mainWindowInstance(), printer))
        paint(&printer);
}

void DiagramPrinter::preview()
{
    scene.endWireMode();
    scene.setFocusItem(nullptr);
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    Prompts::instance().previewPrint(Globals::mainWindowInstance(), printer, [this](QPrinter* target) { paint(target); });
}

void DiagramPrinter::exportToPdf(const QString& documentPath)
{
    scene.endWireMode();
    scene.setFocusItem(nullptr);
    const QString fileName = PdfExportChooser::choose(documentPath);
    if (fileName.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    StagedPdfFile output(fileName);
    PdfExportChooser::describe(printer, output, documentPath);
    printer.setOutputFileName(output.printPath());
    paint(&printer);
    Prompts::instance().report(Globals::mainWindowInstance(), QMessageBox::Warning, output.putInPlace());
}

bool DiagramPrinter::paint(QPrinter* printer)
{
    const WaitCursor waiting;
    const PendingWireHidden hidden(scene.pendingConnection());
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    const double pixelsPerMm = double(printer->width()) / printer->widthMM();
    const double border = borderMm * pixelsPerMm;
    const QRectF target = QRectF(0, 0, printer->width(), printer->height()).adjusted(border, border, -border, -border);
    const QRectF source = scene.drawingRect();
    // Centred on the sheet, not left in its upper corner.
    QRectF fitted(QPointF(0, 0), source.size().scaled(target.size(), Qt::KeepAspectRatio));
    fitted.moveCenter(target.center());
    scene.render(&painter, fitted, source, Qt::KeepAspectRatio);
    return painter.end();
}
