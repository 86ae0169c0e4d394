#pragma once

#include <QColor>
#include <QDomElement>
#include <QString>

// Attribute readers that leave the target untouched when an attribute is missing or malformed,
// so a damaged file keeps the item's defaults instead of turning them into zeros.
namespace ReportXml {
bool readDouble(const QDomElement& element, const QString& name, double& value);
bool readInt(const QDomElement& element, const QString& name, int& value);
bool readColour(const QDomElement& element, const QString& name, QColor& value);
// Shortest text that reads back as the same double.
QString formatDouble(double value);
void writeDouble(QDomElement& element, const QString& name, double value);
QString formatColour(const QColor& colour);
// Appends `text` as the element's content in a form the readers give back unchanged.
void appendText(QDomElement& element, const QString& text);
} // namespace ReportXml
