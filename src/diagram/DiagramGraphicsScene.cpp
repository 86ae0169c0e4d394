#include "DiagramGraphicsScene.h"

#include "DiagramComponent.h"
#include "DiagramConnection.h"
#include "DiagramFile.h"
#include "DiagramItemFactory.h"
#include "DiagramPrinter.h"
#include "DialogComponentSettings.h"

#include <QAction>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QMenu>

namespace {
const QString idPrefix = QStringLiteral("id");
// Ids beyond this could not be counted on exactly.
constexpr qint64 largestIdNumber = qint64(1) << 53;

qint64 idNumber(const QString& id)
{
    if (!id.startsWith(idPrefix) || id.size() == idPrefix.size())
        return 0;
    const QStringRef digits = id.midRef(idPrefix.size());
    for (const QChar c : digits) {
        if (!c.isDigit())
            return 0;
    }
    bool ok = false;
    const qint64 number = digits.toLongLong(&ok);
    return ok && number <= largestIdNumber ? number : 0;
}
} // namespace

DiagramGraphicsScene::DiagramGraphicsScene(QObject* parent)
    : QGraphicsScene(parent)
{
    createAddActions();
}

DiagramGraphicsScene::~DiagramGraphicsScene()
{
    // The scene's own clearing drops its index at once and then deletes the items front to back in
    // the order they came, which is what its lists remove quickest; any other order searches them
    // item by item. A wire always comes before its two ends (they enter with it, and lie above it),
    // so it still deletes them itself.
    startClosing();
    clear();
}

void DiagramGraphicsScene::createAddActions()
{
    const std::pair<const char*, QString> entries[] = {
        {"label", tr("Add Label")},
        {"inverter", tr("Add Invertor")},
        {"generation_meter", tr("Add Generation Meter")},
        {"distribution_board", tr("Add Distribution Board")},
        {"ac_isolator", tr("Add AC Isolator")},
        {"dc_isolator", tr("Add DC Isolator")},
        {"panel", tr("Add PV Panel")},
    };
    for (const auto& entry : entries) {
        auto* action = new QAction(entry.second, this);
        action->setData(QLatin1String(entry.first));
        addMenuActions.append(action);
    }
}

Failure DiagramGraphicsScene::load(const QString& path)
{
    return DiagramFile::load(*this, path);
}

Failure DiagramGraphicsScene::save(const QString& path)
{
    return DiagramFile::save(*this, path);
}

int DiagramGraphicsScene::wireMode() const
{
    return mode;
}

void DiagramGraphicsScene::setWireMode(int newMode)
{
    if (newMode == mode)
        return;
    mode = newMode;
    if (mode == Editing)
        deletePendingConnection();
    else if (!pending)
        startPendingConnection(QPointF(0, 0));
    emit modeChanged(mode);
}

int DiagramGraphicsScene::cableType() const
{
    return cable;
}

void DiagramGraphicsScene::setCableType(int type)
{
    cable = type;
    deletePendingConnection();
    startPendingConnection(QPointF(0, 0));
}

DiagramConnection* DiagramGraphicsScene::pendingConnection() const
{
    return pending;
}

void DiagramGraphicsScene::endWireMode()
{
    if (mode == Editing)
        return;
    deletePendingConnection();
    mode = Editing;
    emit modeChanged(mode);
}

QString DiagramGraphicsScene::takeNextId()
{
    return idPrefix + QString::number(nextId++);
}

qint64 DiagramGraphicsScene::nextItemId() const
{
    return nextId;
}

bool DiagramGraphicsScene::isClosing() const
{
    return closing;
}

void DiagramGraphicsScene::startClosing()
{
    closing = true;
}

void DiagramGraphicsScene::addDiagramItem(DiagramGraphicsItem* item)
{
    addItem(item);
    registerItem(item);
}

bool DiagramGraphicsScene::registerItem(DiagramGraphicsItem* item)
{
    connect(item, &DiagramGraphicsItem::modified, this, &DiagramGraphicsScene::childModified, Qt::UniqueConnection);
    const qint64 number = idNumber(item->id());
    if (number == 0 || usedIds.contains(item->id())) {
        rememberFileId(item);
        return false;
    }
    usedIds.insert(item->id());
    nextId = qMax(nextId, number + 1);
    if (auto* component = dynamic_cast<DiagramComponent*>(item))
        componentsById.insert(item->id(), component);
    return true;
}

// The first box of an id keeps it; a later one with the same id is a copy made by hand.
void DiagramGraphicsScene::rememberFileId(DiagramGraphicsItem* item)
{
    auto* component = dynamic_cast<DiagramComponent*>(item);
    if (component && !item->id().isEmpty() && !componentsById.contains(item->id()) && !fileIds.contains(item->id()))
        fileIds.insert(item->id(), component);
}

DiagramComponent* DiagramGraphicsScene::componentWithId(const QString& id) const
{
    if (DiagramComponent* component = componentsById.value(id))
        return component;
    return fileIds.value(id);
}

void DiagramGraphicsScene::forgetFileIds()
{
    fileIds.clear();
}

QList<QAction*> DiagramGraphicsScene::addActions() const
{
    return addMenuActions;
}

DiagramComponent* DiagramGraphicsScene::addFromAction(QAction* action, const QPointF& position)
{
    DiagramComponent* component = DiagramItemFactory::createComponent(action->data().toString(), QString());
    if (!component)
        return nullptr;
    const bool isPanel = action == addMenuActions.last();
    const QString caption = isPanel ? QString() : DialogComponentSettings::askText(askCaption(action));
    if (!isPanel && caption.isEmpty()) {
        delete component;
        return nullptr;
    }
    component->setId(takeNextId());
    component->place(position, caption);
    addDiagramItem(component);
    emit modified();
    return component;
}

QString DiagramGraphicsScene::askCaption(QAction* action) const
{
    if (action == addMenuActions.first())
        return tr("Insert notes here", "Example note text");
    QScopedPointer<DiagramComponent> example(DiagramItemFactory::createComponent(action->data().toString(), QString()));
    return example->displayName();
}

QRectF DiagramGraphicsScene::drawingRect() const
{
    QRectF drawn;
    const QList<QGraphicsItem*> all = items();
    for (QGraphicsItem* item : all) {
        const bool isPending = pending && (item == pending || item == &pending->endA() || item == &pending->endB());
        if (item->isVisible() && !isPending)
            drawn |= item->sceneBoundingRect();
    }
    // The outlines of the boxes are drawn across their edges.
    return drawn.adjusted(-2, -2, 2, 2);
}

void DiagramGraphicsScene::print()
{
    DiagramPrinter(*this).print();
}

void DiagramGraphicsScene::exportToPdf(const QString& documentPath)
{
    DiagramPrinter(*this).exportToPdf(documentPath);
}

void DiagramGraphicsScene::paint(QPrinter* printer)
{
    DiagramPrinter(*this).paint(printer);
}

void DiagramGraphicsScene::childModified()
{
    // The wire following the pointer changes nothing until its second end is placed.
    if (pending && sender() == pending && pending->state() != DiagramConnection::Complete)
        return;
    emit modified();
}

void DiagramGraphicsScene::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    endWireMode();
    QGraphicsScene::contextMenuEvent(event);
    if (event->isAccepted())
        return;
    QMenu menu;
    menu.addAction(addMenuActions.first());
    menu.addSeparator();
    menu.addActions(addMenuActions.mid(1));
    QAction* chosen = menu.exec(event->screenPos());
    event->accept();
    if (chosen)
        addFromAction(chosen, event->scenePos());
}

void DiagramGraphicsScene::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (mode == Editing) {
        QGraphicsScene::mousePressEvent(event);
        return;
    }
    // While drawing, clicks place wire ends and never reach the items below.
    event->accept();
    if (event->button() == Qt::LeftButton)
        placePendingEnd(event->scenePos());
}

void DiagramGraphicsScene::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsScene::mouseMoveEvent(event);
    if (mode == Drawing && pending && pending->currentEnd())
        pending->currentEnd()->placeAt(event->scenePos());
}

void DiagramGraphicsScene::placePendingEnd(const QPointF& position)
{
    if (!pending)
        startPendingConnection(position);
    pending->advance();
    if (pending->state() == DiagramConnection::Complete)
        startPendingConnection(position);
    if (ConnectionPoint* end = pending->currentEnd())
        end->placeAt(position);
}

void DiagramGraphicsScene::startPendingConnection(const QPointF& position)
{
    pending = new DiagramConnection(takeNextId(), cable);
    pending->endA().setPos(position);
    addDiagramItem(pending);
}

void DiagramGraphicsScene::deletePendingConnection()
{
    delete pending;
    pending = nullptr;
}
