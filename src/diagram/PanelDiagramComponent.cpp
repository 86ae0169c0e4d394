#include "PanelDiagramComponent.h"

#include "ConnectionPoint.h"
#include "DiagramConnection.h"
#include "DiagramPalette.h"

#include <QPainter>

namespace {
constexpr int cellColumns = 2;
constexpr int cellRows = 3;
const QRectF cellArea(3, 3, 24, 34);
} // namespace

PanelDiagramComponent::PanelDiagramComponent(const QString& id)
    : DiagramComponent(id, QSizeF(30, 40), Type)
{
}

QString PanelDiagramComponent::displayName() const
{
    return tr("PV Panel", "Installation Diagram object name");
}

QString PanelDiagramComponent::elementName() const
{
    return QStringLiteral("panel");
}

bool PanelDiagramComponent::hasCaption() const
{
    return false;
}

int PanelDiagramComponent::anchorConnection(int cableType, QPointF& point, int)
{
    if (cableType != DiagramConnection::SingleWire)
        return 0;
    const QRectF box = sceneBoundingRect();
    const int side = anchorToNearestSide(box, point);
    if (side == 0)
        return 0;
    switch (side) {
    case ConnectionPoint::Top: point = QPointF(box.center().x(), box.top()); break;
    case ConnectionPoint::Bottom: point = QPointF(box.center().x(), box.bottom()); break;
    case ConnectionPoint::Right: point = QPointF(box.right(), box.center().y()); break;
    default: point = QPointF(box.left(), box.center().y()); break;
    }
    return side;
}

void PanelDiagramComponent::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    paintBox(painter, DiagramPalette::darkGrey);
    painter->setPen(Qt::NoPen);
    painter->setBrush(DiagramPalette::moduleBlue);
    painter->drawRect(cellArea);
    painter->setPen(QPen(DiagramPalette::cellLines, 1));
    const qreal cellWidth = cellArea.width() / cellColumns;
    const qreal cellHeight = cellArea.height() / cellRows;
    for (int column = 1; column < cellColumns; ++column)
        painter->drawLine(QPointF(cellArea.left() + column * cellWidth, cellArea.top()),
                          QPointF(cellArea.left() + column * cellWidth, cellArea.bottom()));
    for (int row = 1; row < cellRows; ++row)
        painter->drawLine(QPointF(cellArea.left(), cellArea.top() + row * cellHeight),
                          QPointF(cellArea.right(), cellArea.top() + row * cellHeight));
}
