#pragma once

#include <QChar>
#include <QString>

// The field separator of a tester's results file, read from its header line: the tester writes
// "," and the download program turns it into ";" in a decimal-comma locale, so a file saved on
// one machine is often opened on another. Column names hold neither character, so whichever
// the header holds more of separates the fields.
class ResultsSeparator
{
public:
    // `fallback` when the header holds neither or both as often (a header of one column).
    static QChar detect(const QString& headerLine, QChar fallback);
    // "," or ";" as the user's locale writes decimals: where the header cannot tell.
    static QChar forLocale();
};
