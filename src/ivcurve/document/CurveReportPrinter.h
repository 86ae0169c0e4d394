#pragma once

#include <QCoreApplication>
#include <QRectF>
#include <QString>

class QPainter;
class QPrinter;
class QTextDocument;

namespace IVCurve {

// Prints the curve report to PDF page by page, each page with a running foot that names the
// report and the page: a customer's copy may be handed on a page at a time.
class CurveReportPrinter
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::CurveReportPrinter)

public:
    // A4 landscape with 10 mm margins at 1200 dpi; false when nothing could be painted.
    static bool printToPdf(const QString& html, const QString& path);
    // Paints the report onto a printer that is set up; false when it could not be opened.
    static bool paint(const QString& html, QPrinter& printer);
    static void setUpPrinter(QPrinter& printer, const QString& path);
    // Where on the paper the report is painted, foot included, in device pixels.
    static QRectF pageArea(const QPrinter& printer);
    // "Page n of m", after the title when there is one.
    static QString footText(const QString& title, int page, int pageCount);

private:
    static void paintPages(QTextDocument& document, QPrinter& printer, QPainter& painter);
    static void paintFoot(QPainter& painter, const QRectF& footArea, const QString& text);
};

} // namespace IVCurve
