#pragma once

#include <QString>

class QDomElement;
class QPointF;
class QXmlStreamWriter;

// Numbers in diagram files. A file may hold anything: coordinates that are not numbers, infinite
// or absurdly large would make the scene unusable, so they are read as the default or bounded.
class DiagramXml
{
public:
    // Beyond this a diagram of a real installation never reaches.
    static constexpr double coordinateLimit = 1.0e6;

    static double readReal(const QDomElement& element, const QString& attribute, double fallback);
    static QString realText(double value);
    // "x" and "y": a position in scene coordinates.
    static void writePosition(QXmlStreamWriter& writer, const QPointF& position);
};
