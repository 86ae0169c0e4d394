#include "ManualPdfWriter.h"

#include "ManualBuilder.h"
#include "ManualPage.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>

namespace {
const QColor rulerColour(QStringLiteral("#A9C8EA"));
const QColor marginTextColour(QStringLiteral("#4A6076"));
constexpr double rulerGap = 10.0;

QFont marginFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    return font;
}
} // namespace

ManualPdfWriter::ManualPdfWriter(ManualBuilder& manual)
    : manual(manual)
{
}

bool ManualPdfWriter::write(const QString& pdfPath)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    printer.setFullPage(true);
    printer.setResolution(int(ManualPage::dotsPerInch));
    printer.setDocName(manual.title());
    printer.setCreator(manual.title());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const int pages = manual.pageCount();
    for (int page = 1; page <= pages; ++page) {
        if (page > 1 && !printer.newPage())
            return false;
        paintPage(painter, page);
    }
    return painter.end();
}

void ManualPdfWriter::paintPage(QPainter& painter, int page)
{
    const QSizeF body = ManualPage::bodySize();
    painter.save();
    painter.translate(ManualPage::sideMargin, ManualPage::topMargin - (page - 1) * body.height());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, (page - 1) * body.height()), body);
    painter.setClipRect(context.clip);
    manual.document().documentLayout()->draw(&painter, context);
    painter.restore();
    if (page == 1)
        return;
    paintRunningHead(painter, page);
    paintFoot(painter, page);
}

void ManualPdfWriter::paintRunningHead(QPainter& painter, int page)
{
    const QString chapter = manual.chapterOn(page);
    if (chapter.isEmpty())
        return;
    const QRectF body = ManualPage::bodyRect();
    const double baseline = body.top() - rulerGap;
    painter.setPen(marginTextColour);
    painter.setFont(marginFont());
    painter.drawText(QRectF(body.left(), 0, body.width(), baseline - 3), Qt::AlignRight | Qt::AlignBottom, chapter);
    painter.setPen(QPen(rulerColour, 0.75));
    painter.drawLine(QPointF(body.left(), baseline), QPointF(body.right(), baseline));
}

void ManualPdfWriter::paintFoot(QPainter& painter, int page)
{
    const QRectF body = ManualPage::bodyRect();
    const double ruler = body.bottom() + rulerGap;
    painter.setPen(QPen(rulerColour, 0.75));
    painter.drawLine(QPointF(body.left(), ruler), QPointF(body.right(), ruler));
    painter.setPen(marginTextColour);
    painter.setFont(marginFont());
    const QRectF line(body.left(), ruler + 3, body.width(), 20);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, manual.title());
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, QString::number(page));
}
