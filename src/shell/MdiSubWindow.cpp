#include "MdiSubWindow.h"

#include "AbstractDocument.h"

#include <QCloseEvent>

MdiSubWindow::MdiSubWindow(AbstractDocument* document, QWidget* parent)
    : QMdiSubWindow(parent, Qt::WindowFlags())
{
    setWidget(document);
    setAttribute(Qt::WA_DeleteOnClose);
}

AbstractDocument* MdiSubWindow::document() const
{
    return qobject_cast<AbstractDocument*>(widget());
}

void MdiSubWindow::closeEvent(QCloseEvent* event)
{
    AbstractDocument* doc = document();
    if (doc && !doc->okToClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
