#include "ReportPage.h"

#include "ReportScene.h"
#include "ReportXml.h"

#include <QGraphicsRectItem>
#include <QGraphicsSceneContextMenuEvent>
#include <QMenu>
#include <QPen>

ReportPage::ReportPage(QGraphicsItem* parent)
    : AbstractReportItem(parent)
    , paper(new QGraphicsRectItem(this))
{
    paper->setPen(Qt::NoPen);
    placePage();
}

QString ReportPage::tagName() const
{
    return QStringLiteral("page");
}

QSizeF ReportPage::pageSize(bool a3)
{
    return a3 ? QSizeF(842.0, 1190.0) : QSizeF(793.0, 1123.0);
}

QRectF ReportPage::boundingRect() const
{
    return QRectF(QPointF(0.0, 0.0), size());
}

void ReportPage::placePage()
{
    prepareGeometryChange();
    paper->setRect(boundingRect());
    paper->setBrush(backgroundColour());
    setPos(0.0, (number - 1) * (size().height() + pageGap));
}

bool ReportPage::fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs)
{
    AbstractReportItem::fromXml(element, valuesOnly, blobs);
    if (!valuesOnly) {
        isA3 = element.attribute(QStringLiteral("pageType")) == QLatin1String("A3");
        ReportXml::readInt(element, QStringLiteral("pageNumber"), number);
    }
    placePage();
    return true;
}

bool ReportPage::toXml(QDomElement& element, bool valuesOnly, BlobList& blobs)
{
    if (valuesOnly && id().isEmpty())
        return false;
    AbstractReportItem::toXml(element, valuesOnly, blobs);
    element.removeAttribute(QStringLiteral("x"));
    element.removeAttribute(QStringLiteral("y"));
    element.setAttribute(QStringLiteral("pageType"), pageType());
    element.setAttribute(QStringLiteral("pageNumber"), number);
    return true;
}

QMenu* ReportPage::createContextMenu(const QPointF& position)
{
    auto* menu = new QMenu;
    ReportScene* scene = reportScene();
    QAction* addImage = menu->addAction(tr("Add Image", "Menu option"));
    addImage->setEnabled(scene != nullptr);
    if (scene)
        connect(addImage, &QAction::triggered, scene, [scene, this, position] { scene->addImage(this, position); });
    return menu;
}

void ReportPage::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    QMenu* menu = createContextMenu(event->pos());
    menu->exec(event->screenPos());
    delete menu;
    event->accept();
}
