#include "SearchCriteria.h"

#include "FoundEntry.h"
#include "SearchResultsDocument.h"
#include "WildcardPattern.h"

#include <QFileInfo>

void SearchCriteria::setName(const QString& text, Qt::CaseSensitivity sensitivity)
{
    name = WildcardPattern::expression(widened(text), sensitivity);
}

void SearchCriteria::setDateRange(DateKind kind, const QDate& fromDate, const QDate& toDate)
{
    byDate = true;
    dateKind = kind;
    from = fromDate;
    to = toDate;
}

void SearchCriteria::setSizeLimit(SizeComparison sizeComparison, qint64 kilobytes)
{
    bySize = true;
    comparison = sizeComparison;
    limitBytes = kilobytes * 1024;
}

void SearchCriteria::setPhrase(const QString& text, Qt::CaseSensitivity sensitivity)
{
    phrase.reset();
    if (!text.isEmpty())
        phrase.emplace(widened(text), sensitivity);
}

QString SearchCriteria::widened(const QString& text)
{
    QString pattern = text;
    if (!pattern.endsWith(QLatin1Char('*')))
        pattern += QLatin1Char('*');
    if (!pattern.startsWith(QLatin1Char('*')))
        pattern.prepend(QLatin1Char('*'));
    return pattern;
}

bool SearchCriteria::matches(const QFileInfo& entry) const
{
    return matches(FoundEntry::of(entry));
}

bool SearchCriteria::matches(const FoundEntry& entry) const
{
    if (!matchesBesidesPhrase(entry))
        return false;
    return !phrase || (entry.nameReadable && SearchResultsDocument::reportContains(*phrase, entry.path));
}

bool SearchCriteria::nameMatches(const QString& fileName) const
{
    return name.match(fileName).hasMatch();
}

bool SearchCriteria::matchesBesidesPhrase(const FoundEntry& entry) const
{
    if (!nameMatches(entry.fileName()))
        return false;
    if (byDate && !dateMatches(entry))
        return false;
    return !bySize || sizeMatches(entry);
}

bool SearchCriteria::hasPhrase() const
{
    return phrase.has_value();
}

Ks::XmlSearchHandler& SearchCriteria::phraseHandler() const
{
    return *phrase;
}

bool SearchCriteria::dateMatches(const FoundEntry& entry) const
{
    const QDate date = dateOf(entry, dateKind).toLocalTime().date();
    return date.isValid() && date >= from && date <= to;
}

bool SearchCriteria::sizeMatches(const FoundEntry& entry) const
{
    return comparison == GreaterThan ? entry.size >= limitBytes : entry.size <= limitBytes;
}

QDateTime SearchCriteria::dateOf(const FoundEntry& entry, DateKind kind)
{
    switch (kind) {
    case CreatedDate:
        return entry.created;
    case ModifiedDate:
        return entry.modified;
    case AccessedDate:
        return entry.read;
    }
    return QDateTime();
}
