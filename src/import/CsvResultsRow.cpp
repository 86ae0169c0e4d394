#include "CsvResultsRow.h"

CsvResultsRow::CsvResultsRow(const QString& line, QChar separator)
    : line(line)
{
    const QChar* text = line.constData();
    const int length = line.size();
    int fieldStart = 0;
    for (int position = 0; position <= length; ++position) {
        if (position < length && text[position] != separator)
            continue;
        int first = fieldStart;
        int last = position;
        while (first < last && text[first].isSpace())
            ++first;
        while (last > first && text[last - 1].isSpace())
            --last;
        bounds << first << last;
        fieldStart = position + 1;
    }
}

int CsvResultsRow::size() const
{
    return bounds.size() / 2;
}

int CsvResultsRow::fieldLength(int index) const
{
    return index < 0 || index >= size() ? 0 : end(index) - start(index);
}

QString CsvResultsRow::field(int index) const
{
    if (index < 0 || index >= size())
        return QString();
    return line.mid(start(index), end(index) - start(index));
}

QStringList CsvResultsRow::fields() const
{
    QStringList all;
    all.reserve(size());
    for (int i = 0; i < size(); ++i)
        all << field(i);
    return all;
}

void CsvResultsRow::setField(int index, const QString& text)
{
    if (index < 0 || index >= size())
        return;
    const int shift = text.size() - (end(index) - start(index));
    line.replace(start(index), end(index) - start(index), text);
    bounds[2 * index + 1] += shift;
    for (int i = 2 * index + 2; i < bounds.size(); ++i)
        bounds[i] += shift;
}

int CsvResultsRow::lastFilledField() const
{
    int index = size() - 1;
    while (index >= 0 && start(index) == end(index))
        --index;
    return index;
}

int CsvResultsRow::start(int index) const
{
    return bounds.at(2 * index);
}

int CsvResultsRow::end(int index) const
{
    return bounds.at(2 * index + 1);
}
