#pragma once

#include "AbstractReportItem.h"

class QGraphicsRectItem;
class QMenu;

// One sheet of paper. Pages stack vertically in the scene, 50 units apart.
class ReportPage : public AbstractReportItem
{
    Q_OBJECT

public:
    enum { Type = PageType };
    static constexpr double pageGap = 50.0;

    explicit ReportPage(QGraphicsItem* parent = nullptr);

    int type() const override { return Type; }
    QString tagName() const override;
    bool toXml(QDomElement& element, bool valuesOnly, BlobList& blobs) override;
    bool fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs) override;

    int pageNumber() const { return number; }
    QString pageType() const { return isA3 ? QStringLiteral("A3") : QStringLiteral("A4"); }
    static QSizeF pageSize(bool a3);
    QSizeF size() const { return pageSize(isA3); }

    // The menu offered where no item on the page handled the right click.
    QMenu* createContextMenu(const QPointF& position);

    QRectF boundingRect() const override;

protected:
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;

private:
    void placePage();

    QGraphicsRectItem* paper;
    int number = 1;
    bool isA3 = false;
};
