#include "CurveGraphModel.h"

#include "CurveData.h"
#include "CurvePalette.h"
#include "CurveStringLines.h"
#include "CurveTreeModel.h"
#include "DiagnosisSettings.h"
#include "TreeItem.h"

namespace IVCurve {

CurveGraphModel::CurveGraphModel(CurveDatabase& database, CurveTreeModel* treeModel, QObject* parent)
    : QObject(parent)
    , curves(database)
    , diagnosis(curves)
    , tree(treeModel)
{
    diagnosis.setThresholds(DiagnosisSettings::thresholds());
    const auto forgetSiblings = [this] { diagnosis.forgetSiblings(); };
    connect(tree, &QAbstractItemModel::rowsInserted, this, forgetSiblings);
    connect(tree, &QAbstractItemModel::rowsRemoved, this, forgetSiblings);
    connect(tree, &QAbstractItemModel::rowsMoved, this, forgetSiblings);
    connect(tree, &QAbstractItemModel::modelReset, this, forgetSiblings);
    connect(tree, &QAbstractItemModel::layoutChanged, this, forgetSiblings);
}

CurveCollection& CurveGraphModel::collection()
{
    return curves;
}

uint CurveGraphModel::curveIdOf(const TreeItem* item)
{
    const QVariant id = item ? item->value(TreeItem::CurveId) : QVariant();
    return id.isNull() ? 0u : id.toUInt();
}

CurveData* CurveGraphModel::curveOf(const TreeItem* item)
{
    const uint id = curveIdOf(item);
    return id == 0 ? nullptr : curves.curve(int(id));
}

bool CurveGraphModel::stringLines(uint stringId, CurveStringLines& lines)
{
    TreeItem* item = selectedItems.value(stringId);
    CurveData* curve = curveOf(item);
    if (!curve)
        return false;
    lines.title = item->value(TreeItem::Description).toString();
    lines.colour = colourOf(item);
    lines.measured = curve->points();
    lines.stc = curve->stcCurve(true).points();
    lines.nominal = curve->nominalCurve().points();
    lines.expected = curve->expectedCurve().points();
    curve->performanceFactor(lines.performanceFactor);
    tree->setItemConversion(item, *curve);
    lines.findings = diagnose(item);
    return true;
}

QVector<DiagnosisFinding> CurveGraphModel::diagnose(const TreeItem* item)
{
    const QVector<DiagnosisFinding> findings = diagnosis.findingsOf(item);
    tree->setItemFindings(item, findings);
    diagnosedItems.insert(item);
    return findings;
}

void CurveGraphModel::refreshFindings()
{
    diagnosis.setThresholds(DiagnosisSettings::thresholds());
    diagnosis.forgetSiblings();
    for (const TreeItem* item : QSet<const TreeItem*>(diagnosedItems))
        emit findingsChanged(curveIdOf(item), diagnose(item));
}

QColor CurveGraphModel::colourOf(TreeItem* item)
{
    if (!item->colour().isValid())
        tree->setItemColour(item, CurvePalette::instance().takeColour());
    return item->colour();
}

void CurveGraphModel::setStringColour(TreeItem* item, const QColor& colour)
{
    tree->setItemColour(item, colour);
    emit modified(true);
}

QVector<TreeItem*> CurveGraphModel::curveItems(const QModelIndexList& indexes) const
{
    QVector<TreeItem*> items;
    for (const QModelIndex& index : indexes) {
        TreeItem* item = index.column() == 0 ? tree->itemFor(index) : nullptr;
        if (item && curveIdOf(item) != 0 && !items.contains(item))
            items.append(item);
    }
    return items;
}

void CurveGraphModel::slotTreeSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    for (TreeItem* item : curveItems(deselected.indexes())) {
        selectedItems.remove(curveIdOf(item));
        emit signalStringDeselected(curveIdOf(item));
    }
    for (TreeItem* item : curveItems(selected.indexes())) {
        selectedItems.insert(curveIdOf(item), item);
        emit signalStringSelected(curveIdOf(item));
    }
}

void CurveGraphModel::slotRowRemoved(const QModelIndex& parent, int first, int last)
{
    const TreeItem* parentItem = tree->itemFor(parent);
    for (int row = first; row <= last && row < parentItem->childCount(); ++row)
        forget(parentItem->child(row));
}

void CurveGraphModel::forget(const TreeItem* item)
{
    for (int row = 0; row < item->childCount(); ++row)
        forget(item->child(row));
    diagnosedItems.remove(item);
    const uint id = curveIdOf(item);
    if (id != 0 && selectedItems.value(id) == item) {
        selectedItems.remove(id);
        emit signalStringDeselected(id);
    }
}

} // namespace IVCurve
