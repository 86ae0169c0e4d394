#pragma once

#include <QRegularExpression>
#include <QString>

// Turns a wildcard pattern into an expression that must match a whole text: "*" stands for any
// run of characters and "?" for one, "[...]" for one of a set ("[!...]" for none of it). Unlike
// the toolkit's own conversion, which is meant for file paths, "*" and "?" match "/" and line
// breaks too: a phrase inside a report may well span a date or a new line.
class WildcardPattern
{
public:
    static QRegularExpression expression(const QString& pattern, Qt::CaseSensitivity sensitivity);
    static QString toRegularExpression(const QString& pattern);
    // The longest run of ordinary characters, which every matching text contains.
    static QString longestFixedPart(const QString& pattern);

private:
    // Appends the set that opens at `open`; returns the position after it, or -1 when the
    // bracket is never closed (it is then an ordinary character).
    static int appendSet(const QString& pattern, int open, QString& expression);
};
