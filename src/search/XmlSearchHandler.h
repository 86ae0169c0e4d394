#pragma once

#include <QByteArray>
#include <QRegularExpression>

class QXmlStreamReader;

namespace Ks {

// Looks for a wildcard pattern in the character data of an XML document: each run of text must
// match the pattern as a whole; element names and attribute values are not searched. The
// document is read as a stream and the reading stops at the first match, so a hit near the top
// of a long report costs little. One handler may search many documents in turn.
class XmlSearchHandler
{
public:
    XmlSearchHandler(const QString& pattern, Qt::CaseSensitivity sensitivity);

    // Reads the document; malformed XML ends the reading and keeps what was found before it.
    // Returns found().
    bool parse(const QByteArray& xml);
    // Reads what `reader` holds so far, for a document that comes in pieces; true while more is
    // wanted, false once the pattern matched or the XML ended or is malformed. Call begin()
    // before the first piece.
    bool read(QXmlStreamReader& reader);
    void begin();
    // One run of character data; false once the pattern matched, which stops the reading.
    bool characters(const QString& text);
    bool found() const;

private:
    // False only when the document's text cannot hold the pattern's longest fixed part, which
    // spares reading most documents that do not match.
    bool mayMatch(const QByteArray& xml) const;

    QRegularExpression expression;
    QString requiredText;
    Qt::CaseSensitivity sensitivity;
    bool matched = false;
};

} // namespace Ks
