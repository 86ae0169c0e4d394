#pragma once

#include "DiagramGraphicsItem.h"

#include <QList>
#include <QPointer>

class ConnectionPoint;
class DiagramLabel;
class QAction;

// A box of the diagram: a piece of equipment, or a note. Wire ends attach to its sides and
// follow it when it moves; so does its caption.
class DiagramComponent : public DiagramGraphicsItem
{
    Q_OBJECT

public:
    enum { Type = 0x20000 };

    // `kindType` is the item type number of the kind.
    DiagramComponent(const QString& id, const QSizeF& boxSize, int kindType);
    ~DiagramComponent() override;

    // A new box at `position`; its kind decides where the caption goes. No caption for empty text.
    void place(const QPointF& position, const QString& captionText);

    DiagramLabel* caption() const;
    // Removes and deletes the caption (the box stays).
    virtual void deleteCaption();
    const QList<ConnectionPoint*>& connectionPoints() const;

    QRectF boundingRect() const override;
    int type() const override;
    void writeXml(QXmlStreamWriter& writer) const override;
    void readXml(const QDomElement& element) override;

    // Answers the side the wire end at `point` (scene coordinates) attaches to, 0 to refuse it;
    // may move `point` onto that side.
    virtual int anchorConnection(int cableType, QPointF& point, int wireState);
    virtual void addConnectionPoint(ConnectionPoint* point);
    virtual void removeConnectionPoint(ConnectionPoint* point);
    virtual void handleMenuAction(QAction* action);
    // Called when the caption was made or its text changed: a caption beside the box that grew
    // over it moves aside.
    virtual void captionResized();

    // Frees every wire end attached here, takes the box and its caption out of the scene and
    // deletes them once control is back in the event loop.
    void deleteComponent();

    // The attach rule of every kind but the PV panel.
    static int anchorToNearestSide(const QRectF& box, QPointF& point);

protected:
    // Where a new caption goes relative to the box position, and its size ((-1, -1): natural).
    virtual QPointF captionOffset() const;
    virtual QSizeF captionSize() const;
    virtual bool hasCaption() const;

    void setBoxSize(const QSizeF& size);
    // The outline every box shares: black, 2 wide, over `fill`.
    void paintBox(QPainter* painter, const QColor& fill) const;

    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;

private:
    void createCaption(const QString& text, const QPointF& position, const QSizeF& size);
    void followPosition();
    void keepCaptionBesideBox();
    void detachConnectionPoints();
    // Leaves the wire ends as they are, the box only gone from them: for a diagram being closed.
    void forgetConnectionPoints();
    QAction* deleteAction();

    QAction* deleteMenuAction = nullptr;
    QList<QAction*> extraMenuActions;
    QPointer<DiagramLabel> label;
    QRectF box;
    QList<ConnectionPoint*> points;
    QPointF lastPosition;
    int kindType;
};
