#include "InverterDiagramComponent.h"

#include <QPainter>
#include <QPainterPath>

InverterDiagramComponent::InverterDiagramComponent(const QString& id)
    : DiagramComponent(id, QSizeF(150, 100), Type)
{
}

QString InverterDiagramComponent::displayName() const
{
    return tr("Inverter", "Installation Diagram object name");
}

QString InverterDiagramComponent::elementName() const
{
    return QStringLiteral("inverter");
}

QPointF InverterDiagramComponent::captionOffset() const
{
    return QPointF(15, 30);
}

QSizeF InverterDiagramComponent::captionSize() const
{
    return QSizeF(120, 40);
}

void InverterDiagramComponent::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    paintBox(painter, Qt::white);
    painter->setPen(QPen(Qt::black, 1.5));
    painter->drawLine(QPointF(0, 100), QPointF(150, 0));
    // DC in the upper left: a line over a dashed line.
    painter->drawLine(QPointF(14, 12), QPointF(44, 12));
    for (qreal x = 14; x < 44; x += 9)
        painter->drawLine(QPointF(x, 19), QPointF(x + 5, 19));
    // AC in the lower right: one period of a sine.
    QPainterPath wave(QPointF(106, 86));
    wave.cubicTo(QPointF(111, 74), QPointF(116, 74), QPointF(121, 86));
    wave.cubicTo(QPointF(126, 98), QPointF(131, 98), QPointF(136, 86));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(wave);
}
