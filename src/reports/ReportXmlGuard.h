#pragma once

#include <QCoreApplication>

class QXmlStreamAttributes;
class QXmlStreamReader;

// Looks over a report's or template's XML before it is parsed into a tree: nesting, element
// and picture counts, text lengths, table sizes, numbers and the drawings it names must stay
// within what real reports need. The scan keeps no tree and no recursion, so a file nested
// thirty thousand levels deep or holding a two-million-character word costs next to nothing.
// Malformed XML passes: the parser afterwards reports it with line and column.
class ReportXmlGuard
{
    Q_DECLARE_TR_FUNCTIONS(ReportXmlGuard)

public:
    // Drawings are allowed from the resources and from `documentFolder`.
    explicit ReportXmlGuard(const QString& documentFolder);

    bool check(const QByteArray& xml);
    // Which limit was passed, and on which line.
    QString cause() const { return refusal; }

private:
    bool enterElement(const QXmlStreamReader& reader);
    void leaveElement();
    bool countText(const QXmlStreamReader& reader);
    bool checkElement(const QString& tag, const QXmlStreamAttributes& attributes);
    bool checkNumbers(const QXmlStreamAttributes& attributes);
    bool checkTable(const QXmlStreamAttributes& attributes);
    bool checkDrawing(const QXmlStreamAttributes& attributes);
    bool refuse(const QString& why);

    QString documentFolder;
    QString refusal;
    qint64 line = 0;
    int elements = 0;
    int pictures = 0;
    int depth = 0;
    // The characters of the text being read; a text item's runs on through its inner elements.
    int textLength = 0;
    // The depth of the text item being read, 0 outside one.
    int textItemDepth = 0;
    int totalTextLength = 0;
};
