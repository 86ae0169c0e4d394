#include "ReportScene.h"

#include "AddDeleteCommand.h"
#include "PictureChooser.h"
#include "PictureDrop.h"
#include "ReportCheckBox.h"
#include "ReportPage.h"
#include "ReportPrinter.h"
#include "ReportResizableImage.h"
#include "ReportSvg.h"
#include "ReportTable.h"
#include "ReportTableCell.h"

#include "Globals.h"
#include "WaitCursor.h"

#include <QGraphicsSceneDragDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QUndoStack>

namespace {
// Printers leave about 5 mm of the paper's edge blank.
constexpr double pageMargin = 20.0;

double& dpiSetting()
{
    static double dpi = 0.0;
    return dpi;
}
} // namespace

ReportScene::ReportScene(QUndoStack* stack, QObject* parent)
    : QGraphicsScene(parent)
    , stack(stack)
{
    setBackgroundBrush(Qt::gray);
}

QString ReportScene::checkBoxDrawingPath()
{
    return Globals::reportResource(QStringLiteral("images/checkBox.svg"));
}

void ReportScene::setScreenDpiY(double dpi)
{
    dpiSetting() = dpi;
}

double ReportScene::screenDpiY()
{
    if (dpiSetting() > 0.0)
        return dpiSetting();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

AbstractReportItem* ReportScene::createItem(const QString& tagName)
{
    if (tagName == QLatin1String("page"))
        return new ReportPage;
    if (tagName == QLatin1String("text"))
        return new ReportText;
    if (tagName == QLatin1String("checkBox"))
        return new ReportCheckBox;
    if (tagName == QLatin1String("svg"))
        return new ReportSvg;
    if (tagName == QLatin1String("table"))
        return new ReportTable;
    if (tagName == QLatin1String("image"))
        return new ReportResizableImage;
    return nullptr;
}

void ReportScene::newCommand(QUndoCommand* cmd)
{
    if (stack)
        stack->push(cmd);
    else
        delete cmd;
}

void ReportScene::print()
{
    ReportPrinter(*this).print();
}

void ReportScene::exportToPdf(const QString& documentPath)
{
    ReportPrinter(*this).exportToPdf(documentPath);
}

void ReportScene::paint(QPrinter* printer)
{
    ReportPrinter(*this).paint(printer);
}

void ReportScene::connectItem(AbstractReportItem* item)
{
    connect(item, &AbstractReportItem::modified, this, &ReportScene::modified, Qt::UniqueConnection);
    connect(item, &AbstractReportItem::newCommand, this, &ReportScene::newCommand, Qt::UniqueConnection);
}

void ReportScene::registerId(AbstractReportItem* item)
{
    if (!item->id().isEmpty())
        ids.insert(item->id(), item);
}

void ReportScene::appendToNavigation(AbstractReportItem* item)
{
    if (!firstItem)
        firstItem = item;
    else if (lastItem)
        lastItem->setNext(item);
    item->setPrevious(lastItem);
    lastItem = item;
}

void ReportScene::resetNavigation()
{
    lastItem = nullptr;
}

void ReportScene::insertPage(ReportPage* page)
{
    // Ordered by page number whatever the order of the elements; equal numbers keep their order.
    int position = pageList.size();
    while (position > 0 && pageList.at(position - 1)->pageNumber() > page->pageNumber())
        --position;
    pageList.insert(position, page);
}

void ReportScene::placeItem(AbstractReportItem* item, AbstractReportItem* parent)
{
    if (parent)
        item->setParentItem(parent);
    else
        addItem(item);
}

void ReportScene::buildLayout(const QDomElement& root, const BlobList& blobs)
{
    buildChildren(root, nullptr, blobs);
}

void ReportScene::buildChildren(const QDomElement& element, AbstractReportItem* parent, const BlobList& blobs)
{
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        AbstractReportItem* item = createItem(child.tagName());
        if (!item)
            continue;
        placeItem(item, parent);
        if (!item->fromXml(child, false, blobs)) {
            delete item;
            continue;
        }
        connectItem(item);
        if (item->isNavigable())
            appendToNavigation(item);
        registerId(item);
        if (auto* table = qgraphicsitem_cast<ReportTable*>(item)) {
            for (ReportTableCell* cell : table->cells()) {
                registerId(cell);
                connect(cell, &AbstractReportItem::newCommand, this, &ReportScene::newCommand, Qt::UniqueConnection);
            }
        }
        if (!parent)
            if (auto* page = qgraphicsitem_cast<ReportPage*>(item))
                insertPage(page);
        buildChildren(child, item, blobs);
    }
}

void ReportScene::applyValues(const QDomElement& root, const BlobList& blobs)
{
    applyChildren(root, nullptr, blobs);
}

void ReportScene::applyChildren(const QDomElement& element, AbstractReportItem* parent, const BlobList& blobs)
{
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        const QString id = child.attribute(QStringLiteral("id"));
        if (id.isEmpty()) {
            if (child.tagName() != QLatin1String("image"))
                continue;
            auto* picture = new ReportResizableImage;
            placeItem(picture, parent);
            if (!picture->fromXml(child, true, blobs)) {
                delete picture;
                continue;
            }
            connectItem(picture);
            continue;
        }
        AbstractReportItem* item = ids.value(id);
        if (!item)
            continue;
        item->fromXml(child, true, blobs);
        applyChildren(child, item, blobs);
    }
}

void ReportScene::writeItem(QDomElement& parentElement, AbstractReportItem* item, bool valuesOnly, BlobList& blobs)
{
    QDomElement element = parentElement.ownerDocument().createElement(item->tagName());
    if (!item->toXml(element, valuesOnly, blobs))
        return;
    parentElement.appendChild(element);
    // A table writes its settings and cells itself.
    if (item->type() == ReportTable::Type)
        return;
    const QList<QGraphicsItem*> children = item->childItems();
    for (QGraphicsItem* child : children)
        if (AbstractReportItem* reportChild = AbstractReportItem::fromGraphicsItem(child))
            writeItem(element, reportChild, valuesOnly, blobs);
}

QDomDocument ReportScene::toXml(bool valuesOnly, BlobList& blobs) const
{
    QDomDocument document;
    QDomElement root = document.createElement(QStringLiteral("document"));
    root.setAttribute(QStringLiteral("resPak"), resPak);
    document.appendChild(root);
    for (ReportPage* page : pageList)
        writeItem(root, page, valuesOnly, blobs);
    // Pictures a values document placed outside any page would otherwise be lost on saving.
    const QList<QGraphicsItem*> all = items(Qt::AscendingOrder);
    for (QGraphicsItem* graphicsItem : all) {
        AbstractReportItem* item = AbstractReportItem::fromGraphicsItem(graphicsItem);
        if (item && !item->parentItem() && item->type() != ReportPage::Type)
            writeItem(root, item, valuesOnly, blobs);
    }
    return document;
}

bool ReportScene::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Tab) {
            const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            navigate(forward);
            return true;
        }
    }
    return QGraphicsScene::event(event);
}

// Cells lead from one to the next in reading order; the table as a whole holds its place in the
// chain, so Tab after its last cell goes on to the field that follows it.
bool ReportScene::navigate(bool forward)
{
    AbstractReportItem* current = nullptr;
    for (QGraphicsItem* item = focusItem(); item && !current; item = item->parentItem())
        current = AbstractReportItem::fromGraphicsItem(item);
    const Qt::FocusReason reason = forward ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    if (auto* cell = qgraphicsitem_cast<ReportTableCell*>(current)) {
        if (ReportTableCell* nextCell = cell->table()->nextEditableCell(cell, forward)) {
            cell->table()->focusCell(nextCell, reason);
            return true;
        }
        current = cell->table();
    }
    AbstractReportItem* target = current ? (forward ? current->next() : current->previous()) : nullptr;
    const bool wrapped = target == nullptr;
    if (wrapped)
        target = forward ? firstItem : lastItem;
    if (!target)
        return false;
    if (auto* table = qgraphicsitem_cast<ReportTable*>(target))
        table->focusCell(table->nextEditableCell(nullptr, forward), reason);
    else
        target->setFocus(reason);
    if (!wrapped)
        target->ensureVisible(QRectF(0.0, 0.0, 1.0, 1.0), 50, 50);
    return true;
}

void ReportScene::addPicture(ReportResizableImage* picture)
{
    connectItem(picture);
    newCommand(new AddDeleteCommand(picture, true));
}

void ReportScene::deletePicture(ReportResizableImage* picture)
{
    connectItem(picture);
    newCommand(new AddDeleteCommand(picture, false));
}

void ReportScene::addImage(ReportPage* page, const QPointF& position)
{
    ReportResizableImage* picture = PictureChooser(*this).choose();
    if (!picture)
        return;
    picture->setResizable(true);
    picture->setParentItem(page);
    placePicture(picture, page, position);
    addPicture(picture);
}

// A picture added where one was deleted takes its frame: that is how a logo is replaced. Anywhere
// else it is made small enough for the page and kept on it.
void ReportScene::placePicture(ReportResizableImage* picture, ReportPage* page, const QPointF& position)
{
    for (QGraphicsItem* child : page->childItems()) {
        const auto* deleted = qgraphicsitem_cast<ReportResizableImage*>(child);
        if (!deleted || deleted == picture || deleted->isVisible() || !deleted->hasPicture())
            continue;
        const QRectF frame = deleted->mapRectToParent(deleted->rect());
        if (frame.contains(position)) {
            picture->fitInto(frame.size(), true);
            picture->setPos(frame.topLeft());
            return;
        }
    }
    const QRectF paper = page->boundingRect().adjusted(pageMargin, pageMargin, -pageMargin, -pageMargin);
    picture->fitInto(paper.size(), false);
    const QSizeF size = picture->rect().size();
    picture->setPos(qBound(paper.left(), position.x(), paper.right() - size.width()),
                    qBound(paper.top(), position.y(), paper.bottom() - size.height()));
}

ReportPage* ReportScene::pageAt(const QPointF& scenePoint) const
{
    for (ReportPage* page : pageList) {
        if (page->boundingRect().contains(page->mapFromScene(scenePoint)))
            return page;
    }
    return nullptr;
}

int ReportScene::addPictureFiles(const QStringList& paths, const QPointF& scenePoint)
{
    ReportPage* page = pageAt(scenePoint);
    if (!page || !stack)
        return 0;
    constexpr double cascade = 20.0;
    QPointF position = page->mapFromScene(scenePoint);
    QList<ReportResizableImage*> added;
    // Each picture joins the page before the next is read, so the report's limits count it.
    for (const QString& path : paths) {
        ReportResizableImage* picture = PictureChooser(*this).fromFile(path);
        if (!picture)
            continue;
        picture->setResizable(true);
        picture->setParentItem(page);
        placePicture(picture, page, position);
        added << picture;
        position += QPointF(cascade, cascade);
    }
    if (added.isEmpty())
        return 0;
    stack->beginMacro(tr("Add Pictures", "Undo command"));
    for (ReportResizableImage* picture : added)
        addPicture(picture);
    stack->endMacro();
    return added.size();
}

// Picture files are the scene's; any other drag, such as text into a field, goes to the items.
bool ReportScene::acceptPictureDrag(QGraphicsSceneDragDropEvent* event) const
{
    if (pageAt(event->scenePos()))
        event->acceptProposedAction();
    else
        event->ignore();
    return event->isAccepted();
}

void ReportScene::dragEnterEvent(QGraphicsSceneDragDropEvent* event)
{
    if (PictureDrop::pictureFiles(event->mimeData()).isEmpty())
        QGraphicsScene::dragEnterEvent(event);
    else
        acceptPictureDrag(event);
}

void ReportScene::dragMoveEvent(QGraphicsSceneDragDropEvent* event)
{
    if (PictureDrop::pictureFiles(event->mimeData()).isEmpty())
        QGraphicsScene::dragMoveEvent(event);
    else
        acceptPictureDrag(event);
}

void ReportScene::dropEvent(QGraphicsSceneDragDropEvent* event)
{
    const QStringList pictures = PictureDrop::pictureFiles(event->mimeData());
    if (pictures.isEmpty()) {
        QGraphicsScene::dropEvent(event);
        return;
    }
    if (!acceptPictureDrag(event))
        return;
    const WaitCursor waiting;
    addPictureFiles(pictures, event->scenePos());
}

int ReportScene::removeDeletedPictures()
{
    int removed = 0;
    for (int i = 0; stack && i < stack->count(); ++i) {
        const auto* command = dynamic_cast<const AddDeleteCommand*>(stack->command(i));
        if (command && const_cast<AddDeleteCommand*>(command)->detachIfHidden())
            ++removed;
    }
    return removed;
}

// The selection frame and its handles are screen furniture: paper and PDF show the report alone.
// The user's selection comes back once the page is drawn.
void ReportScene::renderPage(QPainter* painter, int pageIndex, const QRectF& target)
{
    if (pageIndex < 0 || pageIndex >= pageList.size())
        return;
    const QList<QGraphicsItem*> selected = selectedItems();
    clearSelection();
    render(painter, target, pageList.at(pageIndex)->sceneBoundingRect(), Qt::KeepAspectRatio);
    for (QGraphicsItem* item : selected)
        item->setSelected(true);
}
