#include "ReportCheckBox.h"

#include "ReportCheckBoxCommand.h"
#include "ReportScene.h"
#include "ReportXml.h"

#include <QCoreApplication>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSvgItem>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>

using namespace ReportXml;

namespace {
const QString checkedElement = QStringLiteral("checked");
const QString uncheckedElement = QStringLiteral("unchecked");
} // namespace

ReportCheckBox::ReportCheckBox(QGraphicsItem* parent)
    : ReportText(parent)
    , boxItem(new QGraphicsSvgItem(this))
{
    setFlag(ItemIsFocusable, true);
    boxItem->setCacheMode(NoCache);
    boxItem->setPos(-15.0, 2.0);
    QSvgRenderer* renderer = sharedRenderer();
    drawingAvailable = renderer->isValid() && renderer->elementExists(checkedElement)
        && renderer->elementExists(uncheckedElement);
    if (drawingAvailable)
        boxItem->setSharedRenderer(renderer);
    boxItem->setVisible(drawingAvailable);
    boxItem->setElementId(uncheckedElement);
}

// One renderer per drawing for all check boxes of all reports.
QSvgRenderer* ReportCheckBox::sharedRenderer()
{
    static QHash<QString, QSvgRenderer*> renderers;
    const QString path = ReportScene::checkBoxDrawingPath();
    QSvgRenderer*& renderer = renderers[path];
    if (!renderer)
        renderer = new QSvgRenderer(path, QCoreApplication::instance());
    return renderer;
}

QString ReportCheckBox::tagName() const
{
    return QStringLiteral("checkBox");
}

bool ReportCheckBox::isNavigable() const
{
    return true;
}

QString ReportCheckBox::boxElement() const
{
    return checked ? checkedElement : uncheckedElement;
}

void ReportCheckBox::setChecked(bool on)
{
    checked = on;
    boxItem->setElementId(boxElement());
    update();
    emit modified(true);
}

void ReportCheckBox::toggle()
{
    setChecked(!checked);
    emit newCommand(new ReportCheckBoxCommand(this, checked));
}

bool ReportCheckBox::fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs)
{
    if (!valuesOnly) {
        if (!ReportText::fromXml(element, false, blobs))
            return false;
        readDouble(element, QStringLiteral("boxScale"), boxScale);
        boxItem->setScale(boxScale);
        QPointF position = boxItem->pos();
        double x = position.x();
        double y = position.y();
        readDouble(element, QStringLiteral("boxPosX"), x);
        readDouble(element, QStringLiteral("boxPosY"), y);
        prepareGeometryChange();
        boxItem->setPos(x, y);
    }
    if (element.hasAttribute(QStringLiteral("id")))
        itemId = element.attribute(QStringLiteral("id"));
    checked = element.attribute(QStringLiteral("checked")) == QLatin1String("true");
    boxItem->setElementId(boxElement());
    update();
    return true;
}

bool ReportCheckBox::toXml(QDomElement& element, bool valuesOnly, BlobList& blobs)
{
    if (!ReportText::toXml(element, valuesOnly, blobs))
        return false;
    if (!valuesOnly) {
        if (!qFuzzyCompare(boxScale, 1.0))
            writeDouble(element, QStringLiteral("boxScale"), boxScale);
        writeDouble(element, QStringLiteral("boxPosX"), boxItem->pos().x());
        writeDouble(element, QStringLiteral("boxPosY"), boxItem->pos().y());
    }
    element.setAttribute(QStringLiteral("checked"), checked ? QStringLiteral("true") : QStringLiteral("false"));
    return true;
}

QRectF ReportCheckBox::boxRect() const
{
    // Without the drawing a plain box of the drawing's usual size stands in for it.
    const QSizeF size = drawingAvailable ? boxItem->boundingRect().size() : QSizeF(10.0, 10.0);
    return QRectF(boxItem->pos(), size * boxScale);
}

QRectF ReportCheckBox::boundingRect() const
{
    return ReportText::boundingRect().united(boxRect()).adjusted(-1.0, -1.0, 1.0, 1.0);
}

void ReportCheckBox::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    ReportText::paint(painter, option, widget);
    painter->save();
    const QRectF box = boxRect();
    if (!drawingAvailable) {
        painter->setPen(QPen(Qt::black, 0.8));
        painter->setBrush(Qt::white);
        painter->drawRect(box);
        if (checked) {
            painter->drawLine(box.topLeft() + QPointF(2, 2), box.bottomRight() - QPointF(2, 2));
            painter->drawLine(box.topRight() + QPointF(-2, 2), box.bottomLeft() + QPointF(2, -2));
        }
    }
    if (hasFocus) {
        painter->setPen(QPen(Qt::black, 0, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(box.adjusted(-1.0, -1.0, 1.0, 1.0));
    }
    painter->restore();
}

void ReportCheckBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() >= 32 && event->key() <= 90) {
        toggle();
        event->accept();
        return;
    }
    ReportText::keyPressEvent(event);
}

void ReportCheckBox::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        toggle();
        event->accept();
        return;
    }
    ReportText::mousePressEvent(event);
}

void ReportCheckBox::focusInEvent(QFocusEvent*)
{
    hasFocus = true;
    update();
}

void ReportCheckBox::focusOutEvent(QFocusEvent*)
{
    hasFocus = false;
    update();
}
