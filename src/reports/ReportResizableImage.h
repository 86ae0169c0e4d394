#pragma once

#include "ReportResizableItem.h"

class QMenu;

// A picture the user inserted; its bytes travel in the report's blob list. Resizing keeps the
// aspect ratio.
class ReportResizableImage : public ReportResizableItem
{
    Q_OBJECT

public:
    enum { Type = ImageType };

    explicit ReportResizableImage(QGraphicsItem* parent = nullptr);

    int type() const override { return Type; }
    QString tagName() const override;
    bool toXml(QDomElement& element, bool valuesOnly, BlobList& blobs) override;
    bool fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs) override;

    QRectF rect() const override;
    void setSize(const QSizeF& size, int edges) override;
    // Scales the picture to the largest size within `frame` that keeps its aspect ratio; without
    // `enlarge` a picture that already fits keeps its size.
    void fitInto(const QSizeF& frame, bool enlarge);

    // Builds the shown picture from a file suffix ("svg" or an image format) and the file's bytes.
    // A picture too large to decode safely is refused like one that cannot be read.
    bool setPicture(const QString& key, const QByteArray& data);
    // Pixels the decoded picture would have, from its header alone: 0 for a drawing, -1 when the
    // header does not tell.
    static qint64 pixelCount(const QString& key, const QByteArray& data);
    static bool isTooLarge(const QString& key, const QByteArray& data);
    bool hasPicture() const { return picture != nullptr; }
    QString key() const { return blobName; }
    QByteArray data() const { return pictureData; }
    double pictureScale() const { return currentScale; }
    QSizeF naturalSize() const;

    QMenu* createContextMenu();

protected:
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;

private:
    QGraphicsItem* picture = nullptr;
    QString blobName;
    QByteArray pictureData;
    double currentScale = 1.0;
};
