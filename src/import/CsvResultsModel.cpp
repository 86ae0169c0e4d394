#include "CsvResultsModel.h"

#include "LocaleFormat.h"
#include "ResultsCsv.h"

#include <QColor>
#include <QIODevice>

#include <cstring>

namespace {
QChar separatorForLocale()
{
    return LocaleFormat::usesDecimalComma() ? QLatin1Char(';') : QLatin1Char(',');
}

// Calls `take` with each line of `bytes` up to the first NUL byte; the text after the last line
// feed is a line too, even when empty. Lines end in "\r*\n": the carriage returns stay on the
// line, where trimming the fields removes them.
template <typename Take>
void forEachLine(const QByteArray& bytes, Take take)
{
    const int nul = bytes.indexOf('\0');
    const int length = nul < 0 ? bytes.size() : nul;
    const char* data = bytes.constData();
    int lineStart = 0;
    while (true) {
        const void* feed = memchr(data + lineStart, '\n', size_t(length - lineStart));
        const int lineEnd = feed ? int(static_cast<const char*>(feed) - data) : length;
        take(QString::fromUtf8(data + lineStart, lineEnd - lineStart));
        if (!feed)
            return;
        lineStart = lineEnd + 1;
    }
}
} // namespace

CsvResultsModel::CsvResultsModel(QObject* parent)
    : QAbstractItemModel(parent)
    , fieldSeparator(separatorForLocale())
{
}

bool CsvResultsModel::parse(QIODevice& device)
{
    if (!device.isReadable())
        return false;
    beginResetModel();
    clearContents();
    readLines(device.readAll());
    endResetModel();
    return true;
}

void CsvResultsModel::clearContents()
{
    instrumentSerial.clear();
    columnNames.clear();
    testTypeFieldIndex = -1;
    rows.clear();
}

void CsvResultsModel::readLines(const QByteArray& bytes)
{
    int lineNumber = 0;
    QString instrumentLine;
    forEachLine(bytes, [&](const QString& line) {
        if (lineNumber == 0) {
            // A lone line is no results file: the title is only taken when a header follows.
            instrumentLine = line;
        } else if (lineNumber == 1) {
            readTitle(instrumentLine);
            readHeader(line);
        } else {
            readRow(line);
        }
        ++lineNumber;
    });
}

void CsvResultsModel::readTitle(const QString& line)
{
    instrumentSerial = CsvResultsRow(line, fieldSeparator).field(1);
}

void CsvResultsModel::readHeader(const QString& line)
{
    const CsvResultsRow names(line, fieldSeparator);
    // A spreadsheet that saved the file again pads lines with separators: those name no column.
    const int last = names.lastFilledField();
    for (int i = 0; i <= last; ++i) {
        const QString name = names.field(i);
        if (name == ResultsCsv::TestTypeColumn)
            testTypeFieldIndex = i;
        if (name != ResultsCsv::CurveColumn)
            columnNames << name;
    }
}

void CsvResultsModel::readRow(const QString& line)
{
    if (columnNames.isEmpty())
        return;
    CsvResultsRow row(line, fieldSeparator);
    if (row.size() >= columnNames.size() && row.lastFilledField() >= 0)
        rows.append(std::move(row));
}

QString CsvResultsModel::title() const
{
    return instrumentSerial;
}

QStringList CsvResultsModel::header() const
{
    return columnNames;
}

QChar CsvResultsModel::separator() const
{
    return fieldSeparator;
}

int CsvResultsModel::testTypeColumn() const
{
    return testTypeFieldIndex;
}

uint CsvResultsModel::testTypeCode(const QModelIndex& index) const
{
    if (testTypeFieldIndex < 0 || !index.isValid())
        return 0;
    return field(index.row(), testTypeFieldIndex).toUInt();
}

QString CsvResultsModel::field(int row, int column) const
{
    if (row < 0 || row >= rows.size())
        return QString();
    return rows.at(row).field(column);
}

QStringList CsvResultsModel::rowFields(int row) const
{
    if (row < 0 || row >= rows.size())
        return QStringList();
    return rows.at(row).fields();
}

int CsvResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

int CsvResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columnNames.size();
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
        if (index.column() < rows.at(index.row()).size())
            return field(index.row(), index.column());
        return QVariant();
    case Qt::ForegroundRole:
        return hasFailedStatus(index.row()) ? QVariant(QColor(Qt::red)) : QVariant();
    default:
        return QVariant();
    }
}

// The status code is the second-to-last field of an instrument line. Separators that a
// spreadsheet appended are passed over, or every re-saved file would lose its red rows.
bool CsvResultsModel::hasFailedStatus(int row) const
{
    const CsvResultsRow& fields = rows.at(row);
    return fields.field(fields.lastFilledField() - 1).toInt() > 0;
}

QVariant CsvResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnNames.size())
        return columnNames.at(section);
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
    rows[index.row()].setField(index.column(), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

bool CsvResultsModel::isTestTypeIndex(const QModelIndex& index) const
{
    return isCell(index) && index.column() == testTypeFieldIndex
        && index.column() < rows.at(index.row()).size();
}

bool CsvResultsModel::isCell(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && index.row() < rows.size()
        && index.column() < columnNames.size();
}
