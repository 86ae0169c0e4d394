#include "CurveTree.h"

#include <QDrag>
#include <QHeaderView>
#include <QKeyEvent>
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
    // A double click opens the curve's details; renaming is F2's alone.
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    // Nodes hidden at the first fit (all below a file node of a reopened file) need room too.
    connect(this, &QTreeView::expanded, this, &CurveTree::widenColumns);
}

// The window's own F2 command (the project tree's Rename) would take the key before the tree
// sees it.
bool CurveTree::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F2 && key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QTreeView::event(event);
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

void CurveTree::widenColumns()
{
    for (int column = 0; column < header()->count(); ++column) {
        const int wanted = qMax(sizeHintForColumn(column), header()->sectionSizeHint(column));
        if (header()->sectionSize(column) < wanted)
            header()->resizeSection(column, wanted);
    }
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
