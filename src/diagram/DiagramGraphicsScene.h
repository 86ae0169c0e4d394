#pragma once

#include "Failure.h"

#include <QGraphicsScene>
#include <QHash>
#include <QPointer>
#include <QSet>

class DiagramComponent;
class DiagramConnection;
class DiagramGraphicsItem;
class QAction;
class QPrinter;

// The items of one installation diagram, and how the user adds boxes and draws wires on it.
// In wire mode every click places the next end of the pending wire instead of reaching an item.
class DiagramGraphicsScene : public QGraphicsScene
{
    Q_OBJECT

public:
    enum WireMode { Editing = 0, Drawing = 1 };

    explicit DiagramGraphicsScene(QObject* parent = nullptr);
    ~DiagramGraphicsScene() override;

    Failure load(const QString& path);
    Failure save(const QString& path);

    int wireMode() const;
    void setWireMode(int mode);
    int cableType() const;
    // Starts a new pending wire of the type; a half-drawn one is dropped.
    void setCableType(int type);
    DiagramConnection* pendingConnection() const;
    // Leaves wire mode, dropping the wire being drawn.
    void endWireMode();

    // "id" and the next free number.
    QString takeNextId();
    qint64 nextItemId() const;
    // While the scene is being destroyed, wires and boxes go together: nothing is re-routed.
    bool isClosing() const;
    void startClosing();
    // Adds an item made elsewhere and registers it.
    void addDiagramItem(DiagramGraphicsItem* item);
    // Connects an item already in the scene and counts its id. False when the id is not of the
    // form "id" + number or already taken: the item then needs a new one.
    bool registerItem(DiagramGraphicsItem* item);
    // While a file is read, also the boxes whose id in the file had to be replaced.
    DiagramComponent* componentWithId(const QString& id) const;
    // Ends the reading of a file: from now on only the ids in use name boxes.
    void forgetFileIds();

    // What the context menu offers, in menu order; each action's data is the element name.
    QList<QAction*> addActions() const;
    // Adds what `action` stands for at `position`, asking for its caption first.
    DiagramComponent* addFromAction(QAction* action, const QPointF& position);
    // The part of the scene worth printing: everything but the wire being drawn.
    QRectF drawingRect() const;

signals:
    void modeChanged(int newMode);
    void modified();

public slots:
    void print();
    void exportToPdf(const QString& documentPath);
    void paint(QPrinter* printer);
    void childModified();

protected:
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void createAddActions();
    void startPendingConnection(const QPointF& position);
    void deletePendingConnection();
    void placePendingEnd(const QPointF& position);
    QString askCaption(QAction* action) const;
    void rememberFileId(DiagramGraphicsItem* item);

    QList<QAction*> addMenuActions;
    qint64 nextId = 1;
    int mode = Editing;
    DiagramConnection* pending = nullptr;
    int cable = 1;
    bool closing = false;
    QHash<QString, QPointer<DiagramComponent>> componentsById;
    QSet<QString> usedIds;
    // A box whose id was unusable or taken keeps it here until its file is read, so that the
    // wires naming it stay attached when it gets a new one.
    QHash<QString, QPointer<DiagramComponent>> fileIds;
};
