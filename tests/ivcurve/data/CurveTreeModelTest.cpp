#include "CurveData.h"
#include "CurveTreeModel.h"
#include "MeasurementStatus.h"
#include "ScriptedPrompts.h"
#include "TestDateText.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QColor>
#include <QDataStream>
#include <QIcon>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using IVCurve::CurveTreeModel;
using IVCurve::TreeItem;

namespace {
// The tree as indented "description" lines, children below their parent.
QStringList outline(const CurveTreeModel& model, const QModelIndex& parent = QModelIndex(), int depth = 0)
{
    QStringList lines;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        lines << QString(depth * 2, QLatin1Char(' ')) + index.data().toString();
        lines << outline(model, index, depth + 1);
    }
    return lines;
}

TreeItem* addNode(CurveTreeModel& model, const QString& description, TreeItem* parent = nullptr)
{
    TreeItem* item = model.insertNewRow(model.indexFor(parent));
    model.setItemValues(item, {{TreeItem::Description, description}});
    return item;
}

// Fills the tree so that rows end up as "A" (a1, a2 (deep), a3) and "B" (b1).
void buildTree(CurveTreeModel& model, TestCurveFile& file)
{
    TreeItem* b = addNode(model, QStringLiteral("B"));
    TreeItem* b1 = addNode(model, QStringLiteral("b1"), b);
    model.setItemValues(b1, {{TreeItem::CurveId, file.addCurve(7)}});
    TreeItem* a = addNode(model, QStringLiteral("A"));
    addNode(model, QStringLiteral("a3"), a);
    TreeItem* a2 = addNode(model, QStringLiteral("a2"), a);
    addNode(model, QStringLiteral("deep"), a2);
    addNode(model, QStringLiteral("a1"), a);
}

std::unique_ptr<QMimeData> dragOf(const CurveTreeModel& model, const QModelIndexList& indexes)
{
    return std::unique_ptr<QMimeData>(model.mimeData(indexes));
}

QModelIndexList wholeRow(const CurveTreeModel& model, const QModelIndex& index)
{
    QModelIndexList row;
    for (int column = 0; column < model.columnCount(); ++column)
        row << index.sibling(index.row(), column);
    return row;
}

QModelIndex find(const CurveTreeModel& model, const QString& description)
{
    const QModelIndexList found = model.match(model.index(0, 0), Qt::DisplayRole, description, 1,
                                              Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
}
} // namespace

class CurveTreeModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void headingsAndColumns();
    void statusShowsTipsAndColours_data();
    void statusShowsTipsAndColours();
    void colourSwatchInItsColumn();
    void onlyDescriptionIrradianceAndCellTemperatureAreEdited();
    void newRowsCountUpFromTheLargestNodeId();
    void savingAndReopeningKeepsOrderAndNesting();
    void savingPurgesCurvesWithoutNodesAndWritesAnEmptyTree();
    void failedSaveLeavesTheFileAndIsShown();
    void loadsCurveValuesThroughTheJoin();
    void approximateConversionsAreMarked();
    void dragPayloadIsBigEndianHandles();
    void rowSelectedInAllColumnsMovesOnce();
    void dropsReorderWithinOneParent_data();
    void dropsReorderWithinOneParent();
    void dropsThatWouldBreakTheTreeAreRefused();
    void removingRowsTakesTheSubtree();
    void testDatesShownInTheShortFormat_data();
    void testDatesShownInTheShortFormat();
};

void CurveTreeModelTest::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void CurveTreeModelTest::cleanup()
{
    QLocale::setDefault(QLocale::system());
}

void CurveTreeModelTest::headingsAndColumns()
{
    TestCurveFile file;
    CurveTreeModel model(file.database());
    QCOMPARE(model.columnCount(), 8);
    QStringList headings;
    for (int section = 0; section < model.columnCount(); ++section)
        headings << model.headerData(section, Qt::Horizontal).toString();
    QCOMPARE(headings, (QStringList{"Item Description", "Tester Index", "Date Tested", "Irr", "Tcell", "FF", " ", ""}));
    QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
    QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
}

void CurveTreeModelTest::statusShowsTipsAndColours_data()
{
    const QString invalid = "Invalid checksum. Internal error in test instrument or the CSV data has been modified";
    const QString ignored = "Checksum ignored. Spreadsheet data modification was detected";
    const QString spread = "Irradiance warning. Greater than 10% variance during test";
    QTest::addColumn<uint>("status");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QVariant>("foreground");
    const QString code = "\nStatus code of the test instrument: %1";
    QTest::newRow("plain") << 2u << "String 4" + code.arg(2) << QVariant();
    QTest::newRow("nothing to tell") << 0u << "String 4" << QVariant();
    QTest::newRow("tester's low bit") << uint(IVCurve::InstrumentOwnsBit1 | 3u) << "String 4" + code.arg(3)
                                      << QVariant();
    // Imported before the tester's bit was told apart: the low bit is the checksum's, as it was.
    QTest::newRow("imported earlier") << 3u << invalid << QVariant(QColor(Qt::red));
    QTest::newRow("tester's low bit, irradiance")
        << uint(IVCurve::InstrumentOwnsBit1 | IVCurve::IrradianceSpread | IVCurve::NoIrradiance | 0x21u)
        << spread + code.arg(0x21) << QVariant(QColor(Qt::blue));
    QTest::newRow("spreadsheet") << uint(IVCurve::SpreadsheetModified) << ignored << QVariant(QColor(Qt::darkGreen));
    QTest::newRow("checksum and irradiance") << uint(IVCurve::ChecksumFailed | IVCurve::IrradianceSpread)
                                             << invalid + "\n" + spread << QVariant(QColor(Qt::red));
    QTest::newRow("spreadsheet and irradiance") << uint(IVCurve::SpreadsheetModified | IVCurve::IrradianceSpread)
                                                << ignored + "\n" + spread << QVariant(QColor(Qt::blue));
    QTest::newRow("irradiance alone") << uint(IVCurve::IrradianceSpread | IVCurve::NoCellTemperature) << spread
                                      << QVariant(QColor(Qt::blue));
}

void CurveTreeModelTest::statusShowsTipsAndColours()
{
    QFETCH(uint, status);
    QFETCH(QString, toolTip);
    QFETCH(QVariant, foreground);
    TestCurveFile file;
    CurveTreeModel model(file.database());
    TreeItem* item = addNode(model, QStringLiteral("String 4"));
    model.setItemValues(item, {{TreeItem::Status, status}});
    for (int column = 0; column < model.columnCount(); ++column) {
        const QModelIndex index = model.indexFor(item, column);
        QCOMPARE(index.data(Qt::ToolTipRole).toString(), toolTip);
        QCOMPARE(index.data(Qt::ForegroundRole), foreground);
    }
    QVERIFY(!model.indexFor(item).data(Qt::UserRole).isValid());
}

void CurveTreeModelTest::colourSwatchInItsColumn()
{
    TestCurveFile file;
    CurveTreeModel model(file.database());
    TreeItem* item = addNode(model, QStringLiteral("String 1"));
    model.setItemValues(item, {{TreeItem::Status, uint(IVCurve::ChecksumFailed)}});
    QVERIFY(!model.indexFor(item, CurveTreeModel::ColourColumn).data(Qt::BackgroundRole).isValid());
    model.setItemColour(item, QColor(0x12, 0x34, 0x56));
    const QModelIndex swatch = model.indexFor(item, CurveTreeModel::ColourColumn);
    QCOMPARE(swatch.data(Qt::BackgroundRole), QVariant(QColor(0x12, 0x34, 0x56)));
    QCOMPARE(swatch.data(Qt::ForegroundRole), QVariant(QColor(0x12, 0x34, 0x56)));
    QCOMPARE(model.indexFor(item, 0).data(Qt::ForegroundRole), QVariant(QColor(Qt::red)));
    QVERIFY(!model.indexFor(item, 0).data(Qt::BackgroundRole).isValid());
    QCOMPARE(model.indexFor(item, CurveTreeModel::MemoryIndexColumn).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignCenter));
}

void CurveTreeModelTest::onlyDescriptionIrradianceAndCellTemperatureAreEdited()
{
    TestCurveFile file;
    CurveTreeModel model(file.database());
    TreeItem* item = addNode(model, QStringLiteral("String 1"));
    model.setItemValues(item, {{TreeItem::MemoryIndex, 1}, {TreeItem::FillFactor, "0.77"}});
    QSignalSpy modified(&model, &CurveTreeModel::modified);
    QVERIFY(model.setData(model.indexFor(item, 0), QStringLiteral("East roof")));
    QVERIFY(model.setData(model.indexFor(item, 3), QStringLiteral("812")));
    QVERIFY(model.setData(model.indexFor(item, 4), QStringLiteral("41.5")));
    QVERIFY(!model.setData(model.indexFor(item, 1), 9));
    QVERIFY(!model.setData(model.indexFor(item, 5), QStringLiteral("0.1")));
    QVERIFY(!model.setData(model.indexFor(item, 0), QStringLiteral("x"), Qt::DisplayRole));
    QCOMPARE(modified.count(), 3);
    QCOMPARE(item->value(TreeItem::Description).toString(), QStringLiteral("East roof"));
    QCOMPARE(item->value(TreeItem::Irradiance).toString(), QStringLiteral("812"));
    QCOMPARE(item->value(TreeItem::CellTemperature).toString(), QStringLiteral("41.5"));
    QCOMPARE(model.indexFor(item, 5).data().toString(), QStringLiteral("0.77"));
    QVERIFY(model.flags(model.indexFor(item, 0)) & Qt::ItemIsEditable);
    QVERIFY(!(model.flags(model.indexFor(item, 3)) & Qt::ItemIsEditable));
    QVERIFY(!(model.flags(model.indexFor(item, 3)) & Qt::ItemIsDragEnabled));
    QCOMPARE(model.flags(QModelIndex()), Qt::ItemIsDropEnabled);
}

void CurveTreeModelTest::newRowsCountUpFromTheLargestNodeId()
{
    TestCurveFile file;
    file.execute("INSERT INTO TreeNodes (NodeID, NodeDesc, ParentRow) VALUES (41, 'Old', 0)");
    CurveTreeModel model(file.database());
    QVERIFY(model.load());
    QCOMPARE(model.lastNodeId(), 41);
    QSignalSpy modified(&model, &CurveTreeModel::modified);
    TreeItem* first = model.insertNewRow();
    TreeItem* second = model.insertNewRow(model.indexFor(first));
    QCOMPARE(first->value(TreeItem::NodeId).toInt(), 42);
    QCOMPARE(second->value(TreeItem::NodeId).toInt(), 43);
    QCOMPARE(second->value(TreeItem::ParentNodeId).toInt(), 42);
    QVERIFY(first->value(TreeItem::ParentNodeId).isNull());
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("<New Row>"));
    QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("Old"));
    QVERIFY(model.insertRows(1, 2, model.indexFor(first)));
    QCOMPARE(first->child(2)->value(TreeItem::NodeId).toInt(), 45);
    QCOMPARE(modified.count(), 3);
    QCOMPARE(modified.last().first().toBool(), true);
}

void CurveTreeModelTest::savingAndReopeningKeepsOrderAndNesting()
{
    TestCurveFile file;
    const QStringList expected{"A", "  a1", "  a2", "    deep", "  a3", "B", "  b1"};
    {
        CurveTreeModel model(file.database());
        buildTree(model, file);
        model.setItemColour(model.itemFor(find(model, "a2")), QColor(Qt::magenta));
        QCOMPARE(outline(model), expected);
        QSignalSpy modified(&model, &CurveTreeModel::modified);
        QVERIFY(model.save());
        QCOMPARE(modified.count(), 1);
        QCOMPARE(modified.first().first().toBool(), false);
    }
    QCOMPARE(file.rows("SELECT NodeDesc, ParentRow, Colour FROM TreeNodes WHERE NodeDesc IN ('a2', 'B', 'deep') "
                       "ORDER BY NodeDesc"),
             (QStringList{"B|1|NULL", "a2|1|#ff00ff", "deep|0|NULL"}));
    CurveTreeModel reopened(file.database());
    QVERIFY(reopened.load());
    QCOMPARE(outline(reopened), expected);
    QCOMPARE(reopened.itemFor(find(reopened, "a2"))->colour(), QColor(Qt::magenta));
    QVERIFY(!reopened.itemFor(find(reopened, "a1"))->colour().isValid());
    QCOMPARE(reopened.lastNodeId(), 7);
}

void CurveTreeModelTest::savingPurgesCurvesWithoutNodesAndWritesAnEmptyTree()
{
    TestCurveFile file;
    CurveTreeModel model(file.database());
    buildTree(model, file);
    file.addCurve(8);
    QVERIFY(model.save());
    QCOMPARE(file.rows("SELECT MemLocation FROM Curves"), QStringList{"7"});
    QVERIFY(model.removeRows(0, 2));
    QVERIFY(model.save());
    QCOMPARE(file.count("TreeNodes"), 0);
    QCOMPARE(file.count("Curves"), 0);
}

void CurveTreeModelTest::failedSaveLeavesTheFileAndIsShown()
{
    TestCurveFile file;
    CurveTreeModel model(file.database());
    buildTree(model, file);
    QVERIFY(model.save());
    // The first nodes go in before the failure: the whole save must be undone.
    QVERIFY(file.execute("CREATE TRIGGER full BEFORE INSERT ON TreeNodes WHEN NEW.NodeDesc = 'b1' "
                         "BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
    QVERIFY(model.removeRows(0, 1));
    ScriptedPrompts prompts;
    QSignalSpy modified(&model, &CurveTreeModel::modified);
    QVERIFY(!model.save());
    QCOMPARE(modified.count(), 0);
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().message.icon, QMessageBox::Critical);
    QCOMPARE(prompts.last().message.title, QStringLiteral("Arventa"));
    QVERIFY(prompts.last().message.text.contains("disk is full"));
    QCOMPARE(file.count("TreeNodes"), 7);
    QCOMPARE(file.count("Curves"), 1);
    QVERIFY(file.execute("DROP TRIGGER full"));
    QVERIFY(model.save());
    QCOMPARE(file.count("TreeNodes"), 2);
}

void CurveTreeModelTest::loadsCurveValuesThroughTheJoin()
{
    TestCurveFile file;
    const qint64 curve = file.addCurve(12, QStringLiteral("2015-03-07T09:05:00"), 812.5);
    file.execute("INSERT INTO TreeNodes VALUES (1, NULL, 'File', NULL, 0, 0, NULL)");
    file.execute(QStringLiteral("INSERT INTO TreeNodes VALUES (2, 1, 'String 12', %1, 0, 128, '#00ff00')").arg(curve));
    file.execute("INSERT INTO TreeNodes VALUES (3, 1, 'Gone', 99, 1, 0, NULL)");
    CurveTreeModel model(file.database());
    QVERIFY(model.load());
    const QModelIndex string = model.index(0, 0, model.index(0, 0));
    QCOMPARE(string.data().toString(), QStringLiteral("String 12"));
    QCOMPARE(string.sibling(0, 1).data().toInt(), 12);
    QCOMPARE(string.sibling(0, 2).data().toString(), QStringLiteral("07/03/2015 09:05:00"));
    QCOMPARE(string.sibling(0, 3).data().toDouble(), 812.5);
    QCOMPARE(string.sibling(0, 4).data().toDouble(), 45.5);
    QCOMPARE(string.sibling(0, 5).data().toDouble(), 0.77);
    QCOMPARE(model.itemFor(string)->value(TreeItem::CurveId).toLongLong(), curve);
    QCOMPARE(string.sibling(0, 0).data(Qt::ForegroundRole), QVariant(QColor(Qt::blue)));
    const QModelIndex gone = model.index(1, 0, model.index(0, 0));
    QVERIFY(model.itemFor(gone)->value(TreeItem::CurveId).isNull());
    QVERIFY(!gone.sibling(1, 3).data().isValid() || gone.sibling(1, 3).data().isNull());
    QVERIFY(!model.hasChildren(string));
    QVERIFY(model.hasChildren(model.index(0, 0)));
}

// Below 700 W/m² or without a module the STC values are estimates; folders carry no mark.
void CurveTreeModelTest::approximateConversionsAreMarked()
{
    TestCurveFile file;
    const qint64 dim = file.addCurve(1, QString(), 420);
    const qint64 bright = file.addCurve(2, QString(), 700);
    file.execute(QStringLiteral("UPDATE Curves SET ModuleID = 3 WHERE CurveID = %1").arg(bright));
    file.execute("INSERT INTO TreeNodes VALUES (1, NULL, 'File', NULL, 0, 0, NULL)");
    file.execute(QStringLiteral("INSERT INTO TreeNodes VALUES (2, 1, 'Dim', %1, 0, 0, NULL)").arg(dim));
    file.execute(QStringLiteral("INSERT INTO TreeNodes VALUES (3, 1, 'Bright', %1, 1, 0, NULL)").arg(bright));
    CurveTreeModel model(file.database());
    QVERIFY(model.load());
    const QModelIndex folder = model.index(0, 0);
    const QModelIndex dimRow = model.index(0, 0, folder);
    const QModelIndex brightRow = model.index(1, 0, folder);
    QVERIFY(!dimRow.data(Qt::DecorationRole).value<QIcon>().isNull());
    QVERIFY(!dimRow.siblingAtColumn(CurveTreeModel::IrradianceColumn).data(Qt::DecorationRole).isValid());
    QCOMPARE(dimRow.siblingAtColumn(CurveTreeModel::FillFactorColumn).data(Qt::ToolTipRole).toString(),
             QStringLiteral("Dim\napproximate: measured at 420 W/m²; no module assigned"));
    QVERIFY(!brightRow.data(Qt::DecorationRole).isValid());
    QCOMPARE(brightRow.data(Qt::ToolTipRole).toString(), QStringLiteral("Bright"));
    QVERIFY(!folder.data(Qt::DecorationRole).isValid());

    // Corrected readings and an assigned module clear the mark at once.
    TreeItem* item = model.itemFor(dimRow);
    QSignalSpy changed(&model, &CurveTreeModel::dataChanged);
    model.setItemValues(item, {{TreeItem::Irradiance, QStringLiteral("750")}});
    QCOMPARE(dimRow.data(Qt::ToolTipRole).toString(), QStringLiteral("Dim\napproximate: no module assigned"));
    CurveData curve;
    curve.curveId = int(dim);
    AssignedModule module;
    module.moduleId = 3;
    curve.setModule(module);
    CurveReadings readings;
    readings.irradiance = QStringLiteral("750");
    curve.setReadings(readings);
    curve.addPoint(0.0, 8.0, 0.0);
    curve.addPoint(370.0, 5.0, 0.0);
    curve.addPoint(400.0, 1.0, 0.0);
    model.setItemConversion(item, curve);
    QCOMPARE(changed.count(), 2);
    // At 750 W/m² the end lifts by 8/3 A and moves left by Rs·8/3: 27.5 V beyond 399.07 V.
    QCOMPARE(dimRow.data(Qt::ToolTipRole).toString(), QStringLiteral("Dim\napproximate: Voc extrapolated by 6.4 %"));
    curve.addPoint(430.0, -3.0, 0.0);
    model.setItemConversion(item, curve);
    QVERIFY(!dimRow.data(Qt::DecorationRole).isValid());
    QCOMPARE(dimRow.data(Qt::ToolTipRole).toString(), QStringLiteral("Dim"));
}

void CurveTreeModelTest::dragPayloadIsBigEndianHandles()
{
    TestCurveFile file;
    CurveTreeModel model(file.database());
    TreeItem* first = addNode(model, QStringLiteral("one"));
    TreeItem* second = addNode(model, QStringLiteral("two"));
    const auto data = dragOf(model, {model.indexFor(second), model.indexFor(first)});
    QCOMPARE(model.mimeTypes(), QStringList{"application/vnd.custom.ctmtype"});
    const QByteArray payload = data->data(QStringLiteral("application/vnd.custom.ctmtype"));
    QCOMPARE(payload.size(), 8);
    const quint32 handle = quint32(uchar(payload[0])) << 24 | quint32(uchar(payload[1])) << 16
        | quint32(uchar(payload[2])) << 8 | quint32(uchar(payload[3]));
    QCOMPARE(handle, second->handle());
    QVERIFY(first->handle() != second->handle());
    QCOMPARE(model.supportedDropActions(), Qt::MoveAction);
}

void CurveTreeModelTest::rowSelectedInAllColumnsMovesOnce()
{
    TestCurveFile file;
    CurveTreeModel model(file.database());
    buildTree(model, file);
    const QModelIndex b1 = find(model, "b1");
    const auto data = dragOf(model, wholeRow(model, b1));
    QSignalSpy modified(&model, &CurveTreeModel::modified);
    QVERIFY(model.dropMimeData(data.get(), Qt::MoveAction, 1, 0, find(model, "A")));
    QCOMPARE(outline(model), (QStringList{"A", "  a1", "  b1", "  a2", "    deep", "  a3", "B"}));
    QCOMPARE(modified.count(), 1);
    TreeItem* moved = model.itemFor(find(model, "b1"));
    QCOMPARE(moved->value(TreeItem::ParentNodeId), model.itemFor(find(model, "A"))->value(TreeItem::NodeId));
    QVERIFY(model.dropMimeData(data.get(), Qt::MoveAction, -1, -1, QModelIndex()));
    QCOMPARE(outline(model).last(), QStringLiteral("b1"));
    QVERIFY(moved->value(TreeItem::ParentNodeId).isNull());
}

void CurveTreeModelTest::dropsReorderWithinOneParent_data()
{
    QTest::addColumn<QStringList>("dragged");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("children");
    QTest::newRow("first to the end") << QStringList{"a1"} << -1 << QStringList{"a2", "a3", "a1"};
    QTest::newRow("last to the top") << QStringList{"a3"} << 0 << QStringList{"a3", "a1", "a2"};
    QTest::newRow("onto its own place") << QStringList{"a2"} << 2 << QStringList{"a1", "a2", "a3"};
    QTest::newRow("two in tree order") << QStringList{"a3", "a1"} << 2 << QStringList{"a2", "a1", "a3"};
}

void CurveTreeModelTest::dropsReorderWithinOneParent()
{
    QFETCH(QStringList, dragged);
    QFETCH(int, row);
    QFETCH(QStringList, children);
    TestCurveFile file;
    CurveTreeModel model(file.database());
    buildTree(model, file);
    QModelIndexList indexes;
    for (const QString& name : dragged)
        indexes << find(model, name);
    const auto data = dragOf(model, indexes);
    const QModelIndex a = find(model, "A");
    QVERIFY(model.dropMimeData(data.get(), Qt::MoveAction, row, 0, a));
    QStringList names;
    for (int child = 0; child < model.rowCount(a); ++child)
        names << model.index(child, 0, a).data().toString();
    QCOMPARE(names, children);
    QCOMPARE(model.rowCount(find(model, "a2")), 1);
}

void CurveTreeModelTest::dropsThatWouldBreakTheTreeAreRefused()
{
    TestCurveFile file;
    CurveTreeModel model(file.database());
    buildTree(model, file);
    const QStringList before = outline(model);
    const auto a = dragOf(model, {find(model, "A")});
    QSignalSpy modified(&model, &CurveTreeModel::modified);
    QVERIFY(!model.canDropMimeData(a.get(), Qt::MoveAction, -1, -1, find(model, "deep")));
    QVERIFY(!model.dropMimeData(a.get(), Qt::MoveAction, -1, -1, find(model, "deep")));
    QVERIFY(!model.dropMimeData(a.get(), Qt::MoveAction, -1, -1, find(model, "A")));
    QVERIFY(!model.dropMimeData(a.get(), Qt::MoveAction, 0, 2, find(model, "B")));
    QVERIFY(model.canDropMimeData(a.get(), Qt::MoveAction, 0, 0, find(model, "B")));
    QMimeData foreign;
    foreign.setText(QStringLiteral("A"));
    QVERIFY(!model.dropMimeData(&foreign, Qt::MoveAction, 0, 0, QModelIndex()));
    QMimeData stale;
    stale.setData(QStringLiteral("application/vnd.custom.ctmtype"), QByteArray::fromHex("ffffffff00000000abc"));
    QVERIFY(!model.dropMimeData(&stale, Qt::MoveAction, 0, 0, QModelIndex()));
    QVERIFY(model.dropMimeData(&foreign, Qt::IgnoreAction, 0, 0, QModelIndex()));
    QCOMPARE(outline(model), before);
    QCOMPARE(modified.count(), 0);
}

void CurveTreeModelTest::removingRowsTakesTheSubtree()
{
    TestCurveFile file;
    CurveTreeModel model(file.database());
    buildTree(model, file);
    const QModelIndex a = find(model, "A");
    QVERIFY(!model.removeRows(2, 2, a));
    QVERIFY(model.removeRows(1, 2, a));
    QCOMPARE(outline(model), (QStringList{"A", "  a1", "B", "  b1"}));
}

void CurveTreeModelTest::testDatesShownInTheShortFormat_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("iso") << "2015-03-07T09:05:00" << "07/03/2015 09:05:00";
    QTest::newRow("iso date alone") << "2015-03-07" << "07/03/2015 00:00:00";
    QTest::newRow("older short format") << "07/03/2015 9:5:0" << "07/03/2015 09:05:00";
    QTest::newRow("older time out of range") << "07/03/2015 25:00:00" << "";
    QTest::newRow("older time of two parts") << "07/03/2015 09:05" << "";
    QTest::newRow("three parts") << "07/03/2015 09:05:00 x" << "";
    QTest::newRow("time alone") << "T09:05:00" << "";
    QTest::newRow("empty") << "" << "";
}

void CurveTreeModelTest::testDatesShownInTheShortFormat()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(IVCurve::TestDateText::forDisplay(stored), shown);
    QCOMPARE(IVCurve::TestDateText::forDisplay(stored, QLocale(QLocale::German, QLocale::Germany)).isEmpty(),
             shown.isEmpty());
}

VELTRANO_TEST(CurveTreeModelTest)
#include "CurveTreeModelTest.moc"
