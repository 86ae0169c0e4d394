#include "XmlSearchHandler.h"

#include "WildcardPattern.h"

#include <QXmlStreamReader>

namespace Ks {

XmlSearchHandler::XmlSearchHandler(const QString& pattern, Qt::CaseSensitivity sensitivity)
    : expression(WildcardPattern::expression(pattern, sensitivity))
{
}

void XmlSearchHandler::parse(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::Characters && !characters(reader.text().toString()))
            return;
    }
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
