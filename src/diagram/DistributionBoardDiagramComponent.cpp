#include "DistributionBoardDiagramComponent.h"

#include "DiagramPalette.h"

#include <QPainter>

namespace {
constexpr int breakers = 6;
constexpr qreal breakerWidth = 14;
constexpr qreal breakerGap = 6;
constexpr qreal firstBreakerX = 13;
} // namespace

DistributionBoardDiagramComponent::DistributionBoardDiagramComponent(const QString& id)
    : DiagramComponent(id, QSizeF(140, 80), Type)
{
}

QString DistributionBoardDiagramComponent::displayName() const
{
    return tr("Distribution Board", "Installation Diagram object name");
}

QString DistributionBoardDiagramComponent::elementName() const
{
    return QStringLiteral("distribution_board");
}

QPointF DistributionBoardDiagramComponent::captionOffset() const
{
    return QPointF(-135, 0);
}

void DistributionBoardDiagramComponent::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    paintBox(painter, DiagramPalette::grey);
    // Busbar across the top, one feed down to each breaker.
    painter->setPen(QPen(DiagramPalette::copper, 3));
    painter->drawLine(QPointF(firstBreakerX, 14), QPointF(140 - firstBreakerX, 14));
    for (int i = 0; i < breakers; ++i) {
        const qreal x = firstBreakerX + i * (breakerWidth + breakerGap);
        painter->setPen(QPen(DiagramPalette::copper, 2));
        painter->drawLine(QPointF(x + breakerWidth / 2, 14), QPointF(x + breakerWidth / 2, 26));
        painter->setPen(QPen(DiagramPalette::ink, 1));
        painter->setBrush(Qt::white);
        painter->drawRect(QRectF(x, 26, breakerWidth, 32));
        painter->setBrush(DiagramPalette::ink);
        painter->drawRect(QRectF(x + 4, 34, breakerWidth - 8, 9));
    }
    // The DIN rail the breakers sit on.
    painter->setPen(QPen(DiagramPalette::darkGrey, 2));
    painter->drawLine(QPointF(8, 66), QPointF(132, 66));
}
