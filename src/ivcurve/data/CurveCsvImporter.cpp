#include "CurveCsvImporter.h"

#include "CsvLineChecksum.h"
#include "CurrentDipRemoval.h"
#include "CurveData.h"
#include "CurveDatabase.h"
#include "CurveFileLimits.h"
#include "CurveTable.h"
#include "CurveTreeModel.h"
#include "MeasurementStatus.h"
#include "PlainDecimal.h"
#include "ResultsSeparator.h"
#include "TreeItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSqlError>

#include <algorithm>
#include <cmath>

namespace IVCurve {

namespace {
const QLatin1String curveColumn("IVCurve");

// Lines end at every line feed together with the carriage returns before it.
QStringList splitLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        int end = line.size();
        while (end > 0 && line.at(end - 1) == QLatin1Char('\r'))
            --end;
        line.truncate(end);
    }
    return lines;
}

// A spreadsheet that saves the file again pads its lines with separators.
bool removeTrailingSeparators(QStringList& lines, QChar separator)
{
    bool removed = false;
    for (QString& line : lines) {
        int end = line.size();
        while (end > 0 && line.at(end - 1) == separator)
            --end;
        removed = removed || end < line.size();
        line.truncate(end);
    }
    return removed;
}

// The fields stay views into the line: a result carries hundreds of points.
QVector<QStringRef> trimmedFields(const QString& line, QChar separator)
{
    QVector<QStringRef> fields = line.splitRef(separator);
    for (QStringRef& field : fields)
        field = field.trimmed();
    return fields;
}

bool readNumber(const QStringRef& text, const QLocale& locale, double& value)
{
    if (PlainDecimal::parse(text, locale.decimalPoint(), value))
        return true;
    bool read = false;
    value = locale.toDouble(text, &read);
    // "inf" and "nan" read as numbers, but no curve can be drawn or converted with them.
    return read && std::isfinite(value);
}

bool readTag(const QStringRef& text, const QLocale& locale, int& tag)
{
    if (PlainDecimal::parseWhole(text, tag))
        return true;
    bool read = false;
    tag = locale.toInt(text, &read);
    return read;
}

// The readings are kept as the user's locale writes numbers; a file from a machine with the other
// decimal mark has its plain numbers rewritten to match.
void useUserDecimalPoint(CurveReadings& readings, QChar fileDecimalPoint)
{
    const QChar userDecimalPoint = QLocale().decimalPoint();
    if (fileDecimalPoint == userDecimalPoint)
        return;
    for (QString* text : {&readings.irradiance, &readings.ambientTemp, &readings.cellTemp, &readings.voc,
                          &readings.isc, &readings.riso, &readings.viso, &readings.iclamp, &readings.rpe,
                          &readings.ff, &readings.vmp, &readings.imp})
        text->replace(fileDecimalPoint, userDecimalPoint);
}

} // namespace

CurveCsvImporter::CurveCsvImporter(const QString& filePath, CurveDatabase& database, CurveTreeModel& tree)
    : filePath(filePath)
    , database(database)
    , tree(tree)
{
}

CurveCsvImporter::~CurveCsvImporter() = default;

// Files travel between machines: one written in a decimal-point locale must read the same in a
// decimal-comma session, so the header line decides, and the locale only where it cannot.
void CurveCsvImporter::chooseSeparator(const QStringList& lines)
{
    const QChar fallback = ResultsSeparator::forLocale();
    separator = lines.size() > 1 ? ResultsSeparator::detect(lines.at(1), fallback) : fallback;
    decimalPoint = separator == QLatin1Char(';') ? QLatin1Char(',') : QLatin1Char('.');
    numberLocale = decimalPoint == QLatin1Char(',') ? QLocale(QLocale::German) : QLocale::c();
}

// The curves and the tree that reaches them are committed together: a kill or a power loss in
// between would leave the curves in the file where no one can get at them.
bool CurveCsvImporter::run()
{
    if (!database.checkWritable())
        return false;
    waitCursor.emplace();
    QStringList lines;
    if (!readFile(lines))
        return false;
    chooseSeparator(lines);
    changedBySpreadsheet = removeTrailingSeparators(lines, separator);
    readInstrumentLine(lines);
    readHeader(lines);
    if (!checkResults(lines))
        return false;
    QSqlDatabase connection = database.database();
    if (!connection.transaction()) {
        waitCursor.reset();
        database.reportWriteFailure(connection.lastError());
        return false;
    }
    fileItem = tree.insertNewRow();
    tree.setItemValues(fileItem, {{TreeItem::Description, QFileInfo(filePath).fileName()}});
    CurveTable table(database);
    if (!importResults(lines, table) || !commitWithTree(connection))
        return fail();
    tree.markSaved();
    std::reverse(importedCurves.begin(), importedCurves.end());
    waitCursor.reset();
    showChecksumSummary();
    return true;
}

bool CurveCsvImporter::commitWithTree(QSqlDatabase& connection)
{
    QSqlError error;
    if (tree.writeNodes(error) && connection.commit())
        return true;
    waitCursor.reset();
    database.reportWriteFailure(error.isValid() ? error : connection.lastError());
    return false;
}

// A pipe would block the program on its first read, and a link to a device never ends.
bool CurveCsvImporter::readFile(QStringList& lines)
{
    const QFileInfo info(filePath);
    const QString shown = QDir::toNativeSeparators(filePath);
    if (info.exists() && !info.isFile())
        return refuse(tr("%1 cannot be imported: it is not a regular file.", "Error Message").arg(shown),
                      tr("Devices, pipes and folders hold no results. Choose the results file itself.",
                         "Error message informative text"));
    if (info.size() > CurveFileLimits::maximumResultsFileBytes)
        return refuse(tr("%1 cannot be imported: it is larger than %2 MB, more than a tester's memory holds.",
                         "Error Message")
                          .arg(shown)
                          .arg(CurveFileLimits::maximumResultsFileBytes / (1024 * 1024)),
                      notResultsAdvice());
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(tr("Error opening %1 for reading.", "Error Message").arg(filePath), file.errorString());
    const QByteArray bytes = file.read(CurveFileLimits::maximumResultsFileBytes);
    if (bytes.count('\n') > CurveFileLimits::maximumResultsLines)
        return refuse(tr("%1 cannot be imported: it has more than %2 lines. Please split it into smaller files.",
                         "Error Message")
                          .arg(shown)
                          .arg(CurveFileLimits::maximumResultsLines),
                      notResultsAdvice());
    lines = splitLines(QString::fromUtf8(bytes));
    return true;
}

// Anything else would end as an empty node that claims an import.
bool CurveCsvImporter::checkResults(const QStringList& lines)
{
    const QString shown = QDir::toNativeSeparators(filePath);
    if (!columns.contains(QStringLiteral("Index")) || columns.size() < 2)
        return refuse(tr("%1 is not a results file of a PV tester: its second line names no columns of results.",
                         "Error Message")
                          .arg(shown),
                      notResultsAdvice());
    const bool anyResult = std::any_of(lines.cbegin() + 2, lines.cend(),
                                       [](const QString& line) { return !line.trimmed().isEmpty(); });
    if (!anyResult)
        return refuse(tr("%1 holds no results: nothing has been imported.", "Error Message").arg(shown),
                      tr("The tester wrote the file before any test was stored. Download its memory again.",
                         "Error message informative text"));
    return true;
}

QString CurveCsvImporter::notResultsAdvice()
{
    return tr("Choose the CSV file that the download program saved from the tester.", "Error message informative text");
}

void CurveCsvImporter::readInstrumentLine(const QStringList& lines)
{
    const QString line = lines.value(0);
    const QVector<QStringRef> fields = trimmedFields(line, separator);
    testerSerialNumber = fields.value(1).toString();
    fileFormat = fields.value(3).toUInt();
}

void CurveCsvImporter::readHeader(const QStringList& lines)
{
    if (lines.size() < 2)
        return;
    const QVector<QStringRef> names = trimmedFields(lines.at(1), separator);
    for (int i = 0; i < names.size(); ++i)
        columns.insert(names.at(i).toString(), i);
}

// From the last line back, each result going in at the top, so that the nodes end in file order.
bool CurveCsvImporter::importResults(const QStringList& lines, CurveTable& table)
{
    for (int index = lines.size() - 1; index >= 2; --index) {
        if (lines.at(index).trimmed().isEmpty())
            continue;
        if (!importLine(lines.at(index), index + 1, table))
            return false;
    }
    return true;
}

bool CurveCsvImporter::importLine(const QString& line, int lineNumber, CurveTable& table)
{
    const bool checksumFailed = !changedBySpreadsheet && checksumFails(line, lineNumber);
    const QVector<QStringRef> fields = trimmedFields(line, separator);
    CurveCsvRow row = CurveCsvRow::read(fields, columns);
    useUserDecimalPoint(row.readings, decimalPoint);
    row.readings.testerSerNo = testerSerialNumber;
    row.readings.fileVersion = int(fileFormat);
    row.description = tr("String %1").arg(row.readings.memLocation);
    const int first = columns.value(curveColumn, -1);
    if (first >= 0 && fields.size() - 2 - first > CurveFileLimits::maximumPointsPerCurve)
        return refuse(tr("Line %2 of %1 holds more than %3 points; the file is damaged or is not a results file.",
                         "Error Message")
                          .arg(QDir::toNativeSeparators(filePath))
                          .arg(lineNumber)
                          .arg(CurveFileLimits::maximumPointsPerCurve),
                      notResultsAdvice());
    CurveData curve;
    readPoints(fields, curve);
    const uint status = statusOf(row, curve, checksumFailed);
    row.statusCode = QString::number(status);
    curve.setReadings(row.readings);
    if (fileFormat >= 2)
        CurrentDipRemoval::run(curve);
    if (!table.insert(curve))
        return false;
    importedCurves << curve.curveId;
    addCurveNode(row, curve, status);
    return true;
}

// The first failures each get a box; the others are summed up once the import is done, so that a
// file of thousands of bad lines does not bring thousands of boxes.
bool CurveCsvImporter::checksumFails(const QString& line, int lineNumber)
{
    if (CsvLineChecksum::isValid(line, separator, decimalPoint))
        return false;
    failedLines << lineNumber;
    if (!showChecksumErrors || failedLines.size() > checksumBoxes)
        return true;
    waitCursor.reset();
    showChecksumErrors = database.reportAgain({tr("Checksum failed on line number %1", "Error Message").arg(lineNumber),
                                               QString()},
                                              tr("Continue showing errors during this import", "User prompt"));
    waitCursor.emplace();
    return true;
}

void CurveCsvImporter::showChecksumSummary()
{
    if (!showChecksumErrors || failedLines.size() <= checksumBoxes)
        return;
    std::sort(failedLines.begin(), failedLines.end());
    QStringList numbers;
    for (int i = 0; i < failedLines.size() && i < summedLineNumbers; ++i)
        numbers << QString::number(failedLines.at(i));
    if (failedLines.size() > summedLineNumbers)
        numbers << QStringLiteral("\u2026");
    showWarning(tr("%1 lines failed the checksum: %2", "Error Message")
                    .arg(failedLines.size())
                    .arg(numbers.join(QStringLiteral(", "))),
                tr("Their curves are marked in red. The tester may be faulty, or the file was changed after the "
                   "download.",
                   "Error message informative text"));
}

// Each field from the "IVCurve" column up to the status code is one point "V:I[:G[:tag]]" in the
// user's locale; a point with any part that is not a number is left out.
void CurveCsvImporter::readPoints(const QVector<QStringRef>& fields, CurveData& curve) const
{
    const int first = columns.value(curveColumn, -1);
    if (first < 0)
        return;
    const int last = fields.size() - 2;
    if (last > first)
        curve.reserve(last - first);
    for (int i = first; i < last; ++i)
        readPoint(fields.at(i), numberLocale, curve);
}

void CurveCsvImporter::readPoint(const QStringRef& field, const QLocale& locale, CurveData& curve)
{
    double values[3] = {0.0, 0.0, 0.0};
    double ignored = 0.0;
    int tag = 0;
    int part = 0;
    for (int start = 0; start <= field.size(); ++part) {
        int end = field.indexOf(QLatin1Char(':'), start);
        if (end < 0)
            end = field.size();
        const QStringRef text = field.mid(start, end - start);
        bool readable = false;
        if (part == 3)
            readable = readTag(text, locale, tag);
        else
            readable = readNumber(text, locale, part < 3 ? values[part] : ignored);
        if (!readable)
            return;
        start = end + 1;
    }
    if (part >= 2)
        curve.addPoint(values[0], values[1], values[2], tag);
}

uint CurveCsvImporter::statusOf(const CurveCsvRow& row, const CurveData& curve, bool checksumFailed) const
{
    uint status = row.statusCode.toUInt();
    if (row.readings.cellTemp.isEmpty())
        status |= NoCellTemperature;
    if (row.readings.irradiance.isEmpty())
        status |= NoIrradiance;
    if (curve.hasIrradianceSpread())
        status |= IrradianceSpread;
    if (changedBySpreadsheet)
        status |= SpreadsheetModified;
    if (!changedBySpreadsheet && checksumFailed)
        status |= ChecksumFailed;
    else if (status & ChecksumFailed)
        status |= InstrumentOwnsBit1;
    return status;
}

void CurveCsvImporter::addCurveNode(const CurveCsvRow& row, const CurveData& curve, uint status)
{
    TreeItem* node = tree.insertNewRow(tree.indexFor(fileItem));
    const CurveReadings& readings = row.readings;
    tree.setItemValues(node, {{TreeItem::Description, row.description},
                              {TreeItem::CurveId, curve.curveId},
                              {TreeItem::MemoryIndex, readings.memLocation},
                              {TreeItem::TestDate, readings.testDate},
                              {TreeItem::Status, status},
                              {TreeItem::Irradiance, readings.irradiance},
                              {TreeItem::AmbientTemperature, readings.ambientTemp},
                              {TreeItem::CellTemperature, readings.cellTemp},
                              {TreeItem::FillFactor, readings.ff}});
}

bool CurveCsvImporter::fail()
{
    database.database().rollback();
    tree.removeRows(fileItem->row(), 1);
    fileItem = nullptr;
    importedCurves.clear();
    waitCursor.reset();
    return false;
}

bool CurveCsvImporter::refuse(const QString& text, const QString& informativeText)
{
    showWarning(text, informativeText);
    return false;
}

void CurveCsvImporter::showWarning(const QString& text, const QString& informativeText)
{
    waitCursor.reset();
    database.report({text, informativeText}, CurveFailureHandler::Weight::Warning);
}

TreeItem* CurveCsvImporter::fileNode() const
{
    return fileItem;
}

QVector<int> CurveCsvImporter::curveIds() const
{
    return importedCurves;
}

} // namespace IVCurve
