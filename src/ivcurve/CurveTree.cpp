#include "CurveTree.h"

#include <QDrag>
#include <QHeaderView>
#include <QMimeData>

namespace IVCurve {

CurveTree::CurveTree(QWidget* parent)
    : QTreeView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setAlternatingRowColors(true);
    setAnimated(true);
    setExpandsOnDoubleClick(true);
    setWordWrap(true);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    header()->setMinimumSectionSize(10);
}

void CurveTree::showEvent(QShowEvent* event)
{
    QTreeView::showEvent(event);
    if (sectionsFitted)
        return;
    sectionsFitted = true;
    fitColumns();
}

void CurveTree::fitColumns()
{
    header()->resizeSections(QHeaderView::ResizeToContents);
}

// The model moves the dropped nodes itself. The base class would afterwards remove the rows
// that are still selected from the source, and those are the very nodes just moved.
void CurveTree::startDrag(Qt::DropActions supportedActions)
{
    const QModelIndexList indexes = selectedIndexes();
    if (indexes.isEmpty() || !model())
        return;
    QMimeData* data = model()->mimeData(indexes);
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    const QRect firstRow = visualRect(indexes.first());
    drag->setPixmap(viewport()->grab(firstRow));
    drag->exec(supportedActions & Qt::MoveAction, Qt::MoveAction);
}

} // namespace IVCurve
