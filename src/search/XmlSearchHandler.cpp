#include "XmlSearchHandler.h"

#include "WildcardPattern.h"

#include <QTextCodec>
#include <QXmlStreamReader>

namespace {
// UTF-16 without a byte order mark shows itself by the zero byte beside the opening "<".
QTextCodec* utf16Codec(const QByteArray& xml)
{
    if (xml.startsWith(QByteArray("<\0", 2)))
        return QTextCodec::codecForName("UTF-16LE");
    if (xml.startsWith(QByteArray("\0<", 2)))
        return QTextCodec::codecForName("UTF-16BE");
    return nullptr;
}

QByteArray declaredEncoding(const QByteArray& xml)
{
    static const QRegularExpression encoding(QStringLiteral("^<\\?xml[^>]*encoding\\s*=\\s*[\"']([^\"']+)[\"']"));
    return encoding.match(QString::fromLatin1(xml.left(200))).captured(1).toLatin1();
}

// The document decoded as the reader decodes it: by its byte order mark, its zero bytes or
// its declaration; null when the encoding is unknown here.
QString decoded(const QByteArray& xml)
{
    if (QTextCodec* codec = QTextCodec::codecForUtfText(xml, utf16Codec(xml)))
        return codec->toUnicode(xml);
    const QByteArray encoding = declaredEncoding(xml);
    if (encoding.isEmpty())
        return QString::fromUtf8(xml.constData(), xml.size());
    QTextCodec* codec = QTextCodec::codecForName(encoding);
    return codec ? codec->toUnicode(xml) : QString();
}

// The document as text with the predefined entities resolved, which is how the text runs read;
// empty when the bytes could read otherwise (an unknown encoding, other references).
QString plainText(const QByteArray& xml)
{
    QString text = decoded(xml);
    if (!text.contains(QLatin1Char('&')))
        return text;
    text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"));
    const int ampersands = text.count(QLatin1Char('&'));
    if (text.count(QLatin1String("&amp;")) != ampersands)
        return QString();
    return text.replace(QLatin1String("&amp;"), QLatin1String("&"));
}
} // namespace

namespace Ks {

XmlSearchHandler::XmlSearchHandler(const QString& pattern, Qt::CaseSensitivity caseSensitivity)
    : expression(WildcardPattern::expression(pattern, caseSensitivity))
    , requiredText(WildcardPattern::longestFixedPart(pattern))
    , sensitivity(caseSensitivity)
{
}

bool XmlSearchHandler::parse(const QByteArray& xml)
{
    begin();
    if (!mayMatch(xml))
        return false;
    QXmlStreamReader reader(xml);
    read(reader);
    return matched;
}

void XmlSearchHandler::begin()
{
    matched = false;
}

bool XmlSearchHandler::read(QXmlStreamReader& reader)
{
    for (;;) {
        switch (reader.readNext()) {
        case QXmlStreamReader::Characters:
            if (!characters(reader.text().toString()))
                return false;
            break;
        case QXmlStreamReader::EndDocument:
            return false;
        case QXmlStreamReader::Invalid:
            return reader.error() == QXmlStreamReader::PrematureEndOfDocumentError;
        default:
            break;
        }
    }
}

bool XmlSearchHandler::mayMatch(const QByteArray& xml) const
{
    // Line ends inside text runs are normalised by the reader.
    if (requiredText.isEmpty() || requiredText.contains(QLatin1Char('\r')))
        return true;
    const QString text = plainText(xml);
    return text.isEmpty() || text.contains(requiredText, sensitivity);
}

bool XmlSearchHandler::characters(const QString& text)
{
    if (expression.match(text).hasMatch())
        matched = true;
    return !matched;
}

bool XmlSearchHandler::found() const
{
    return matched;
}

} // namespace Ks
