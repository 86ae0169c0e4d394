#include "CurveCsvImporter.h"

#include "CsvLineChecksum.h"
#include "CurveData.h"
#include "CurveDatabase.h"
#include "CurveMessageBox.h"
#include "CurveTable.h"
#include "CurveTreeModel.h"
#include "MeasurementStatus.h"
#include "PlainDecimal.h"
#include "ResultsSeparator.h"
#include "TreeItem.h"

#include "Prompts.h"

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

// Removes the middle point of every three whose current dips below both neighbours, judged on
// the converted curve, until none is left.
void removeCurrentDips(CurveData& curve)
{
    while (true) {
        const QVector<QPointF>& converted = curve.stcCurve(false).points();
        QVector<bool> marked(converted.size(), false);
        bool anyMarked = false;
        for (int i = 2; i < converted.size(); ++i) {
            const double twoBack = converted.at(i - 2).y();
            const double previous = converted.at(i - 1).y();
            if (twoBack != 0.0 && twoBack >= previous && converted.at(i).y() >= previous) {
                marked[i - 1] = true;
                anyMarked = true;
            }
        }
        if (!anyMarked)
            return;
        CurveData rebuilt;
        rebuilt.setReadings(curve.readings());
        rebuilt.setParameters(curve.parameters());
        rebuilt.setModule(curve.module());
        for (int i = 0; i < curve.points().size() && i < marked.size(); ++i) {
            if (!marked.at(i)) {
                const CurvePoint& info = curve.pointInfo().at(i);
                rebuilt.addPoint(curve.points().at(i).x(), curve.points().at(i).y(), info.irradiance, info.tag);
            }
        }
        curve = std::move(rebuilt);
    }
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
    QSqlDatabase connection = database.database();
    if (!connection.transaction()) {
        waitCursor.reset();
        database.reportWriteFailure(connection.lastError());
        return false;
    }
    fileItem = tree.insertNewRow();
    tree.setItemValues(fileItem, {{TreeItem::Description, QFileInfo(filePath).fileName()}});
    readInstrumentLine(lines);
    readHeader(lines);
    CurveTable table(database);
    if (!importResults(lines, table) || !commitWithTree(connection))
        return fail();
    tree.markSaved();
    std::reverse(importedCurves.begin(), importedCurves.end());
    waitCursor.reset();
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

bool CurveCsvImporter::readFile(QStringList& lines)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        showWarning(tr("Error opening %1 for reading.", "Error Message").arg(filePath), file.errorString());
        return false;
    }
    lines = splitLines(QString::fromUtf8(file.readAll()));
    return true;
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
    CurveData curve;
    readPoints(fields, curve);
    const uint status = statusOf(row, curve, checksumFailed);
    row.statusCode = QString::number(status);
    curve.setReadings(row.readings);
    if (fileFormat >= 2)
        removeCurrentDips(curve);
    if (!table.insert(curve))
        return false;
    importedCurves << curve.curveId;
    addCurveNode(row, curve, status);
    return true;
}

bool CurveCsvImporter::checksumFails(const QString& line, int lineNumber)
{
    if (CsvLineChecksum::isValid(line, separator, decimalPoint))
        return false;
    if (!showChecksumErrors)
        return true;
    MessageRequest request;
    request.parent = database.messageParent();
    request.icon = QMessageBox::Warning;
    request.title = CurveMessageBox::title();
    request.text = tr("Checksum failed on line number %1", "Error Message").arg(lineNumber);
    request.checkBoxText = tr("Continue showing errors during this import", "User prompt");
    request.checkBoxChecked = true;
    waitCursor.reset();
    showChecksumErrors = Prompts::instance().message(request).checkBoxChecked;
    waitCursor.emplace();
    return true;
}

// Each field from the "IVCurve" column up to the status code is one point "V:I[:G[:tag]]" in the
// user's locale; a point with any part that is not a number is left out.
void CurveCsvImporter::readPoints(const QVector<QStringRef>& fields, CurveData& curve) const
{
    const int first = columns.value(curveColumn, -1);
    if (first < 0)
        return;
    const QLocale locale = decimalPoint == QLatin1Char(',') ? QLocale(QLocale::German) : QLocale::c();
    for (int i = first; i < fields.size() - 2; ++i)
        readPoint(fields.at(i), locale, curve);
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
            tag = locale.toInt(text, &readable);
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
    else if (checksumFailed)
        status |= ChecksumFailed;
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

void CurveCsvImporter::showWarning(const QString& text, const QString& informativeText)
{
    waitCursor.reset();
    MessageRequest request;
    request.parent = database.messageParent();
    request.icon = QMessageBox::Warning;
    request.title = CurveMessageBox::title();
    request.text = text;
    request.informativeText = informativeText;
    Prompts::instance().message(request);
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
