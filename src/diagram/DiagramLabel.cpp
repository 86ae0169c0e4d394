#include "DiagramLabel.h"

#include "DiagramComponent.h"
#include "DialogComponentSettings.h"

#include <QGraphicsSceneContextMenuEvent>
#include <QMenu>
#include <QPainter>

DiagramLabel::DiagramLabel(DiagramComponent* owner, const QString& text, const QSizeF& size)
    : component(owner)
{
    setFlags(ItemIsMovable | ItemSendsGeometryChanges);
    setLabelSize(size);
    setLabelText(text);
}

DiagramComponent* DiagramLabel::owner() const
{
    return component;
}

void DiagramLabel::setOwner(DiagramComponent* owner)
{
    component = owner;
}

QString DiagramLabel::labelText() const
{
    return text;
}

void DiagramLabel::setLabelText(const QString& newText)
{
    text = newText;
    // Escaped, so that a note such as "I < 10 A" shows and saves as typed.
    QString shown = newText.toHtmlEscaped();
    shown.replace(QLatin1Char('\n'), QLatin1String("<br />"));
    setHtml(QStringLiteral("<center>%1</center>").arg(shown));
}

void DiagramLabel::setLabelSize(const QSizeF& size)
{
    prepareGeometryChange();
    if (size.width() < 0 && size.height() < 0) {
        setTextWidth(-1);
        minimumHeight = 0;
        return;
    }
    setTextWidth(size.width());
    minimumHeight = size.height();
}

QRectF DiagramLabel::boundingRect() const
{
    QRectF bounds = QGraphicsTextItem::boundingRect();
    bounds.setHeight(qMax(bounds.height(), minimumHeight));
    return bounds;
}

void DiagramLabel::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    painter->setPen(QPen(Qt::black, 1));
    painter->setBrush(Qt::white);
    // Inside the bounding box, so that neither the screen nor the page clips half the frame.
    painter->drawRect(boundingRect().adjusted(0.5, 0.5, -0.5, -0.5));
    QGraphicsTextItem::paint(painter, option, widget);
}

QVariant DiagramLabel::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemPositionHasChanged)
        emit modified();
    return QGraphicsTextItem::itemChange(change, value);
}

void DiagramLabel::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    QMenu menu;
    QAction* setText = menu.addAction(tr("Set Label Text", "Drop down menu option"));
    menu.addSeparator();
    QAction* remove = menu.addAction(tr("Delete Label", "Drop down menu option"));
    QAction* chosen = menu.exec(event->screenPos());
    event->accept();
    if (chosen == setText)
        askForText();
    else if (chosen == remove)
        removeFromOwner();
}

void DiagramLabel::askForText()
{
    const QString answer = DialogComponentSettings::askText(text);
    // An empty answer is a cancelled dialog: the caption keeps its text.
    if (answer.isEmpty() || answer == text)
        return;
    prepareGeometryChange();
    setLabelText(answer);
    if (component)
        component->captionResized();
    emit modified();
}

void DiagramLabel::removeFromOwner()
{
    if (component)
        component->deleteCaption();
    else
        deleteLater();
}
