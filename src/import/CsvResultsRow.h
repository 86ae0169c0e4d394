#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One line of a results file. A line can carry thousands of curve points, so it is kept as the
// decoded line with the bounds of its trimmed fields instead of one string per field.
class CsvResultsRow
{
public:
    CsvResultsRow() = default;
    // Splits at every `separator`, keeping empty fields; fields are trimmed of white space.
    CsvResultsRow(const QString& line, QChar separator);

    int size() const;
    // Characters of the trimmed field; 0 when there is no such field.
    int fieldLength(int index) const;
    // Empty when there is no such field.
    QString field(int index) const;
    QStringList fields() const;
    void setField(int index, const QString& text);
    // Index of the last field that is not empty, or -1.
    int lastFilledField() const;

private:
    int start(int index) const;
    int end(int index) const;

    QString line;
    // Start and end (exclusive) of each field in `line`, two entries per field.
    QVector<int> bounds;
};
