#pragma once

#include <QPointer>
#include <QUndoCommand>

class QGraphicsItem;
class QGraphicsScene;
class ReportResizableImage;

// Adding or deleting a picture. A deleted picture is only hidden, so undo can bring it back;
// saving takes still-hidden pictures out of the scene through detachIfHidden(). A discarded add
// command destroys its picture when the addition was undone.
class AddDeleteCommand : public QUndoCommand
{
public:
    AddDeleteCommand(ReportResizableImage* picture, bool add);
    ~AddDeleteCommand() override;

    void redo() override;
    void undo() override;

    bool isAdd() const { return add; }
    ReportResizableImage* picture() const { return image; }
    // For a delete command whose picture is still hidden: takes it out of the scene (the command
    // then owns it) so it is not written. Returns true when it did.
    bool detachIfHidden();

private:
    void setShown(bool shown);

    QPointer<ReportResizableImage> image;
    bool add;
    QGraphicsScene* detachedFrom = nullptr;
    QGraphicsItem* detachedParent = nullptr;
};
