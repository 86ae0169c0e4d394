#pragma once

#include "CurveCollection.h"
#include "CurveFindings.h"
#include "CurveSource.h"

#include <QHash>
#include <QItemSelection>
#include <QSet>
#include <QObject>

class CurveData;
class CurveDatabase;

namespace IVCurve {

class CurveTreeModel;
class TreeItem;

// The curves of one document as the plot sees them: it loads a string's curve when its node
// is first selected, gives the node a colour of its own, and tells the plot which strings
// came into and went out of the selection.
class CurveGraphModel : public QObject, public CurveSource
{
    Q_OBJECT

public:
    CurveGraphModel(CurveDatabase& database, CurveTreeModel* treeModel, QObject* parent = nullptr);

    CurveCollection& collection();
    // Nullptr for a folder node and for a node whose curve row is gone.
    CurveData* curveOf(const TreeItem* item);
    static uint curveIdOf(const TreeItem* item);

    bool stringLines(uint stringId, CurveStringLines& lines) override;
    // The user's own colour for a node: unlike the palette's it is a change to keep.
    void setStringColour(TreeItem* item, const QColor& colour);
    // The diagnosis of a node's curve with the user's limits; the tree shows it as well.
    QVector<DiagnosisFinding> diagnose(const TreeItem* item);

signals:
    void signalStringSelected(uint StringID);
    void signalStringDeselected(uint StringID);
    void modified(bool dirty);
    void findingsChanged(uint StringID, const QVector<DiagnosisFinding>& findings);

public slots:
    void slotTreeSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    // Connected to the tree's rowsAboutToBeRemoved: the lines of removed nodes go with them.
    void slotRowRemoved(const QModelIndex& parent, int first, int last);
    // Diagnoses the strings again, after a module, a method, a reading or the user's limits changed:
    // one string's change can make or clear its siblings' outlier findings.
    void refreshFindings();

private:
    QVector<TreeItem*> curveItems(const QModelIndexList& indexes) const;
    void forget(const TreeItem* item);
    QColor colourOf(TreeItem* item);

    CurveCollection curves;
    CurveFindings diagnosis;
    CurveTreeModel* tree;
    // The selected nodes that show a curve, by curve id.
    QHash<uint, TreeItem*> selectedItems;
    // The nodes whose findings the tree shows, to be diagnosed again when the limits change.
    QSet<const TreeItem*> diagnosedItems;
};

} // namespace IVCurve
