#include "AcIsolatorDiagramComponent.h"

#include "DiagramPalette.h"

#include <QPainter>

AcIsolatorDiagramComponent::AcIsolatorDiagramComponent(const QString& id)
    : DiagramComponent(id, QSizeF(55, 55), Type)
{
}

QString AcIsolatorDiagramComponent::displayName() const
{
    return tr("AC Isolator", "Installation Diagram object name");
}

QString AcIsolatorDiagramComponent::elementName() const
{
    return QStringLiteral("ac_isolator");
}

QPointF AcIsolatorDiagramComponent::captionOffset() const
{
    return QPointF(-95, 0);
}

void AcIsolatorDiagramComponent::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    paintBox(painter, Qt::white);
    painter->setPen(QPen(DiagramPalette::ink, 1));
    painter->setBrush(DiagramPalette::amber);
    painter->drawRoundedRect(QRectF(7, 7, 41, 41), 4, 4);
    painter->setBrush(DiagramPalette::red);
    painter->drawEllipse(QRectF(15, 15, 25, 25));
    // The handle across the knob, turned to "off".
    painter->save();
    painter->translate(27.5, 27.5);
    painter->rotate(-45);
    painter->setBrush(DiagramPalette::darkRed);
    painter->drawRoundedRect(QRectF(-14, -3.5, 28, 7), 3, 3);
    painter->restore();
}
