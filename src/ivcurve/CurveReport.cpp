#include "CurveReport.h"

#include "AssignedModule.h"
#include "CurveData.h"
#include "CurveKeyValues.h"
#include "ExportFileChooser.h"
#include "Globals.h"
#include "SettingsKeys.h"
#include "StagedPdfFile.h"
#include "StcApproximation.h"
#include "TestDateText.h"
#include "WaitCursor.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

namespace IVCurve {

const QString CurveReport::table1Marker = QStringLiteral("<!-- TABLE1_ROWS -->");
const QString CurveReport::table2Marker = QStringLiteral("<!-- TABLE2_ROWS -->");

namespace {
const int printerDpi = 1200;
const double pageMarginMm = 10.0;
const int fillFactorDecimals = 2;

const QStringList table1Placeholders{
    QStringLiteral("<!--#STRINGNAME#-->"), QStringLiteral("<!--#DATE#-->"), QStringLiteral("<!--#IRRADIANCE#-->"),
    QStringLiteral("<!--#CELLTEMP#-->"), QStringLiteral("<!--#FILLFACTOR#-->")};

const QStringList table2Placeholders{
    QStringLiteral("<!--#STRINGNAME#-->"), QStringLiteral("<!--#MEAS_PWR#-->"), QStringLiteral("<!--#STC_PWR#-->"),
    QStringLiteral("<!--#NOM_PWR#-->"),    QStringLiteral("<!--#DIFF_PWR#-->"), QStringLiteral("<!--#MEAS_VOC#-->"),
    QStringLiteral("<!--#STC_VOC#-->"),    QStringLiteral("<!--#NOM_VOC#-->"),  QStringLiteral("<!--#MEAS_VMPP#-->"),
    QStringLiteral("<!--#STC_VMPP#-->"),   QStringLiteral("<!--#NOM_VMPP#-->"), QStringLiteral("<!--#MEAS_ISC#-->"),
    QStringLiteral("<!--#STC_ISC#-->"),    QStringLiteral("<!--#NOM_ISC#-->"),  QStringLiteral("<!--#MEAS_IMPP#-->"),
    QStringLiteral("<!--#STC_IMPP#-->"),   QStringLiteral("<!--#NOM_IMPP#-->")};

void fill(QString& row, const QString& placeholder, const QString& value)
{
    row.replace(placeholder, value);
}
} // namespace

QString CurveReport::templateText()
{
    QFile file(Globals::reportResource(QStringLiteral("PV Array Curve Report.html")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString CurveReport::cell(const QString& indent, const QString& placeholder, bool centred)
{
    const QString style = centred ? QStringLiteral("font-family: Arial, Helvetica, sans-serif; text-align: center;")
                                  : QStringLiteral("font-family: Arial, Helvetica, sans-serif;");
    return QStringLiteral("%1<td style=\"%2\">\n%3\n< / td>\n").arg(indent, style, placeholder);
}

QString CurveReport::rowOf(const QString& indent, const QStringList& placeholders)
{
    QString row = QStringLiteral("<tr>\n");
    for (int i = 0; i < placeholders.size(); ++i)
        row += cell(indent, placeholders.at(i), i > 0);
    return row + QStringLiteral("</tr>\n");
}

QString CurveReport::fixed(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}

// A reading that is not a number stays out of the report rather than showing as 0.
QString CurveReport::localeNumber(const QString& text, int decimals)
{
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    return ok ? fixed(value, decimals) : QString();
}

QString CurveReport::measurementRow(const Entry& entry)
{
    const CurveReadings& readings = entry.curve->readings();
    QString row = rowOf(QStringLiteral("  "), table1Placeholders);
    fill(row, table1Placeholders.at(0), entry.name.toHtmlEscaped());
    fill(row, table1Placeholders.at(1), TestDateText::forDisplay(readings.testDate).toHtmlEscaped());
    fill(row, table1Placeholders.at(2), localeNumber(readings.irradiance, 0));
    fill(row, table1Placeholders.at(3), localeNumber(readings.cellTemp, 1));
    // A fill factor is a ratio below 1: whole numbers would show every string as 0 or 1.
    fill(row, table1Placeholders.at(4), localeNumber(readings.ff, fillFactorDecimals));
    return row;
}

// STC values converted outside the validated conditions say so under the string's name.
QString CurveReport::nameWithNote(const Entry& entry)
{
    const QString name = entry.name.toHtmlEscaped();
    const QString note = StcApproximation::note(StcApproximation::reasons(*entry.curve));
    if (note.isEmpty())
        return name;
    return name + QStringLiteral("<br><i>") + note.toHtmlEscaped() + QStringLiteral("</i>");
}

QString CurveReport::keyValueRow(const Entry& entry)
{
    CurveData& curve = *entry.curve;
    const CurveKeyValues measured = CurveKeyValues::ofCurve(curve);
    const CurveData& converted = curve.stcCurve(true);
    const CurveKeyValues stc = CurveKeyValues::ofCurve(converted);
    const CurveKeyValues nominal = CurveKeyValues::ofModule(curve.module());
    const bool hasNominal = !curve.nominalCurve().isEmpty();

    QString row = rowOf(QStringLiteral("\t"), table2Placeholders);
    const QStringList values{nameWithNote(entry),
                             fixed(measured.pmpp, 0), fixed(stc.pmpp, 0), fixed(nominal.pmpp, 0), QString(),
                             fixed(measured.voc, 1), fixed(stc.voc, 1), fixed(nominal.voc, 1),
                             fixed(measured.vmpp, 1), fixed(stc.vmpp, 1), fixed(nominal.vmpp, 1),
                             fixed(measured.isc, 2), fixed(stc.isc, 2), fixed(nominal.isc, 2),
                             fixed(measured.impp, 2), fixed(stc.impp, 2), fixed(nominal.impp, 2)};
    for (int i = 0; i < values.size(); ++i) {
        if (i != 4)
            fill(row, table2Placeholders.at(i), values.at(i));
    }
    // A nominal power of 0 (a data sheet without current at mpp) has no percentage to give.
    if (hasNominal && !converted.isEmpty() && nominal.pmpp != 0.0)
        fill(row, table2Placeholders.at(4), fixed(qAbs(nominal.pmpp - stc.pmpp) * 100.0 / nominal.pmpp, 1));
    return row;
}

QString CurveReport::html(const QString& templateText, const QVector<Entry>& entries)
{
    QString measurementRows;
    QString keyValueRows;
    for (const Entry& entry : entries) {
        measurementRows += measurementRow(entry);
        keyValueRows += keyValueRow(entry);
    }
    QString page = templateText;
    page.replace(table1Marker, measurementRows);
    page.replace(table2Marker, keyValueRows);
    return page;
}

bool CurveReport::exportPdf(QWidget* parent, const QVector<Entry>& entries, const QString& proposedName)
{
    const QString page = html(templateText(), entries);
    const ExportFileChooser chooser(SettingsKeys::lastExportDir, QStringLiteral("pdf"));
    const QString path = chooser.choose(parent, tr("Save PDF file", "File Save Dialog"),
                                        tr("PDF file (*.pdf)", "File Save Dialog"), proposedName);
    if (path.isEmpty())
        return false;
    StagedPdfFile output(path);
    printToPdf(page, output.printPath());
    return output.commitOrWarn(parent);
}

bool CurveReport::printToPdf(const QString& html, const QString& path)
{
    const WaitCursor waiting;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, path);
    return paint(html, printer);
}

bool CurveReport::paint(const QString& html, QPrinter& printer)
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

void CurveReport::setUpPrinter(QPrinter& printer, const QString& path)
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
QRectF CurveReport::pageArea(const QPrinter& printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setMode(QPageLayout::StandardMode);
    return layout.paintRectPixels(printer.resolution());
}

void CurveReport::paintPages(QTextDocument& document, QPrinter& printer, QPainter& painter)
{
    const QRectF page = pageArea(printer);
    document.setPageSize(page.size());
    const int pageCount = document.pageCount();
    for (int index = 0; index < pageCount; ++index) {
        if (index > 0)
            printer.newPage();
        painter.save();
        painter.translate(page.left(), page.top() - index * page.height());
        const QRectF visible(0, index * page.height(), page.width(), page.height());
        painter.setClipRect(visible);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = visible;
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
}

} // namespace IVCurve
