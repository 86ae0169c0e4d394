#include "ReportXml.h"

#include <QLocale>

namespace ReportXml {

bool readDouble(const QDomElement& element, const QString& name, double& value)
{
    bool ok = false;
    const double read = element.attribute(name).trimmed().toDouble(&ok);
    if (ok && qIsFinite(read))
        value = read;
    return ok;
}

bool readInt(const QDomElement& element, const QString& name, int& value)
{
    // Numbers such as "75.0" are accepted and truncated, as the stored files contain both forms.
    double read = 0.0;
    if (!readDouble(element, name, read) || read < double(INT_MIN) || read > double(INT_MAX))
        return false;
    value = int(read);
    return true;
}

bool readColour(const QDomElement& element, const QString& name, QColor& value)
{
    const QColor read(element.attribute(name).trimmed());
    if (read.isValid())
        value = read;
    return read.isValid();
}

QString formatDouble(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

void writeDouble(QDomElement& element, const QString& name, double value)
{
    element.setAttribute(name, formatDouble(value));
}

QString formatColour(const QColor& colour)
{
    return colour.name(QColor::HexRgb);
}

// The readers drop text made of blanks and line breaks only; a CDATA section keeps it.
void appendText(QDomElement& element, const QString& text)
{
    QDomDocument document = element.ownerDocument();
    if (text.trimmed().isEmpty())
        element.appendChild(document.createCDATASection(text));
    else
        element.appendChild(document.createTextNode(text));
}
} // namespace ReportXml
