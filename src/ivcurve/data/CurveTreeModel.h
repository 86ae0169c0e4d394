#pragma once

#include "DiagnosisFinding.h"
#include "TreeItem.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QSqlDatabase>
#include <QStringList>

#include <memory>

class CurveData;
class CurveDatabase;
class QSqlError;
class QSqlQuery;

namespace IVCurve {

// The curve tree of one curve file: folders and curve nodes from table TreeNodes, joined with
// the curve values that the tree shows. The tree lives in memory and is written back as a whole.
class CurveTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column { DescriptionColumn, MemoryIndexColumn, TestDateColumn, IrradianceColumn,
                  CellTemperatureColumn, FillFactorColumn, ColourColumn, SpareColumn };

    static constexpr const char* MimeType = "application/vnd.custom.ctmtype";

    // `database` must outlive the model.
    explicit CurveTreeModel(CurveDatabase& database, QObject* parent = nullptr);
    ~CurveTreeModel() override;

    // Replaces the tree with the one stored in the file. False when the file cannot be read or its
    // tree passes the limits (refusal() then says how); the tree is then empty.
    bool load();
    // Why the stored tree was refused, as the end of a sentence; empty when it was not.
    QString refusal() const;
    // Writes the whole tree and removes the curves that no node refers to, all or nothing. A
    // failure, a read-only file or one no longer in its place among them, is shown to the user
    // and leaves the file and the dirty state as they were.
    bool save();
    // Writes the whole tree in place of the stored one, inside the transaction that the caller
    // holds, commits and, once committed, reports with markSaved().
    bool writeNodes(QSqlError& error) const;
    void markSaved();

    // A new node at row 0 of `parent` (the root for an invalid index) with a fresh node id.
    TreeItem* insertNewRow(const QModelIndex& parent = QModelIndex());
    // The root for an invalid index.
    TreeItem* itemFor(const QModelIndex& index) const;
    // Invalid for the root.
    QModelIndex indexFor(const TreeItem* item, int column = DescriptionColumn) const;
    // Changes some of the node's values (keyed by TreeItem::Value) and tells the views.
    void setItemValues(TreeItem* item, const QHash<int, QVariant>& values);
    // Takes the module and the extrapolation of Voc from the node's curve, converting it if need
    // be, for the approximation mark.
    void setItemConversion(TreeItem* item, CurveData& curve);
    void setItemColour(TreeItem* item, const QColor& colour);
    // What the diagnosis found on the node's curve, for its mark and tool tip.
    void setItemFindings(const TreeItem* item, const QVector<DiagnosisFinding>& findings);
    int lastNodeId() const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

signals:
    void modified(bool dirty);

public slots:
    void slotSave();

private:
    QSqlDatabase connection() const;
    std::unique_ptr<TreeItem> makeRoot() const;
    std::unique_ptr<TreeItem> makeNode(const TreeItem* parent);
    struct TreeWalk;
    bool loadTree();
    bool loadChildren(TreeItem* parent, int depth, QSqlQuery& query, TreeWalk& walk);
    bool refuse(const QString& cause);
    bool writeChildren(const TreeItem* parent, QSqlQuery& insert) const;
    bool failSave(const QSqlError& error);
    QVariant displayValue(const TreeItem* item, int column) const;
    QVariant toolTip(const TreeItem* item) const;
    static void appendLine(QString& text, const QString& line);
    QVariant rowMark(const TreeItem* item) const;
    QString approximationNote(const TreeItem* item) const;
    QVector<DiagnosisFinding> findingsOf(const TreeItem* item) const;
    QString findingsNote(const TreeItem* item) const;
    QVariant foreground(const TreeItem* item, int column) const;
    QList<TreeItem*> draggedItems(const QMimeData* data, int column, const QModelIndex& parent) const;
    void moveItem(TreeItem* item, TreeItem* newParent, int& row);

    CurveDatabase& database;
    std::unique_ptr<TreeItem> root;
    int largestNodeId = 0;
    QString treeRefusal;
    // By CurveID: why Voc of a converted curve is approximate, empty when it is not.
    QHash<int, QString> openCircuitReasons;
    // By CurveID: the diagnosis of the curves that have been shown.
    QHash<int, QVector<DiagnosisFinding>> curveFindings;
};

} // namespace IVCurve
