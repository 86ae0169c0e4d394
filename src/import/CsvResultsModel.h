#pragma once

#include "CsvResultsRow.h"
#include "Failure.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QStringList>
#include <QVector>

class QIODevice;

// The results file of a PV tester as a flat table: line 0 is the instrument line (its second
// field is the tester's serial number, the `title`), line 1 the column names, every further line
// one result. The header leaves out "IVCurve" while the rows keep every field, so columns before
// the curve line up with their names and the columns after it stand over curve points.
class CsvResultsModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    // How the last parse went. Files beyond the limits are refused whole and leave the table as
    // it was; they are damaged, or no tester wrote them.
    enum class ReadStatus { Ok, NotResults, CannotRead, TooLarge, LineTooLong, TooManyColumns, TooManyRows, FieldTooLong };

    // A day of measurements downloaded at 9600 baud comes to a few megabytes.
    static constexpr qint64 maximumFileBytes = 16 * 1024 * 1024;
    // A line with a long IV curve holds a few thousand points.
    static constexpr int maximumLineBytes = 1024 * 1024;
    static constexpr int maximumColumns = 1000;
    static constexpr int maximumRows = 100000;
    // Values are numbers, dates and short notes; a longer one would freeze the report's layout.
    static constexpr int maximumFieldLength = 1000;

    explicit CsvResultsModel(QObject* parent = nullptr);

    // Replaces the contents with what can be read from `device`, which must be open for reading.
    // A file that is not a results file gives an empty or partial table (status NotResults); false
    // when the device cannot be read or the file is refused, and then nothing changes.
    bool parse(QIODevice& device);
    ReadStatus status() const { return lastStatus; }
    // What went wrong with the last parse, naming the file; no failure for Ok.
    Failure failure(const QString& fileName) const;

    // The tester's serial number from the instrument line, trimmed; empty when there is none.
    QString title() const;
    // Column names in column order, without "IVCurve".
    QStringList header() const;
    // "," or ";" as the header line of the file separates its names; where it cannot tell, ";"
    // in a locale that writes a decimal comma.
    QChar separator() const;
    // Position of "TestType" among the fields of each row, or -1.
    int testTypeColumn() const;
    // The test type code of the index's row; 0 when there is no test type or it is not a number.
    uint testTypeCode(const QModelIndex& index) const;
    // The trimmed field at (row, column) in file order; empty when there is none.
    QString field(int row, int column) const;
    // Every field of a row, curve points, status code and checksum included.
    QStringList rowFields(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    struct Contents
    {
        QChar separator;
        QString instrumentSerial;
        QStringList columnNames;
        int testTypeFieldIndex = -1;
        QVector<CsvResultsRow> rows;
    };

    ReadStatus readLines(const QByteArray& bytes, Contents& read);
    ReadStatus readRow(const QString& line, Contents& read) const;
    static void readTitle(const QString& line, Contents& read);
    static ReadStatus readHeader(const QString& line, Contents& read);
    bool hasFailedStatus(int row) const;
    bool isCell(const QModelIndex& index) const;
    bool isTestTypeIndex(const QModelIndex& index) const;

    const QChar localeSeparator;
    Contents contents;
    ReadStatus lastStatus = ReadStatus::Ok;
    int problemLine = 0;
};
