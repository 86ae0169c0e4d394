#pragma once

#include "CsvResultsRow.h"

#include <QAbstractItemModel>
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
    explicit CsvResultsModel(QObject* parent = nullptr);

    // Replaces the contents with what can be read from `device`, which must be open for reading.
    // A file that is not a results file gives an empty or partial table; false only when the
    // device cannot be read at all.
    bool parse(QIODevice& device);

    // The tester's serial number from the instrument line, trimmed; empty when there is none.
    QString title() const;
    // Column names in column order, without "IVCurve".
    QStringList header() const;
    // "," or ";", fixed when the model is made: ";" where the locale writes a decimal comma.
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
    void clearContents();
    void readLines(const QByteArray& bytes);
    void readTitle(const QString& line);
    void readHeader(const QString& line);
    void readRow(const QString& line);
    bool hasFailedStatus(int row) const;
    bool isCell(const QModelIndex& index) const;
    bool isTestTypeIndex(const QModelIndex& index) const;

    const QChar fieldSeparator;
    QString instrumentSerial;
    QStringList columnNames;
    int testTypeFieldIndex = -1;
    QVector<CsvResultsRow> rows;
};
