#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class DiagramGraphicsItem;
class DiagramGraphicsScene;

// Deletes a diagram whose window closed a slice at a time, whenever the event loop is free, and
// the scene last. Giving back the memory of thousands of boxes, captions and wires takes a good
// part of what reading them took; done at once it would hold up the window that closed them.
class DiagramTeardown : public QObject
{
    Q_OBJECT

public:
    // Takes `scene` from its owner. It is shown in no view any more, and nothing is announced
    // from it from now on.
    static void dismantle(DiagramGraphicsScene* scene);

private:
    explicit DiagramTeardown(DiagramGraphicsScene* scene);
    void deleteSlice();

    DiagramGraphicsScene* scene;
    // In stacking order: wires, then boxes, each in the order they came.
    QList<QPointer<DiagramGraphicsItem>> owners;
    int next = 0;
    QTimer sliceTimer;
};
