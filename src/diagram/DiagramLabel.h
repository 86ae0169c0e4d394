#pragma once

#include <QGraphicsTextItem>

class DiagramComponent;

// The caption beside a box, or the text of a note. It is a top-level item of its own, so that
// the user can move it away from the box; it follows the box when the box moves.
class DiagramLabel : public QGraphicsTextItem
{
    Q_OBJECT

public:
    // A size of (-1, -1) keeps the text's natural size.
    DiagramLabel(DiagramComponent* owner, const QString& text, const QSizeF& size = QSizeF(-1, -1));

    DiagramComponent* owner() const;
    void setOwner(DiagramComponent* owner);
    QString labelText() const;
    void setLabelText(const QString& text);
    void setLabelSize(const QSizeF& size);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void modified();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;

private:
    void askForText();
    void removeFromOwner();

    DiagramComponent* component;
    qreal minimumHeight = 0;
    // Kept as typed: the rich text shown collapses blanks and would lose them on saving.
    QString text;
};
