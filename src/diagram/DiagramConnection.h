#pragma once

#include "ConnectionPoint.h"
#include "DiagramGraphicsItem.h"

#include <QPolygonF>

// A wire between two boxes, or with free ends. It keeps its own route clear of the boxes it
// joins and redraws it whenever an end moves.
class DiagramConnection : public DiagramGraphicsItem
{
    Q_OBJECT

public:
    enum { Type = 0x40000 };
    enum CableType { SingleWire = 1, DcCable = 2, AcCable = 3 };
    enum State { PlacingA = 0, PlacingB = 1, Complete = 2 };

    DiagramConnection(const QString& id, int cableType);

    ConnectionPoint& endA();
    ConnectionPoint& endB();
    int cableType() const;
    int state() const;
    // The end the user is placing: A, then B; none once complete.
    ConnectionPoint* currentEnd();
    // Ends placing the current end and goes on to the next state.
    void advance();

    const QPolygonF& route() const;
    // Half the width the wire's drawing needs on either side of its route.
    static qreal clearance(int cableType);
    static QString typeName(int cableType);
    static int cableTypeFromName(const QString& name);

    // Rebuilds the route after an end moved and tells the scene.
    void endMoved();
    // Frees both ends, takes the wire out of the scene and deletes it from the event loop.
    void deleteConnection();

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    int type() const override;
    QString displayName() const override;
    QString elementName() const override;
    void writeXml(QXmlStreamWriter& writer) const override;
    void readXml(const QDomElement& element) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;

private:
    void updateRoute();
    static void writeEnd(QXmlStreamWriter& writer, const QString& name, const ConnectionPoint& end);
    // False when the file does not say where the end is.
    bool readEnd(const QDomElement& element, ConnectionPoint& end);
    static bool readFreeEnd(const QDomElement& element, ConnectionPoint& end, int side);
    void paintCableMarks(QPainter* painter) const;

    ConnectionPoint pointA;
    ConnectionPoint pointB;
    QPolygonF path;
    QRectF bounds;
    QPointF dragOffset;
    bool dragging = false;
    int cable;
    int wireState = PlacingA;
};
