#include "CsvResultsModel.h"

#include "ResultsCsv.h"
#include "ResultsSeparator.h"

#include <QColor>
#include <QIODevice>

#include <cstring>

namespace {
// Calls `take` with each line of `bytes` up to the first NUL byte, with its number, until `take`
// answers false; the text after the last line feed is a line too, even when empty. Lines end in
// "\r*\n": the carriage returns stay on the line, where trimming the fields removes them. A
// line longer than `maximumLine` bytes is handed over empty with `tooLong` set instead.
template <typename Take>
void forEachLine(const QByteArray& bytes, int maximumLine, Take take)
{
    const int nul = bytes.indexOf('\0');
    const int length = nul < 0 ? bytes.size() : nul;
    const char* data = bytes.constData();
    int lineStart = 0;
    for (int number = 0;; ++number) {
        const void* feed = memchr(data + lineStart, '\n', size_t(length - lineStart));
        const int lineEnd = feed ? int(static_cast<const char*>(feed) - data) : length;
        const bool tooLong = lineEnd - lineStart > maximumLine;
        const QString line = tooLong ? QString() : QString::fromUtf8(data + lineStart, lineEnd - lineStart);
        if (!take(line, number, tooLong) || !feed)
            return;
        lineStart = lineEnd + 1;
    }
}

bool hasLongField(const CsvResultsRow& row, int maximum)
{
    for (int i = 0; i < row.size(); ++i)
        if (row.fieldLength(i) > maximum)
            return true;
    return false;
}
} // namespace

CsvResultsModel::CsvResultsModel(QObject* parent)
    : QAbstractItemModel(parent)
    , localeSeparator(ResultsSeparator::forLocale())
{
    contents.separator = localeSeparator;
}

bool CsvResultsModel::parse(QIODevice& device)
{
    problemLine = 0;
    if (!device.isReadable()) {
        lastStatus = ReadStatus::CannotRead;
        return false;
    }
    // One byte more than allowed tells a file that is too large without reading all of it.
    const QByteArray bytes = device.read(maximumFileBytes + 1);
    Contents read;
    read.separator = localeSeparator;
    lastStatus = bytes.size() > maximumFileBytes ? ReadStatus::TooLarge : readLines(bytes, read);
    if (lastStatus != ReadStatus::Ok && lastStatus != ReadStatus::NotResults)
        return false;
    beginResetModel();
    contents = std::move(read);
    endResetModel();
    return true;
}

CsvResultsModel::ReadStatus CsvResultsModel::readLines(const QByteArray& bytes, Contents& read)
{
    QString instrumentLine;
    ReadStatus status = ReadStatus::NotResults;
    forEachLine(bytes, maximumLineBytes, [&](const QString& line, int number, bool tooLong) {
        problemLine = number + 1;
        if (tooLong) {
            status = ReadStatus::LineTooLong;
        } else if (number == 0) {
            // A lone line is no results file: the title is only taken when a header follows.
            instrumentLine = line;
        } else if (number == 1) {
            status = readHeader(line, read);
            readTitle(instrumentLine, read);
        } else {
            status = readRow(line, read);
        }
        return status == ReadStatus::Ok || (status == ReadStatus::NotResults && number == 0);
    });
    if (status == ReadStatus::Ok || status == ReadStatus::NotResults)
        problemLine = 0;
    return status;
}

void CsvResultsModel::readTitle(const QString& line, Contents& read)
{
    read.instrumentSerial = CsvResultsRow(line, read.separator).field(1);
}

CsvResultsModel::ReadStatus CsvResultsModel::readHeader(const QString& line, Contents& read)
{
    read.separator = ResultsSeparator::detect(line, read.separator);
    const CsvResultsRow names(line, read.separator);
    // A spreadsheet that saved the file again pads lines with separators: those name no column.
    const int last = names.lastFilledField();
    if (last >= maximumColumns)
        return ReadStatus::TooManyColumns;
    if (hasLongField(names, maximumFieldLength))
        return ReadStatus::FieldTooLong;
    for (int i = 0; i <= last; ++i) {
        const QString name = names.field(i);
        if (name == ResultsCsv::TestTypeColumn)
            read.testTypeFieldIndex = i;
        if (name != ResultsCsv::CurveColumn)
            read.columnNames << name;
    }
    return read.columnNames.size() < 2 ? ReadStatus::NotResults : ReadStatus::Ok;
}

CsvResultsModel::ReadStatus CsvResultsModel::readRow(const QString& line, Contents& read) const
{
    CsvResultsRow row(line, read.separator);
    if (row.size() < read.columnNames.size() || row.lastFilledField() < 0)
        return ReadStatus::Ok;
    if (hasLongField(row, maximumFieldLength))
        return ReadStatus::FieldTooLong;
    if (read.rows.size() == maximumRows)
        return ReadStatus::TooManyRows;
    read.rows.append(std::move(row));
    return ReadStatus::Ok;
}

Failure CsvResultsModel::failure(const QString& fileName) const
{
    switch (lastStatus) {
    case ReadStatus::Ok:
        return {};
    case ReadStatus::NotResults:
        return {tr("%1 is not a results file of a PV tester: its second line names no columns.", "Error Message")
                .arg(fileName), QString()};
    case ReadStatus::CannotRead:
        return {tr("Error opening %1 for reading.", "Error Message").arg(fileName), QString()};
    case ReadStatus::TooLarge:
        return {tr("%1 is larger than %2 MB, more than a tester's memory holds.", "Error Message")
                .arg(fileName)
                .arg(maximumFileBytes / (1024 * 1024)), QString()};
    case ReadStatus::LineTooLong:
        return {tr("Line %2 of %1 is longer than %3 KB; the file is damaged or is not a results file.",
                   "Error Message")
                .arg(fileName)
                .arg(problemLine)
                .arg(maximumLineBytes / 1024), QString()};
    case ReadStatus::TooManyColumns:
        return {tr("%1 names more than %2 columns; the file is damaged or is not a results file.", "Error Message")
                .arg(fileName)
                .arg(maximumColumns), QString()};
    case ReadStatus::TooManyRows:
        return {tr("%1 holds more than %2 results. Please split it into smaller files.", "Error Message")
                .arg(fileName)
                .arg(maximumRows), QString()};
    case ReadStatus::FieldTooLong:
        return {tr("Line %2 of %1 holds a value longer than %3 characters; the file is damaged or is not a "
                   "results file.",
                   "Error Message")
                .arg(fileName)
                .arg(problemLine)
                .arg(maximumFieldLength), QString()};
    }
    return {};
}

QString CsvResultsModel::title() const
{
    return contents.instrumentSerial;
}

QStringList CsvResultsModel::header() const
{
    return contents.columnNames;
}

QChar CsvResultsModel::separator() const
{
    return contents.separator;
}

int CsvResultsModel::testTypeColumn() const
{
    return contents.testTypeFieldIndex;
}

uint CsvResultsModel::testTypeCode(const QModelIndex& index) const
{
    if (contents.testTypeFieldIndex < 0 || !index.isValid())
        return 0;
    return field(index.row(), contents.testTypeFieldIndex).toUInt();
}

QString CsvResultsModel::field(int row, int column) const
{
    if (row < 0 || row >= contents.rows.size())
        return QString();
    return contents.rows.at(row).field(column);
}

QStringList CsvResultsModel::rowFields(int row) const
{
    if (row < 0 || row >= contents.rows.size())
        return QStringList();
    return contents.rows.at(row).fields();
}

int CsvResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : contents.rows.size();
}

int CsvResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : contents.columnNames.size();
}

QModelIndex CsvResultsModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex CsvResultsModel::parent(const QModelIndex& /*child*/) const
{
    return QModelIndex();
}

QVariant CsvResultsModel::data(const QModelIndex& index, int role) const
{
    if (!isCell(index))
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (index.column() < contents.rows.at(index.row()).size())
            return field(index.row(), index.column());
        return QVariant();
    case Qt::ForegroundRole:
        return hasFailedStatus(index.row()) ? QVariant(QColor(Qt::red)) : QVariant();
    default:
        return QVariant();
    }
}

// The status code is the second-to-last field of an instrument line. Separators that a
// spreadsheet appended are passed over, or every re-saved file would lose its red contents.rows.
bool CsvResultsModel::hasFailedStatus(int row) const
{
    const CsvResultsRow& fields = contents.rows.at(row);
    return fields.field(fields.lastFilledField() - 1).toInt() > 0;
}

QVariant CsvResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < contents.columnNames.size())
        return contents.columnNames.at(section);
    return QAbstractItemModel::headerData(section, orientation, role);
}

Qt::ItemFlags CsvResultsModel::flags(const QModelIndex& index) const
{
    if (!isCell(index))
        return Qt::NoItemFlags;
    const Qt::ItemFlags usable = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return isTestTypeIndex(index) ? usable | Qt::ItemIsEditable : usable;
}

bool CsvResultsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !isTestTypeIndex(index))
        return false;
    contents.rows[index.row()].setField(index.column(), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

bool CsvResultsModel::isTestTypeIndex(const QModelIndex& index) const
{
    return isCell(index) && index.column() == contents.testTypeFieldIndex
        && index.column() < contents.rows.at(index.row()).size();
}

bool CsvResultsModel::isCell(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && index.row() < contents.rows.size()
        && index.column() < contents.columnNames.size();
}
