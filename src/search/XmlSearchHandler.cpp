#include "XmlSearchHandler.h"

#include "WildcardPattern.h"

#include <QXmlStreamReader>

namespace {
// The document as text with the predefined entities resolved, which is how the text runs read;
// empty when the bytes could read otherwise (another encoding, other references).
QString plainText(const QByteArray& xml)
{
    const int declarationEnd = xml.startsWith("<?xml") ? xml.indexOf("?>") : -1;
    const QByteArray declaration = xml.left(declarationEnd).toLower();
    if (declaration.contains("encoding") && !declaration.contains("utf-8"))
        return QString();
    QString text = QString::fromUtf8(xml);
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
    matched = false;
    if (!mayMatch(xml))
        return false;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::Characters && !characters(reader.text().toString()))
            break;
    }
    return matched;
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
