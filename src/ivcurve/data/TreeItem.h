#pragma once

#include <QColor>
#include <QVariant>
#include <QVector>

#include <memory>
#include <vector>

namespace IVCurve {

// One node of the curve tree: a folder (no curve id) or the node of one measured curve. The
// invisible root holds the column headings in its values instead of node data.
class TreeItem
{
public:
    enum Value {
        NodeId,
        ParentNodeId,
        Description,
        CurveId,
        MemoryIndex,
        TestDate,
        Status,
        Irradiance,
        AmbientTemperature,
        CellTemperature,
        FillFactor,
        // Read with the node to mark conversions without a module; not part of the tree's own rows.
        ModuleId,
        ValueCount
    };

    explicit TreeItem(const QVector<QVariant>& values = QVector<QVariant>(ValueCount));
    TreeItem(const TreeItem&) = delete;
    TreeItem& operator=(const TreeItem&) = delete;

    TreeItem* parent() const;
    TreeItem* child(int row) const;
    int childCount() const;
    // Row under the parent; 0 for the root.
    int row() const;
    // Takes ownership; a row outside 0..childCount() appends.
    void insertChild(int row, std::unique_ptr<TreeItem> child);
    std::unique_ptr<TreeItem> takeChild(int row);
    // True for the item itself too: a node cannot be moved below itself either.
    bool isAncestorOf(const TreeItem* other) const;

    int valueCount() const;
    // Null outside the values.
    QVariant value(int index) const;
    void setValue(int index, const QVariant& value);
    // Invalid when the node has no colour of its own.
    QColor colour() const;
    void setColour(const QColor& colour);

    // Names the item in drag payloads; unique within the running program, never 0 or 0xFFFFFFFF.
    quint32 handle() const;

private:
    TreeItem* parentItem = nullptr;
    std::vector<std::unique_ptr<TreeItem>> children;
    QVector<QVariant> values;
    QColor itemColour;
    quint32 itemHandle;
};

} // namespace IVCurve
