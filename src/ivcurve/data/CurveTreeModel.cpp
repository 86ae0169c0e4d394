#include "CurveTreeModel.h"

#include "MeasurementStatus.h"
#include "StcApproximation.h"
#include "TestDateText.h"

#include "CurveData.h"
#include "CurveDatabase.h"
#include "CurveFileLimits.h"
#include "CurveFileUpkeep.h"

#include <QApplication>
#include <QDataStream>
#include <QHash>
#include <QSet>
#include <QMimeData>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStyle>

#include <algorithm>
#include <deque>

namespace IVCurve {

namespace {
const char* const nodeColumns =
    "SELECT t.NodeID, t.ParentNodeID, t.NodeDesc, t.Status, c.CurveID, c.MemLocation, c.TestDate, t.Colour, "
    "c.Irradiance, c.AmbientTemp, c.CellTemp, c.FF, c.ModuleID FROM TreeNodes t LEFT JOIN Curves c ON t.CurveID = c.CurveID ";

// Result columns of the node queries in the order of TreeItem's values.
const char* const valueColumns[TreeItem::ValueCount] = {
    "NodeID", "ParentNodeID", "NodeDesc", "CurveID", "MemLocation", "TestDate",
    "Status", "Irradiance", "AmbientTemp", "CellTemp", "FF", "ModuleID"};

QString topLevelQuery()
{
    return QLatin1String(nodeColumns)
        + QLatin1String("WHERE ParentNodeID IS NULL ORDER BY ParentNodeID ASC, ParentRow DESC");
}

QString childQuery()
{
    return QLatin1String(nodeColumns) + QLatin1String("WHERE ParentNodeID = ? ORDER BY ParentNodeID ASC, ParentRow DESC");
}

QVariant nullInt()
{
    return QVariant(QVariant::LongLong);
}
} // namespace

CurveTreeModel::CurveTreeModel(CurveDatabase& database, QObject* parent)
    : QAbstractItemModel(parent)
    , database(database)
    , root(makeRoot())
{
}

CurveTreeModel::~CurveTreeModel() = default;

QSqlDatabase CurveTreeModel::connection() const
{
    return database.database();
}

std::unique_ptr<TreeItem> CurveTreeModel::makeRoot() const
{
    return std::make_unique<TreeItem>(QVector<QVariant>{
        tr("Item Description", "Tree Control Header"), tr("Tester Index", "Tree Control Header"),
        tr("Date Tested", "Tree Control Header"), tr("Irr", "Tree Control Header"),
        tr("Tcell", "Tree Control Header"), tr("FF", "Tree Control Header"),
        tr(" ", "Tree Control Header"), tr("", "Tree Control Header")});
}

std::unique_ptr<TreeItem> CurveTreeModel::makeNode(const TreeItem* parent)
{
    auto node = std::make_unique<TreeItem>();
    node->setValue(TreeItem::NodeId, ++largestNodeId);
    node->setValue(TreeItem::ParentNodeId, parent == root.get() ? nullInt() : parent->value(TreeItem::NodeId));
    return node;
}

// The nodes met so far; a node met twice closes a cycle or repeats an id.
struct CurveTreeModel::TreeWalk
{
    QSet<qlonglong> seen;
    std::deque<std::pair<TreeItem*, int>> pending;
};

bool CurveTreeModel::load()
{
    beginResetModel();
    root = makeRoot();
    largestNodeId = 0;
    treeRefusal.clear();
    bool loaded = false;
    if (connection().isOpen()) {
        database.runTreeSchema();
        loaded = loadTree();
    }
    if (!loaded)
        root = makeRoot();
    endResetModel();
    return loaded;
}

QString CurveTreeModel::refusal() const
{
    return treeRefusal;
}

// Level by level instead of by recursion: a file may chain nodes deeper than any stack, or
// make a node its own child where the table lost its primary key.
bool CurveTreeModel::loadTree()
{
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    TreeWalk walk;
    walk.pending.emplace_back(root.get(), 0);
    while (!walk.pending.empty()) {
        const auto [parent, depth] = walk.pending.front();
        walk.pending.pop_front();
        if (!loadChildren(parent, depth, query, walk))
            return false;
    }
    return true;
}

// Rows come in descending ParentRow and each goes in at row 0, so siblings end in stored order.
bool CurveTreeModel::loadChildren(TreeItem* parent, int depth, QSqlQuery& query, TreeWalk& walk)
{
    const bool topLevel = parent == root.get();
    if (!query.prepare(topLevel ? topLevelQuery() : childQuery()))
        return false;
    if (!topLevel)
        query.addBindValue(parent->value(TreeItem::NodeId));
    if (!query.exec())
        return false;
    if (depth == CurveFileLimits::maximumTreeDepth && query.next())
        return refuse(tr("its curve tree is nested more than %1 levels deep").arg(CurveFileLimits::maximumTreeDepth));
    const QSqlRecord record = query.record();
    const int colourColumn = record.indexOf(QStringLiteral("Colour"));
    while (query.next()) {
        auto item = std::make_unique<TreeItem>();
        for (int value = 0; value < TreeItem::ValueCount; ++value)
            item->setValue(value, query.value(record.indexOf(QLatin1String(valueColumns[value]))));
        const qlonglong nodeId = item->value(TreeItem::NodeId).toLongLong();
        if (walk.seen.contains(nodeId))
            return refuse(tr("node %1 of its curve tree comes more than once or lies below itself").arg(nodeId));
        if (walk.seen.size() == CurveFileLimits::maximumTreeNodes)
            return refuse(tr("its curve tree has more than %1 nodes").arg(CurveFileLimits::maximumTreeNodes));
        walk.seen.insert(nodeId);
        if (!query.isNull(colourColumn))
            item->setColour(QColor(query.value(colourColumn).toString()));
        largestNodeId = std::max(largestNodeId, item->value(TreeItem::NodeId).toInt());
        walk.pending.emplace_back(item.get(), depth + 1);
        parent->insertChild(0, std::move(item));
    }
    query.finish();
    return true;
}

bool CurveTreeModel::refuse(const QString& cause)
{
    treeRefusal = cause;
    return false;
}

// A file that lacks the table gets it before anything is deleted. A save that frees much space
// compacts the file: a file whose curves are gone should not keep their size.
bool CurveTreeModel::save()
{
    QSqlDatabase file = connection();
    if (!file.isOpen() || !database.checkWritable())
        return false;
    database.runTreeSchema();
    if (!file.transaction())
        return failSave(file.lastError());
    QSqlError error;
    if (!writeNodes(error) || !CurveFileUpkeep::removeOrphanCurves(file, error))
        return failSave(error);
    if (!file.commit())
        return failSave(file.lastError());
    markSaved();
    CurveFileUpkeep::compactIfWorthwhile(file);
    return true;
}

bool CurveTreeModel::writeNodes(QSqlError& error) const
{
    QSqlQuery query(connection());
    if (!query.exec(QStringLiteral("DELETE FROM TreeNodes;"))) {
        error = query.lastError();
        return false;
    }
    QSqlQuery insert(connection());
    if (!insert.prepare(QStringLiteral("INSERT OR REPLACE INTO TreeNodes(NodeID, ParentNodeID, ParentRow, NodeDesc, "
                                       "CurveID, Status, Colour) VALUES(?,?,?,?,?,?,?);"))
        || !writeChildren(root.get(), insert)) {
        error = insert.lastError();
        return false;
    }
    return true;
}

void CurveTreeModel::markSaved()
{
    emit modified(false);
}

bool CurveTreeModel::writeChildren(const TreeItem* parent, QSqlQuery& insert) const
{
    const QVariant parentId = parent == root.get() ? nullInt() : parent->value(TreeItem::NodeId);
    for (int row = 0; row < parent->childCount(); ++row) {
        const TreeItem* item = parent->child(row);
        const QColor colour = item->colour();
        insert.addBindValue(item->value(TreeItem::NodeId));
        insert.addBindValue(parentId);
        insert.addBindValue(row);
        insert.addBindValue(item->value(TreeItem::Description));
        insert.addBindValue(item->value(TreeItem::CurveId));
        insert.addBindValue(item->value(TreeItem::Status));
        // No colour stays NULL: "#000000" would come back as black.
        insert.addBindValue(colour.isValid() ? QVariant(colour.name()) : QVariant(QVariant::String));
        if (!insert.exec() || !writeChildren(item, insert))
            return false;
    }
    return true;
}

bool CurveTreeModel::failSave(const QSqlError& error)
{
    connection().rollback();
    database.reportWriteFailure(error);
    return false;
}

void CurveTreeModel::slotSave()
{
    save();
}

TreeItem* CurveTreeModel::insertNewRow(const QModelIndex& parent)
{
    TreeItem* parentItem = itemFor(parent);
    auto node = makeNode(parentItem);
    node->setValue(TreeItem::Description, tr("<New Row>"));
    TreeItem* inserted = node.get();
    beginInsertRows(parent, 0, 0);
    parentItem->insertChild(0, std::move(node));
    endInsertRows();
    emit modified(true);
    return inserted;
}

TreeItem* CurveTreeModel::itemFor(const QModelIndex& index) const
{
    if (index.isValid() && index.model() == this)
        return static_cast<TreeItem*>(index.internalPointer());
    return root.get();
}

QModelIndex CurveTreeModel::indexFor(const TreeItem* item, int column) const
{
    if (!item || item == root.get() || !item->parent())
        return QModelIndex();
    return createIndex(item->row(), column, const_cast<TreeItem*>(item));
}

void CurveTreeModel::setItemValues(TreeItem* item, const QHash<int, QVariant>& values)
{
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        item->setValue(value.key(), value.value());
    emit dataChanged(indexFor(item, 0), indexFor(item, columnCount() - 1));
    emit modified(true);
}

// Module and conversion live with the curve, not the node: the tree has nothing new to save.
void CurveTreeModel::setItemConversion(TreeItem* item, CurveData& curve)
{
    item->setValue(TreeItem::ModuleId, curve.module().moduleId);
    openCircuitReasons.insert(curve.curveId, StcApproximation::openCircuitReason(curve.stcCurve(true)));
    emit dataChanged(indexFor(item, 0), indexFor(item, columnCount() - 1));
}

// The plot gives a string its colour when first shown: that colour is saved with the next change
// of the user's, but is none itself, or merely looking at curves would ask to save on closing.
// In a read-only file a colour lasts for this session only: the document must not claim changes
// that it can never save.
void CurveTreeModel::setItemColour(TreeItem* item, const QColor& colour)
{
    const bool firstColour = !item->colour().isValid();
    item->setColour(colour);
    const QModelIndex swatch = indexFor(item, ColourColumn);
    emit dataChanged(swatch, swatch, {Qt::BackgroundRole, Qt::ForegroundRole});
    if (!firstColour && !database.isReadOnly())
        emit modified(true);
}

int CurveTreeModel::lastNodeId() const
{
    return largestNodeId;
}

QModelIndex CurveTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    return createIndex(row, column, itemFor(parent)->child(row));
}

QModelIndex CurveTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return QModelIndex();
    return indexFor(itemFor(child)->parent());
}

int CurveTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    return itemFor(parent)->childCount();
}

int CurveTreeModel::columnCount(const QModelIndex& /*parent*/) const
{
    return root->valueCount();
}

bool CurveTreeModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

QVariant CurveTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role > Qt::ForegroundRole)
        return QVariant();
    const TreeItem* item = itemFor(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return displayValue(item, index.column());
    case Qt::DecorationRole:
        return index.column() == DescriptionColumn ? rowMark(item) : QVariant();
    case Qt::ToolTipRole:
        return toolTip(item);
    case Qt::TextAlignmentRole:
        return index.column() == MemoryIndexColumn ? QVariant(int(Qt::AlignCenter)) : QVariant();
    case Qt::BackgroundRole:
        return index.column() == ColourColumn && item->colour().isValid() ? QVariant(item->colour()) : QVariant();
    case Qt::ForegroundRole:
        return foreground(item, index.column());
    default:
        return QVariant();
    }
}

QVariant CurveTreeModel::displayValue(const TreeItem* item, int column) const
{
    switch (column) {
    case DescriptionColumn:
        return item->value(TreeItem::Description);
    case MemoryIndexColumn:
        return item->value(TreeItem::MemoryIndex);
    case TestDateColumn:
        return TestDateText::forDisplay(item->value(TreeItem::TestDate).toString());
    case IrradianceColumn:
        return item->value(TreeItem::Irradiance);
    case CellTemperatureColumn:
        return item->value(TreeItem::CellTemperature);
    case FillFactorColumn:
        return item->value(TreeItem::FillFactor);
    default:
        return QVariant();
    }
}

QVariant CurveTreeModel::toolTip(const TreeItem* item) const
{
    const uint status = item->value(TreeItem::Status).toUInt();
    QString tip;
    if (checksumFailedIn(status))
        tip += tr("Invalid checksum. Internal error in test instrument or the CSV data has been modified",
                  "Tool tip hint");
    if (status & SpreadsheetModified)
        tip += tr("Checksum ignored. Spreadsheet data modification was detected", "Tool tip hint");
    if (status & IrradianceSpread)
        appendLine(tip, tr("Irradiance warning. Greater than 10% variance during test", "Tool tip hint"));
    if (tip.isEmpty())
        tip = item->value(TreeItem::Description).toString();
    if (instrumentCodeKnown(status) && instrumentCodeOf(status) != 0)
        appendLine(tip, tr("Status code of the test instrument: %1", "Tool tip hint").arg(instrumentCodeOf(status)));
    appendLine(tip, approximationNote(item));
    appendLine(tip, findingsNote(item));
    return tip;
}

void CurveTreeModel::appendLine(QString& text, const QString& line)
{
    if (line.isEmpty())
        return;
    if (!text.isEmpty())
        text += QLatin1Char('\n');
    text += line;
}

// A warning sign before the name, where it shows however narrow the tree; the tool tip says why.
// A finding that rests on weak or uneven light is only a question, unless something else is sure.
QVariant CurveTreeModel::rowMark(const TreeItem* item) const
{
    const QVector<DiagnosisFinding> findings = findingsOf(item);
    const bool sureFinding =
        std::any_of(findings.cbegin(), findings.cend(), [](const DiagnosisFinding& found) { return !found.uncertain; });
    if (sureFinding || !approximationNote(item).isEmpty())
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    if (!findings.isEmpty())
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion);
    return QVariant();
}

void CurveTreeModel::setItemFindings(const TreeItem* item, const QVector<DiagnosisFinding>& findings)
{
    const QVariant curveId = item->value(TreeItem::CurveId);
    if (curveId.isNull())
        return;
    curveFindings.insert(curveId.toInt(), findings);
    emit dataChanged(indexFor(item, 0), indexFor(item, columnCount() - 1));
}

QVector<DiagnosisFinding> CurveTreeModel::findingsOf(const TreeItem* item) const
{
    const QVariant curveId = item->value(TreeItem::CurveId);
    return curveId.isNull() ? QVector<DiagnosisFinding>() : curveFindings.value(curveId.toInt());
}

QString CurveTreeModel::findingsNote(const TreeItem* item) const
{
    QStringList lines;
    for (const DiagnosisFinding& found : findingsOf(item))
        lines.append(found.text());
    return lines.join(QLatin1Char('\n'));
}

// The row tells the irradiance and the module; how far Voc was extrapolated is known once the
// curve has been converted for the plot, the details or a module assignment.
QString CurveTreeModel::approximationNote(const TreeItem* item) const
{
    const QVariant curveId = item->value(TreeItem::CurveId);
    if (curveId.isNull())
        return QString();
    return StcApproximation::note(StcApproximation::reasonsOf(item->value(TreeItem::Irradiance),
                                                              item->value(TreeItem::ModuleId).toUInt(),
                                                              openCircuitReasons.value(curveId.toInt())));
}

QVariant CurveTreeModel::foreground(const TreeItem* item, int column) const
{
    if (column == ColourColumn && item->colour().isValid())
        return item->colour();
    const uint status = item->value(TreeItem::Status).toUInt();
    QVariant colour;
    if (status & SpreadsheetModified)
        colour = QColor(Qt::darkGreen);
    if (status & IrradianceSpread)
        colour = QColor(Qt::blue);
    if (checksumFailedIn(status))
        colour = QColor(Qt::red);
    return colour;
}

QVariant CurveTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return root->value(section);
    return QVariant();
}

bool CurveTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    static const QHash<int, int> editableValues{{DescriptionColumn, TreeItem::Description},
                                                {IrradianceColumn, TreeItem::Irradiance},
                                                {CellTemperatureColumn, TreeItem::CellTemperature}};
    if (role != Qt::EditRole || !index.isValid() || !editableValues.contains(index.column()))
        return false;
    TreeItem* item = itemFor(index);
    const int valueIndex = editableValues.value(index.column());
    if (item->value(valueIndex) == value)
        return true;
    if (!database.checkWritable())
        return false;
    item->setValue(valueIndex, value);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit modified(true);
    return true;
}

// A tree that can never be saved offers no editing and no dragging.
Qt::ItemFlags CurveTreeModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags defaults = QAbstractItemModel::flags(index);
    if (database.isReadOnly())
        return defaults;
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    if (index.column() == DescriptionColumn)
        return defaults | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    return defaults;
}

QStringList CurveTreeModel::mimeTypes() const
{
    return {QLatin1String(MimeType)};
}

QMimeData* CurveTreeModel::mimeData(const QModelIndexList& indexes) const
{
    QByteArray handles;
    QDataStream stream(&handles, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::BigEndian);
    for (const QModelIndex& index : indexes) {
        if (index.isValid())
            stream << itemFor(index)->handle();
    }
    auto* data = new QMimeData;
    data->setData(QLatin1String(MimeType), handles);
    return data;
}

Qt::DropActions CurveTreeModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

bool CurveTreeModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int /*row*/, int column,
                                     const QModelIndex& parent) const
{
    return action == Qt::IgnoreAction || !draggedItems(data, column, parent).isEmpty();
}

bool CurveTreeModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                  const QModelIndex& parent)
{
    if (action == Qt::IgnoreAction)
        return true;
    const QList<TreeItem*> items = draggedItems(data, column, parent);
    if (items.isEmpty() || !database.checkWritable())
        return false;
    TreeItem* newParent = itemFor(parent);
    int insertRow = row < 0 || row > newParent->childCount() ? newParent->childCount() : row;
    for (TreeItem* item : items)
        moveItem(item, newParent, insertRow);
    emit modified(true);
    return true;
}

// The dragged items of this model in tree order, each once; empty when the drop is refused,
// among others when it would put a node below itself.
QList<TreeItem*> CurveTreeModel::draggedItems(const QMimeData* data, int column, const QModelIndex& parent) const
{
    if (!data || !data->hasFormat(QLatin1String(MimeType)) || column > 0 || parent.column() > 0)
        return {};
    QDataStream stream(data->data(QLatin1String(MimeType)));
    stream.setByteOrder(QDataStream::BigEndian);
    QSet<quint32> handles;
    while (!stream.atEnd()) {
        quint32 handle = 0;
        stream >> handle;
        if (stream.status() == QDataStream::Ok)
            handles.insert(handle);
    }
    const TreeItem* newParent = itemFor(parent);
    QList<TreeItem*> found;
    QList<TreeItem*> pending{root.get()};
    while (!pending.isEmpty()) {
        TreeItem* item = pending.takeFirst();
        for (int row = item->childCount() - 1; row >= 0; --row)
            pending.prepend(item->child(row));
        if (!handles.contains(item->handle()))
            continue;
        if (item->isAncestorOf(newParent))
            return {};
        found << item;
    }
    return found;
}

void CurveTreeModel::moveItem(TreeItem* item, TreeItem* newParent, int& row)
{
    TreeItem* oldParent = item->parent();
    const int oldRow = item->row();
    if (oldParent == newParent && (row == oldRow || row == oldRow + 1)) {
        row = oldRow + 1;
        return;
    }
    beginMoveRows(indexFor(oldParent), oldRow, oldRow, indexFor(newParent), row);
    std::unique_ptr<TreeItem> taken = oldParent->takeChild(oldRow);
    if (oldParent == newParent && oldRow < row)
        --row;
    taken->setValue(TreeItem::ParentNodeId, newParent == root.get() ? nullInt() : newParent->value(TreeItem::NodeId));
    newParent->insertChild(row, std::move(taken));
    endMoveRows();
    ++row;
}

bool CurveTreeModel::insertRows(int row, int count, const QModelIndex& parent)
{
    TreeItem* parentItem = itemFor(parent);
    if (row < 0 || row > parentItem->childCount() || count < 1)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i)
        parentItem->insertChild(row + i, makeNode(parentItem));
    endInsertRows();
    emit modified(true);
    return true;
}

bool CurveTreeModel::removeRows(int row, int count, const QModelIndex& parent)
{
    TreeItem* parentItem = itemFor(parent);
    if (row < 0 || count < 1 || row + count > parentItem->childCount())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i)
        parentItem->takeChild(row);
    endRemoveRows();
    emit modified(true);
    return true;
}

} // namespace IVCurve
