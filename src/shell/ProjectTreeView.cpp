#include "ProjectTreeView.h"

#include "AppIdentity.h"
#include "ProjectModel.h"
#include "Prompts.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

ProjectTreeView::ProjectTreeView(QWidget* parent)
    : QTreeView(parent)
{
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDragDropOverwriteMode(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setHeaderHidden(true);
    // Every row is one line beside an icon of the same size. Without this the tree measures each
    // row it shows whenever rows arrive, and a folder's icon means a look into that folder: a
    // projects folder of thousands of projects, read in batches, would hold the window up.
    setUniformRowHeights(true);
}

ProjectModel* ProjectTreeView::projectModel() const
{
    return qobject_cast<ProjectModel*>(model());
}

bool ProjectTreeView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (!QTreeView::edit(index, trigger, event))
        return false;
    auto* nameEditor = qobject_cast<QLineEdit*>(indexWidget(index));
    if (nameEditor && projectModel())
        nameEditor->setSelection(0, projectModel()->renamedPartLength(index));
    return true;
}

void ProjectTreeView::dropEvent(QDropEvent* event)
{
    const bool fromOutside = event->source() == nullptr;
    if (fromOutside && !confirmExternalDrop(event->mimeData()->urls())) {
        event->ignore();
        return;
    }
    QTreeView::dropEvent(event);
}

bool ProjectTreeView::confirmExternalDrop(const QList<QUrl>& urls)
{
    MessageRequest request;
    request.parent = this;
    request.windowIcon = QIcon(AppIdentity::logoPath());
    request.icon = QMessageBox::Question;
    request.buttons = QMessageBox::Yes | QMessageBox::No;
    request.informativeText = tr("Do you want to proceed?", "User prompt");
    request.text = urls.size() == 1
                       ? tr("This will copy \"%1\" to you project area.", "User prompt").arg(urls.first().toLocalFile())
                       : tr("This will copy %1 files to your project area.", "User prompt").arg(urls.size());
    return Prompts::instance().message(request).button == QMessageBox::Yes;
}

void ProjectTreeView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && projectModel() && selectionModel())
        projectModel()->remove(selectionModel()->selectedIndexes());
    QTreeView::keyPressEvent(event);
}
