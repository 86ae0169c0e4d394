#include "DiagramXmlGuard.h"

#include "XmlNesting.h"

#include <QXmlStreamReader>

namespace {
bool isWireEnd(const QString& tag)
{
    return tag == QLatin1String("connectionA") || tag == QLatin1String("connectionB");
}
} // namespace

bool DiagramXmlGuard::check(const QByteArray& xml)
{
    refusal.clear();
    line = 0;
    items = 0;
    wiresPerBox.clear();
    QXmlStreamReader reader(xml);
    int depth = 0;
    while (!reader.atEnd() && !reader.hasError()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        line = reader.lineNumber();
        if (token == QXmlStreamReader::DTD)
            return refuse(tr("it declares a document type, which diagrams never do"));
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > maximumDepth)
                return refuse(tr("its elements are nested more than %1 levels deep").arg(maximumDepth));
            if (!checkElement(depth, reader.name().toString(), reader.attributes()))
                return false;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::Characters && reader.text().size() > maximumTextLength) {
            return refuse(tr("a text is longer than %1 characters").arg(maximumTextLength));
        }
    }
    if (reader.hasError() && XmlNesting::roughDepth(xml) > maximumDepth)
        return refuse(tr("its elements are nested more than %1 levels deep").arg(maximumDepth));
    return true;
}

bool DiagramXmlGuard::checkElement(int depth, const QString& tag, const QXmlStreamAttributes& attributes)
{
    if (depth == 2 && ++items > maximumItems)
        return refuse(tr("it holds more than %1 boxes and wires").arg(maximumItems));
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.value().size() > maximumTextLength)
            return refuse(tr("the text of %1 is longer than %2 characters")
                              .arg(attribute.name().toString())
                              .arg(maximumTextLength));
    }
    if (!isWireEnd(tag))
        return true;
    const QString box = attributes.value(QStringLiteral("connectedItemId")).toString();
    if (!box.isEmpty() && ++wiresPerBox[box] > maximumWiresPerBox)
        return refuse(tr("more than %1 wires end at one box").arg(maximumWiresPerBox));
    return true;
}

bool DiagramXmlGuard::refuse(const QString& why)
{
    const QString sentence = why + QLatin1Char('.');
    refusal = line > 0 ? tr("Line %1: %2").arg(line).arg(sentence) : sentence;
    return false;
}
