#include "CurveReportPrinter.h"

#include "WaitCursor.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

namespace IVCurve {

namespace {
const int printerDpi = 1200;
const double pageMarginMm = 10.0;
const double footPoints = 7.5;
// The foot's line and the gap above it, in lines of the foot's text.
const double footLines = 2.0;
} // namespace

bool CurveReportPrinter::printToPdf(const QString& html, const QString& path)
{
    const WaitCursor waiting;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, path);
    return paint(html, printer);
}

bool CurveReportPrinter::paint(const QString& html, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QTextDocument document;
    // Laid out at the printer's resolution, so that point sizes come out right on paper.
    document.documentLayout()->setPaintDevice(&printer);
    document.setHtml(html);
    paintPages(document, printer, painter);
    return painter.end();
}

void CurveReportPrinter::setUpPrinter(QPrinter& printer, const QString& path)
{
    printer.setResolution(printerDpi);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(pageMarginMm, pageMarginMm, pageMarginMm, pageMarginMm), QPageLayout::Millimeter);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

// A full-page printer paints from the paper's corner and reports the whole paper as its page:
// the margins are kept by painting inside them.
QRectF CurveReportPrinter::pageArea(const QPrinter& printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setMode(QPageLayout::StandardMode);
    return layout.paintRectPixels(printer.resolution());
}

QString CurveReportPrinter::footText(const QString& title, int page, int pageCount)
{
    const QString number = tr("Page %1 of %2", "Report page foot").arg(page).arg(pageCount);
    return title.isEmpty() ? number : title + QStringLiteral(" \u2013 ") + number;
}

// The text goes into the page above the foot; the table headings marked as such repeat on every
// page the table reaches.
void CurveReportPrinter::paintPages(QTextDocument& document, QPrinter& printer, QPainter& painter)
{
    const QRectF page = pageArea(printer);
    QFont footFont = document.defaultFont();
    footFont.setPointSizeF(footPoints);
    const double footHeight = footLines * QFontMetricsF(footFont, &printer).height();
    const QSizeF textSize(page.width(), page.height() - footHeight);
    document.setPageSize(textSize);
    const QString title = document.metaInformation(QTextDocument::DocumentTitle);
    const int pageCount = document.pageCount();
    for (int index = 0; index < pageCount; ++index) {
        if (index > 0)
            printer.newPage();
        painter.save();
        painter.translate(page.left(), page.top() - index * textSize.height());
        const QRectF visible(0, index * textSize.height(), textSize.width(), textSize.height());
        painter.setClipRect(visible);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = visible;
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footFont);
        paintFoot(painter, QRectF(page.left(), page.bottom() - footHeight, page.width(), footHeight),
                  footText(title, index + 1, pageCount));
    }
}

void CurveReportPrinter::paintFoot(QPainter& painter, const QRectF& footArea, const QString& text)
{
    painter.save();
    painter.setPen(QPen(QColor(0x4A, 0x60, 0x76), 0));
    const double lineY = footArea.top() + footArea.height() / 4;
    painter.drawLine(QPointF(footArea.left(), lineY), QPointF(footArea.right(), lineY));
    painter.drawText(footArea.adjusted(0, footArea.height() / 2, 0, 0), Qt::AlignRight | Qt::AlignTop, text);
    painter.restore();
}

} // namespace IVCurve
