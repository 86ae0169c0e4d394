#pragma once

#include <QCoreApplication>
#include <QHash>

class QXmlStreamAttributes;

// Looks over a diagram file before it is parsed into a tree and drawn. Diagrams travel by e-mail
// and USB stick; what a real installation needs is far below these limits, and anything beyond
// them (deep nesting, entity expansion, endless captions, a million boxes, thousands of wires on
// one box) is refused before memory or time is spent on it. The scan keeps no tree and does not
// recurse. Malformed XML passes: the parser afterwards reports it with line and column.
class DiagramXmlGuard
{
    Q_DECLARE_TR_FUNCTIONS(DiagramXmlGuard)

public:
    static constexpr qint64 maximumFileBytes = 8 * 1024 * 1024;
    // The root, its boxes and wires, and their captions and ends.
    static constexpr int maximumDepth = 3;
    static constexpr int maximumItems = 5000;
    // Captions are a few words; a long word is laid out a letter at a time in its narrow box.
    static constexpr int maximumTextLength = 2000;
    static constexpr int maximumWiresPerBox = 200;

    bool check(const QByteArray& xml);
    // Which limit was passed, and on which line.
    QString cause() const { return refusal; }

private:
    bool checkElement(int depth, const QString& tag, const QXmlStreamAttributes& attributes);
    bool refuse(const QString& why);

    QString refusal;
    qint64 line = 0;
    int items = 0;
    QHash<QString, int> wiresPerBox;
};
