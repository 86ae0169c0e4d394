#include "ReportResizableImage.h"

#include "ReportContainer.h"
#include "ReportLimits.h"
#include "ReportScene.h"
#include "ReportXml.h"

#include <QBuffer>
#include <QGraphicsPixmapItem>
#include <QImageReader>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSvgItem>
#include <QMenu>
#include <QSvgRenderer>

using namespace ReportXml;

ReportResizableImage::ReportResizableImage(QGraphicsItem* parent)
    : ReportResizableItem(parent)
{
    setFlag(ItemIsFocusable, true);
}

QString ReportResizableImage::tagName() const
{
    return QStringLiteral("image");
}

bool ReportResizableImage::setPicture(const QString& key, const QByteArray& data)
{
    QGraphicsItem* shown = nullptr;
    if (key.compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        auto* svg = new QGraphicsSvgItem;
        auto* renderer = new QSvgRenderer(data, svg);
        if (!renderer->isValid()) {
            delete svg;
            return false;
        }
        svg->setSharedRenderer(renderer);
        svg->setCacheMode(NoCache);
        shown = svg;
    } else {
        QPixmap pixmap;
        if (isTooLarge(key, data) || !pixmap.loadFromData(data))
            return false;
        auto* pixmapItem = new QGraphicsPixmapItem(pixmap);
        pixmapItem->setTransformationMode(Qt::SmoothTransformation);
        shown = pixmapItem;
    }
    prepareGeometryChange();
    delete picture;
    picture = shown;
    picture->setParentItem(this);
    picture->setScale(currentScale);
    blobName = key;
    pictureData = data;
    updateSelectionFrame();
    return true;
}

qint64 ReportResizableImage::pixelCount(const QString& key, const QByteArray& data)
{
    if (key.compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        return 0;
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    const QSize size = QImageReader(&buffer).size();
    return size.isValid() ? qint64(size.width()) * size.height() : -1;
}

// A picture whose header gives no size cannot be weighed before it is decoded.
bool ReportResizableImage::isTooLarge(const QString& key, const QByteArray& data)
{
    const qint64 pixels = pixelCount(key, data);
    return pixels < 0 || pixels > ReportLimits::maximumPicturePixels;
}

QSizeF ReportResizableImage::naturalSize() const
{
    return picture ? picture->boundingRect().size() : QSizeF();
}

QRectF ReportResizableImage::rect() const
{
    return QRectF(QPointF(0.0, 0.0), naturalSize() * currentScale);
}

void ReportResizableImage::setSize(const QSizeF& size, int edges)
{
    const QSizeF natural = naturalSize();
    if (natural.width() <= 0.0 || natural.height() <= 0.0)
        return;
    prepareGeometryChange();
    currentScale = (edges & VerticalMiddle) ? size.width() / natural.width() : size.height() / natural.height();
    picture->setScale(currentScale);
}

void ReportResizableImage::fitInto(const QSizeF& frame, bool enlarge)
{
    const QSizeF natural = naturalSize();
    if (natural.isEmpty() || frame.isEmpty())
        return;
    double factor = qMin(frame.width() / natural.width(), frame.height() / natural.height());
    if (!enlarge)
        factor = qMin(factor, 1.0);
    setSize(natural * factor, RightEdge | BottomEdge);
}

bool ReportResizableImage::fromXml(const QDomElement& element, bool, const BlobList& blobs)
{
    // Pictures carry no id and are always read in full, whatever the mode.
    ReportResizableItem::fromXml(element, false, blobs);
    int index = -1;
    if (!readInt(element, QStringLiteral("index"), index) || index < 0 || index >= blobs.size())
        return false;
    if (!setPicture(blobs.at(index).name, blobs.at(index).data))
        return false;
    // The stored `scale` is informative only: the shown scale follows from the height.
    setResizable(element.attribute(QStringLiteral("resizable")) == QLatin1String("1"));
    double width = -1.0;
    double height = -1.0;
    readDouble(element, QStringLiteral("width"), width);
    readDouble(element, QStringLiteral("height"), height);
    if (width > 0.0 && height > 0.0)
        setSize(QSizeF(width, height), RightEdge | BottomEdge);
    updateSelectionFrame();
    return true;
}

// A hidden picture is one whose addition was undone or whose deletion was not: it is no longer
// part of the report and must not come back when the file is opened again.
bool ReportResizableImage::toXml(QDomElement& element, bool, BlobList& blobs)
{
    if (!picture || !isVisible())
        return false;
    ReportResizableItem::toXml(element, false, blobs);
    element.setAttribute(QStringLiteral("index"), ReportContainer::append(blobs, blobName, pictureData));
    writeDouble(element, QStringLiteral("scale"), currentScale);
    writeResizableAttributes(element, rect().size());
    return true;
}

QMenu* ReportResizableImage::createContextMenu()
{
    auto* menu = new QMenu;
    ReportScene* scene = reportScene();
    QAction* remove = menu->addAction(tr("Delete Image", "Menu option"));
    remove->setEnabled(scene != nullptr);
    if (scene)
        connect(remove, &QAction::triggered, scene, [scene, this] { scene->deletePicture(this); });
    return menu;
}

void ReportResizableImage::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    QMenu* menu = createContextMenu();
    menu->exec(event->screenPos());
    delete menu;
    event->accept();
}
