#include "CurveReport.h"

#include "AssignedModule.h"
#include "CurveData.h"
#include "CurveFindingsSummary.h"
#include "CurveKeyValues.h"
#include "CurveNumberText.h"
#include "CurveReportPrinter.h"
#include "ExportFileChooser.h"
#include "Globals.h"
#include "Prompts.h"
#include "SettingsKeys.h"
#include "StagedPdfFile.h"
#include "StcApproximation.h"
#include "TestDateText.h"

#include <QFile>
#include <QLocale>
#include <QSettings>

#include <cmath>

namespace IVCurve {

const QString CurveReport::table1Marker = QStringLiteral("<!-- TABLE1_ROWS -->");
const QString CurveReport::table2Marker = QStringLiteral("<!-- TABLE2_ROWS -->");
const QString CurveReport::totalNoteMarker = QStringLiteral("<!-- TOTAL_NOTE -->");
const QString CurveReport::findingsSummaryMarker = QStringLiteral("<!-- FINDINGS_SUMMARY -->");

namespace {
const int fillFactorDecimals = 2;
const int deviationDecimals = 1;
const QString fontStyle = QStringLiteral("font-family: Arial, Helvetica, sans-serif;");
const QString markedStyle = QStringLiteral(" background-color: #F6CACA; color: #8B1A1A; font-weight: bold;");
const QString totalStyle = QStringLiteral(" font-weight: bold; border-top: 1px solid #173A5E;");
const QString groupStyle =
    QStringLiteral("font-family: Arial, Helvetica, sans-serif; font-weight: bold; color: #173A5E; "
                   "background-color: #EEF3F8;");
const QString folderSeparator = QStringLiteral(" \u203A ");

const QStringList table1Placeholders{
    QStringLiteral("<!--#STRINGNAME#-->"), QStringLiteral("<!--#DATE#-->"), QStringLiteral("<!--#IRRADIANCE#-->"),
    QStringLiteral("<!--#CELLTEMP#-->"), QStringLiteral("<!--#FILLFACTOR#-->"), QStringLiteral("<!--#OTHERS#-->"),
    QStringLiteral("<!--#FINDINGS#-->")};

const QStringList table2Placeholders{
    QStringLiteral("<!--#STRINGNAME#-->"), QStringLiteral("<!--#MEAS_PWR#-->"), QStringLiteral("<!--#STC_PWR#-->"),
    QStringLiteral("<!--#NOM_PWR#-->"),    QStringLiteral("<!--#DIFF_PWR#-->"), QStringLiteral("<!--#EXP_PWR#-->"),
    QStringLiteral("<!--#PERF_FACTOR#-->"), QStringLiteral("<!--#MEAS_VOC#-->"),
    QStringLiteral("<!--#STC_VOC#-->"),    QStringLiteral("<!--#NOM_VOC#-->"),  QStringLiteral("<!--#MEAS_VMPP#-->"),
    QStringLiteral("<!--#STC_VMPP#-->"),   QStringLiteral("<!--#NOM_VMPP#-->"), QStringLiteral("<!--#MEAS_ISC#-->"),
    QStringLiteral("<!--#STC_ISC#-->"),    QStringLiteral("<!--#NOM_ISC#-->"),  QStringLiteral("<!--#MEAS_IMPP#-->"),
    QStringLiteral("<!--#STC_IMPP#-->"),   QStringLiteral("<!--#NOM_IMPP#-->")};

const int diffCell = 4;
const int performanceDecimals = 2;

bool readNumber(const QString& text, double& value)
{
    return CurveNumberText::parseUser(text.trimmed(), value);
}
} // namespace

QString CurveReport::templateText()
{
    QFile file(Globals::reportResource(QStringLiteral("PV Array Curve Report.html")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// A stored value that is no percentage (another program's, or a hand edit) counts as not set.
double CurveReport::deviationThreshold()
{
    bool read = false;
    const double stored = QSettings().value(SettingsKeys::curveReportDeviationThreshold).toDouble(&read);
    if (!read || !std::isfinite(stored) || stored < 0.0 || stored > LargestDeviationThreshold)
        return DefaultDeviationThreshold;
    return stored;
}

QString CurveReport::cell(const QString& indent, const QString& placeholder, const QString& extraStyle)
{
    return QStringLiteral("%1<td style=\"%2%3\">\n%4\n< / td>\n").arg(indent, fontStyle, extraStyle, placeholder);
}

QString CurveReport::rowOf(const QString& indent, const QStringList& placeholders, int markedCell)
{
    QString row = QStringLiteral("<tr>\n");
    for (int i = 0; i < placeholders.size(); ++i) {
        QString style = i > 0 ? QStringLiteral(" text-align: center;") : QString();
        if (i == markedCell)
            style += markedStyle;
        row += cell(indent, placeholders.at(i), style);
    }
    return row + QStringLiteral("</tr>\n");
}

// Cells without a value keep their placeholder: an HTML comment, so the cell shows nothing.
QString CurveReport::filled(const QString& indent, const QStringList& placeholders, const QStringList& values,
                            int markedCell)
{
    QString row = rowOf(indent, placeholders, markedCell);
    for (int i = 0; i < values.size(); ++i)
        row.replace(placeholders.at(i), values.at(i));
    return row;
}

QString CurveReport::groupRow(const QStringList& folders, int columns)
{
    return QStringLiteral("<tr><td class=\"group\" colspan=\"%1\" style=\"%2\">%3</td></tr>\n")
        .arg(columns)
        .arg(groupStyle, folders.join(folderSeparator).toHtmlEscaped());
}

QString CurveReport::fixed(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}

// A reading that is not a number stays out of the report rather than showing as 0.
QString CurveReport::localeNumber(const QString& text, int decimals)
{
    double value = 0.0;
    return readNumber(text, value) ? fixed(value, decimals) : QString();
}

QString CurveReport::measurementRow(const Entry& entry)
{
    const CurveReadings& readings = entry.curve->readings();
    // A fill factor is a ratio below 1: whole numbers would show every string as 0 or 1.
    return filled(QStringLiteral("  "), table1Placeholders,
                  {entry.name.toHtmlEscaped(), TestDateText::forReport(readings.testDate).toHtmlEscaped(),
                   localeNumber(readings.irradiance, 0), localeNumber(readings.cellTemp, 1),
                   localeNumber(readings.ff, fillFactorDecimals), otherResults(entry),
                   CurveFindingsSummary::cell(entry.findings)});
}

// Insulation, earth continuity and clamp current, as the tester gave them.
QString CurveReport::otherResults(const Entry& entry)
{
    const CurveReadings& readings = entry.curve->readings();
    QStringList results;
    double riso = 0.0;
    double viso = 0.0;
    double rpe = 0.0;
    double iclamp = 0.0;
    if (readNumber(readings.riso, riso)) {
        results << (readNumber(readings.viso, viso)
                        ? tr("Riso %1 MΩ at %2 V", "Curve report").arg(QLocale().toString(riso), QLocale().toString(viso))
                        : tr("Riso %1 MΩ", "Curve report").arg(QLocale().toString(riso)));
    }
    if (readNumber(readings.rpe, rpe))
        results << tr("Rpe %1 Ω", "Curve report").arg(QLocale().toString(rpe));
    if (readNumber(readings.iclamp, iclamp))
        results << tr("Iclamp %1 A", "Curve report").arg(QLocale().toString(iclamp));
    return results.join(QStringLiteral("; ")).toHtmlEscaped();
}

// STC values converted outside the validated conditions say so under the string's name; a result
// without points has no STC values and says why.
QString CurveReport::nameWithNote(const Entry& entry)
{
    const QString name = entry.name.toHtmlEscaped();
    const QString note = entry.curve->isEmpty() ? tr("no IV curve", "Curve report")
                                                : StcApproximation::note(StcApproximation::reasons(*entry.curve));
    if (note.isEmpty())
        return name;
    return name + QStringLiteral("<br><i>") + note.toHtmlEscaped() + QStringLiteral("</i>");
}

double CurveReport::deviation(double nominal, double stc)
{
    if (nominal == 0.0)
        return -1.0;
    const double scale = std::pow(10.0, deviationDecimals);
    return std::round(qAbs(nominal - stc) * 100.0 / nominal * scale) / scale;
}

// Values the tester reported without points; the power is that of the point it reported.
CurveKeyValues CurveReport::readingsKeyValues(const CurveData& curve)
{
    const CurveReadings& readings = curve.readings();
    CurveKeyValues values;
    values.voc = values.isc = values.vmpp = values.impp = values.pmpp = std::nan("");
    readNumber(readings.voc, values.voc);
    readNumber(readings.isc, values.isc);
    readNumber(readings.vmp, values.vmpp);
    readNumber(readings.imp, values.impp);
    values.pmpp = values.vmpp * values.impp;
    return values;
}

QStringList CurveReport::keyValues(const CurveKeyValues& measured, const CurveKeyValues& stc,
                                   const CurveKeyValues& nominal, bool withStc)
{
    const auto number = [](double value, int decimals) { return std::isnan(value) ? QString() : fixed(value, decimals); };
    const auto converted = [withStc, number](double value, int decimals) {
        return withStc ? number(value, decimals) : QString();
    };
    return {number(measured.pmpp, 0),    converted(stc.pmpp, 0),   fixed(nominal.pmpp, 0), QString(),
            number(measured.voc, 1),     converted(stc.voc, 1),    fixed(nominal.voc, 1),
            number(measured.vmpp, 1),    converted(stc.vmpp, 1),   fixed(nominal.vmpp, 1),
            number(measured.isc, 2),     converted(stc.isc, 2),    fixed(nominal.isc, 2),
            number(measured.impp, 2),    converted(stc.impp, 2),   fixed(nominal.impp, 2)};
}

QString CurveReport::keyValueRow(const Entry& entry, double threshold)
{
    CurveData& curve = *entry.curve;
    const bool hasCurve = !curve.isEmpty();
    const CurveKeyValues measured = hasCurve ? CurveKeyValues::ofCurve(curve) : readingsKeyValues(curve);
    const CurveData& converted = curve.stcCurve(true);
    const CurveKeyValues stc = CurveKeyValues::ofCurve(converted);
    const CurveKeyValues nominal = CurveKeyValues::ofModule(curve.module());
    QStringList values = QStringList{nameWithNote(entry)} + keyValues(measured, stc, nominal, hasCurve);
    values = values.mid(0, diffCell + 1) + expectedValues(curve) + values.mid(diffCell + 1);
    // A nominal power of 0 (a data sheet without current at mpp) has no percentage to give.
    const double percent = hasCurve && !curve.nominalCurve().isEmpty() && !converted.isEmpty()
                               ? deviation(nominal.pmpp, stc.pmpp)
                               : -1.0;
    values[diffCell] = percent >= 0.0 ? fixed(percent, deviationDecimals) : table2Placeholders.at(diffCell);
    return filled(QStringLiteral("\t"), table2Placeholders, values, percent > threshold ? diffCell : -1);
}

QStringList CurveReport::expectedValues(CurveData& curve)
{
    const CurveData& expected = curve.expectedCurve();
    double factor = 0.0;
    return {expected.isEmpty() ? QString() : fixed(expected.pmpp(), 0),
            curve.performanceFactor(factor) ? fixed(factor, performanceDecimals) : QString()};
}

// Over the strings with a curve, and only when each has its expectation: a factor of some of
// them against the power of all would read as a loss.
QStringList CurveReport::expectedTotals(const QVector<Entry>& entries)
{
    double measured = 0.0;
    double expected = 0.0;
    for (const Entry& entry : entries) {
        if (entry.curve->isEmpty())
            continue;
        double factor = 0.0;
        if (!entry.curve->performanceFactor(factor))
            return {QString(), QString()};
        measured += entry.curve->pmpp();
        expected += entry.curve->expectedCurve().pmpp();
    }
    if (!(expected > 0.0))
        return {QString(), QString()};
    return {fixed(expected, 0), fixed(measured / expected, performanceDecimals)};
}

QString CurveReport::totalRow(const QVector<Entry>& entries, double threshold)
{
    double measured = 0.0;
    double stc = 0.0;
    double nominal = 0.0;
    for (const Entry& entry : entries) {
        if (entry.curve->isEmpty())
            continue;
        measured += CurveKeyValues::ofCurve(*entry.curve).pmpp;
        stc += CurveKeyValues::ofCurve(entry.curve->stcCurve(true)).pmpp;
        nominal += CurveKeyValues::ofModule(entry.curve->module()).pmpp;
    }
    const double percent = nominalTotalIsPartial(entries) ? -1.0 : deviation(nominal, stc);
    QStringList values{tr("Total", "Curve report"), fixed(measured, 0), fixed(stc, 0), fixed(nominal, 0),
                       percent >= 0.0 ? fixed(percent, deviationDecimals) : table2Placeholders.at(diffCell)};
    values += expectedTotals(entries);
    QString row = filled(QStringLiteral("\t"), table2Placeholders, values, percent > threshold ? diffCell : -1);
    return row.replace(fontStyle, fontStyle + totalStyle);
}

bool CurveReport::nominalTotalIsPartial(const QVector<Entry>& entries)
{
    for (const Entry& entry : entries) {
        if (!entry.curve->isEmpty() && entry.curve->module().moduleId == 0)
            return true;
    }
    return false;
}

QString CurveReport::html(const QString& templateText, const QVector<Entry>& entries, double threshold)
{
    QString measurementRows;
    QString keyValueRows;
    const Entry* previous = nullptr;
    for (const Entry& entry : entries) {
        const bool newGroup =
            !previous || previous->folders != entry.folders || previous->folderNode != entry.folderNode;
        if (newGroup && !entry.folders.isEmpty()) {
            measurementRows += groupRow(entry.folders, table1Placeholders.size());
            keyValueRows += groupRow(entry.folders, table2Placeholders.size());
        }
        previous = &entry;
        measurementRows += measurementRow(entry);
        keyValueRows += keyValueRow(entry, threshold);
    }
    QString page = templateText;
    page.replace(table1Marker, measurementRows);
    page.replace(table2Marker, keyValueRows + totalRow(entries, threshold));
    QString note = tr("Deviations from the nominal power of more than %1 % are marked in colour.", "Curve report")
                       .arg(QLocale().toString(threshold));
    if (nominalTotalIsPartial(entries))
        note += QLatin1Char(' ') + tr("The nominal total covers only the strings with a module assigned.", "Curve report");
    page.replace(totalNoteMarker, note.toHtmlEscaped());
    QVector<QVector<DiagnosisFinding>> findings;
    for (const Entry& entry : entries)
        findings.append(entry.findings);
    page.replace(findingsSummaryMarker, CurveFindingsSummary::summary(findings));
    return page;
}

QString CurveReport::userPage(const QVector<Entry>& entries)
{
    return html(templateText(), entries, deviationThreshold());
}

bool CurveReport::exportPdf(QWidget* parent, const QVector<Entry>& entries, const QString& proposedName)
{
    const QString page = userPage(entries);
    const ExportFileChooser chooser(SettingsKeys::lastExportDir, QStringLiteral("pdf"));
    const QString path = chooser.choose(parent, tr("Save PDF file", "File Save Dialog"),
                                        tr("PDF file (*.pdf)", "File Save Dialog"), proposedName);
    if (path.isEmpty())
        return false;
    StagedPdfFile output(path);
    CurveReportPrinter::printToPdf(page, output.printPath());
    return Prompts::instance().report(parent, QMessageBox::Warning, output.putInPlace());
}

} // namespace IVCurve
