#include "WildcardPattern.h"

QRegularExpression WildcardPattern::expression(const QString& pattern, Qt::CaseSensitivity sensitivity)
{
    QRegularExpression::PatternOptions options = QRegularExpression::DotMatchesEverythingOption;
    if (sensitivity == Qt::CaseInsensitive)
        options |= QRegularExpression::CaseInsensitiveOption;
    QRegularExpression result(toRegularExpression(pattern), options);
    result.optimize();
    return result;
}

QString WildcardPattern::toRegularExpression(const QString& pattern)
{
    QString expression = QStringLiteral("\\A(?:");
    int i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('*')) {
            expression += QLatin1String(".*");
        } else if (c == QLatin1Char('?')) {
            expression += QLatin1Char('.');
        } else if (c == QLatin1Char('[')) {
            const int next = appendSet(pattern, i, expression);
            if (next > 0) {
                i = next;
                continue;
            }
            expression += QLatin1String("\\[");
        } else {
            expression += QRegularExpression::escape(QString(c));
        }
        ++i;
    }
    return expression + QLatin1String(")\\z");
}

QString WildcardPattern::longestFixedPart(const QString& pattern)
{
    QString longest;
    QString current;
    // The end of the pattern ends the last run like a wildcard would.
    for (int i = 0; i <= pattern.size();) {
        const QChar c = i < pattern.size() ? pattern.at(i) : QLatin1Char('*');
        QString set;
        const int setEnd = c == QLatin1Char('[') ? appendSet(pattern, i, set) : -1;
        if (c != QLatin1Char('*') && c != QLatin1Char('?') && setEnd < 0) {
            current += c;
            ++i;
            continue;
        }
        if (current.size() > longest.size())
            longest = current;
        current.clear();
        i = setEnd > 0 ? setEnd : i + 1;
    }
    return longest;
}

int WildcardPattern::appendSet(const QString& pattern, int open, QString& expression)
{
    int i = open + 1;
    const bool negated = i < pattern.size() && (pattern.at(i) == QLatin1Char('!') || pattern.at(i) == QLatin1Char('^'));
    if (negated)
        ++i;
    const int firstMember = i;
    // A "]" right after the opening bracket is a member, not the end.
    if (i < pattern.size() && pattern.at(i) == QLatin1Char(']'))
        ++i;
    const int close = pattern.indexOf(QLatin1Char(']'), i);
    if (close < 0)
        return -1;
    QString set = negated ? QStringLiteral("[^") : QStringLiteral("[");
    for (int member = firstMember; member < close; ++member) {
        const QChar c = pattern.at(member);
        if (c == QLatin1Char('\\') || c == QLatin1Char('[') || c == QLatin1Char(']') || c == QLatin1Char('^'))
            set += QLatin1Char('\\');
        set += c;
    }
    expression += set + QLatin1Char(']');
    return close + 1;
}
