#include "GenerationMeterDiagramComponent.h"

#include "DiagramPalette.h"

#include <QPainter>

namespace {
constexpr int digits = 6;
constexpr qreal digitWidth = 12;
const QRectF registerWindow(24, 9, digits * digitWidth, 20);
} // namespace

GenerationMeterDiagramComponent::GenerationMeterDiagramComponent(const QString& id)
    : DiagramComponent(id, QSizeF(120, 60), Type)
{
}

QString GenerationMeterDiagramComponent::displayName() const
{
    return tr("Generation Meter", "Installation Diagram object name");
}

QString GenerationMeterDiagramComponent::elementName() const
{
    return QStringLiteral("generation_meter");
}

QPointF GenerationMeterDiagramComponent::captionOffset() const
{
    return QPointF(-135, 0);
}

void GenerationMeterDiagramComponent::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    paintBox(painter, Qt::white);
    painter->setPen(QPen(DiagramPalette::ink, 1));
    painter->setBrush(DiagramPalette::darkGrey);
    painter->drawRect(registerWindow);
    painter->setPen(QPen(DiagramPalette::cellLines, 1));
    for (int i = 1; i < digits; ++i) {
        const qreal x = registerWindow.left() + i * digitWidth;
        painter->drawLine(QPointF(x, registerWindow.top() + 3), QPointF(x, registerWindow.bottom() - 3));
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(Qt::black);
    painter->drawText(QRectF(0, 32, 120, 24), Qt::AlignCenter, QStringLiteral("kWh"));
}
