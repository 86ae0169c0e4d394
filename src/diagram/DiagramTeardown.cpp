#include "DiagramTeardown.h"

#include "DiagramComponent.h"
#include "DiagramConnection.h"
#include "DiagramGraphicsScene.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>

namespace {
// Short enough that even the smallest diagram closes in a tenth of the time it took to open.
constexpr qint64 sliceNanoseconds = 1'000'000;
// How many deletions go between two looks at the clock.
constexpr int deletionsBetweenLooks = 16;
// The allocator merges the many small pieces given back only when a piece at least this large is
// next asked for. Asking at the end of each slice merges that slice's pieces; otherwise the next
// large request anywhere would merge those of the whole diagram in one long pause.
constexpr int mergingRequestBytes = 4096;
} // namespace

void DiagramTeardown::dismantle(DiagramGraphicsScene* scene)
{
    new DiagramTeardown(scene);
}

// Owned by the application, so that a teardown still running when the program ends deletes the
// rest with it.
DiagramTeardown::DiagramTeardown(DiagramGraphicsScene* diagram)
    : QObject(QCoreApplication::instance())
    , scene(diagram)
{
    scene->disconnect();
    scene->setParent(this);
    scene->startClosing();
    // The spatial index would be rebuilt after every slice; a plain list lets each item go at
    // once, as it lies first in it when the items go in stacking order.
    scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    // A caption goes with its box and the ends of a wire with the wire, so only these are taken.
    const QList<QGraphicsItem*> items = scene->items(Qt::AscendingOrder);
    for (QGraphicsItem* item : items) {
        if (item->type() & (DiagramComponent::Type | DiagramConnection::Type))
            owners << static_cast<DiagramGraphicsItem*>(item);
    }
    sliceTimer.setInterval(0);
    connect(&sliceTimer, &QTimer::timeout, this, &DiagramTeardown::deleteSlice);
    sliceTimer.start();
}

void DiagramTeardown::deleteSlice()
{
    QElapsedTimer slice;
    slice.start();
    while (next < owners.size()) {
        delete owners.at(next).data();
        owners[next++].clear();
        if (next % deletionsBetweenLooks == 0 && slice.nsecsElapsed() > sliceNanoseconds) {
            QByteArray(mergingRequestBytes, Qt::Uninitialized);
            return;
        }
    }
    sliceTimer.stop();
    // Whatever else lay in the scene goes with it.
    delete scene;
    scene = nullptr;
    deleteLater();
}
