#include "AddDeleteCommand.h"

#include "ReportResizableImage.h"

#include <QGraphicsScene>

AddDeleteCommand::AddDeleteCommand(ReportResizableImage* picture, bool add)
    : image(picture)
    , add(add)
{
}

AddDeleteCommand::~AddDeleteCommand()
{
    // A discarded add command takes its undone (hidden) picture with it; a detached picture
    // belongs to us. A shown picture stays: clearing the stack must not take it off the page.
    if (image && (detachedFrom || (add && !image->isVisible())))
        delete image.data();
}

void AddDeleteCommand::redo()
{
    setShown(add);
}

void AddDeleteCommand::undo()
{
    setShown(!add);
}

bool AddDeleteCommand::detachIfHidden()
{
    if (add || !image || image->isVisible() || detachedFrom || !image->scene())
        return false;
    detachedFrom = image->scene();
    detachedParent = image->parentItem();
    detachedFrom->removeItem(image);
    return true;
}

void AddDeleteCommand::setShown(bool shown)
{
    if (!image)
        return;
    if (shown && detachedFrom) {
        if (detachedParent)
            image->setParentItem(detachedParent);
        else
            detachedFrom->addItem(image);
        detachedFrom = nullptr;
        detachedParent = nullptr;
    }
    image->setVisible(shown);
    emit image->modified(true);
}
