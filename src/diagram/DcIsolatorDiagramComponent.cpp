#include "DcIsolatorDiagramComponent.h"

#include "DiagramPalette.h"

#include <QPainter>

DcIsolatorDiagramComponent::DcIsolatorDiagramComponent(const QString& id)
    : DiagramComponent(id, QSizeF(40, 40), Type)
{
}

QString DcIsolatorDiagramComponent::displayName() const
{
    return tr("DC Isolator", "Installation Diagram object name");
}

QString DcIsolatorDiagramComponent::elementName() const
{
    return QStringLiteral("dc_isolator");
}

QPointF DcIsolatorDiagramComponent::captionOffset() const
{
    return QPointF(-95, 0);
}

void DcIsolatorDiagramComponent::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    paintBox(painter, DiagramPalette::grey);
    painter->setPen(QPen(DiagramPalette::ink, 1));
    painter->setBrush(DiagramPalette::darkGrey);
    painter->drawEllipse(QRectF(10, 10, 20, 20));
    painter->save();
    painter->translate(20, 20);
    painter->rotate(-45);
    painter->setBrush(Qt::white);
    painter->drawRoundedRect(QRectF(-11, -2.5, 22, 5), 2, 2);
    painter->restore();
    // The DC sign, a line over a dashed line, in the free corner.
    painter->setPen(QPen(Qt::black, 1));
    painter->drawLine(QPointF(29, 34), QPointF(37, 34));
    painter->drawLine(QPointF(29, 37), QPointF(31, 37));
    painter->drawLine(QPointF(32, 37), QPointF(34, 37));
    painter->drawLine(QPointF(35, 37), QPointF(37, 37));
}
