#pragma once

#include "XmlSearchHandler.h"

#include <QDate>
#include <QRegularExpression>
#include <QString>

#include <optional>

class QFileInfo;
struct FoundEntry;

// What one search looks for. Every enabled criterion must hold; the cheap ones are tested
// first, so a report is opened only for entries that passed all the others.
class SearchCriteria
{
public:
    // The codes are the item data of the panel's combo boxes.
    enum DateKind { CreatedDate = 0, ModifiedDate = 1, AccessedDate = 2 };
    enum SizeComparison { GreaterThan = 0, LessThan = 1 };

    // An empty name or one without wildcards at its ends is widened to "*name*", so any part of
    // a name finds the entry and an empty one finds everything.
    void setName(const QString& text, Qt::CaseSensitivity sensitivity);
    void setDateRange(DateKind kind, const QDate& from, const QDate& to);
    void setSizeLimit(SizeComparison comparison, qint64 kilobytes);
    // An empty phrase is no criterion.
    void setPhrase(const QString& text, Qt::CaseSensitivity sensitivity);

    bool matches(const QFileInfo& entry) const;
    // An entry whose name is not readable is never looked into for the phrase.
    bool matches(const FoundEntry& entry) const;
    bool nameMatches(const QString& fileName) const;
    // Name, date and size: the tests that need no file opened.
    bool matchesBesidesPhrase(const FoundEntry& entry) const;
    bool hasPhrase() const;
    // Only with a phrase set.
    Ks::XmlSearchHandler& phraseHandler() const;

    static QString widened(const QString& text);

private:
    bool dateMatches(const FoundEntry& entry) const;
    bool sizeMatches(const FoundEntry& entry) const;
    static QDateTime dateOf(const FoundEntry& entry, DateKind kind);

    QRegularExpression name = QRegularExpression(QStringLiteral(".*"));
    bool byDate = false;
    DateKind dateKind = ModifiedDate;
    QDate from;
    QDate to;
    bool bySize = false;
    SizeComparison comparison = GreaterThan;
    qint64 limitBytes = 0;
    // Searching changes only what the handler found last; the criteria stay as they were set.
    mutable std::optional<Ks::XmlSearchHandler> phrase;
};
