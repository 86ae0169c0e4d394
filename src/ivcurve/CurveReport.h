#pragma once

#include <QCoreApplication>
#include <QRectF>
#include <QString>
#include <QVector>

class CurveData;
class QPainter;
class QPrinter;
class QTextDocument;
class QWidget;

namespace IVCurve {

// The PDF report of the selected strings: one row per string in the measurement table and in
// the key-value table of the language's HTML template.
class CurveReport
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::CurveReport)

public:
    struct Entry {
        QString name;
        CurveData* curve = nullptr;
    };

    static const QString table1Marker;
    static const QString table2Marker;

    // ":/res/" + the language's reports folder + "/PV Array Curve Report.html"; empty when it
    // cannot be read.
    static QString templateText();
    static QString measurementRow(const Entry& entry);
    static QString keyValueRow(const Entry& entry);
    // The escaped name, with the approximation note below it when there is one.
    static QString nameWithNote(const Entry& entry);
    // The template with every entry's rows in place of the two markers.
    static QString html(const QString& templateText, const QVector<Entry>& entries);

    // Asks for the file and prints the report into it; false when nothing was written.
    static bool exportPdf(QWidget* parent, const QVector<Entry>& entries, const QString& proposedName);
    // A4 landscape with 10 mm margins at 1200 dpi, page by page.
    static bool printToPdf(const QString& html, const QString& path);
    // Paints the report onto a printer that is set up; false when it could not be opened.
    static bool paint(const QString& html, QPrinter& printer);
    // A4 landscape PDF at 1200 dpi with 10 mm margins.
    static void setUpPrinter(QPrinter& printer, const QString& path);
    // Where on the paper the report is painted, in device pixels.
    static QRectF pageArea(const QPrinter& printer);

private:
    static QString cell(const QString& indent, const QString& placeholder, bool centred);
    static QString rowOf(const QString& indent, const QStringList& placeholders);
    static QString localeNumber(const QString& text, int decimals);
    static QString fixed(double value, int decimals);
    static void paintPages(QTextDocument& document, QPrinter& printer, QPainter& painter);
};

} // namespace IVCurve
