#include "CurveData.h"
#include "CurveDocument.h"
#include "CurveTable.h"
#include "CurveTreeModel.h"
#include "ScriptedPrompts.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace IVCurve;

namespace {
// A chain of folders, each the only child of the one before.
void addChain(TestCurveFile& file, int depth)
{
    QVERIFY(file.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                        "INSERT INTO TreeNodes (NodeID, ParentNodeID, NodeDesc, ParentRow) "
                                        "SELECT i, CASE WHEN i = 1 THEN NULL ELSE i - 1 END, 'folder', 0 FROM n")
                             .arg(depth)));
}

// Where the table has lost its primary key, a node can be listed as its own child.
void addNodeBelowItself(TestCurveFile& file)
{
    QVERIFY(file.execute(QStringLiteral("DROP TABLE TreeNodes")));
    QVERIFY(file.execute(QStringLiteral("CREATE TABLE TreeNodes (NodeID INTEGER, ParentNodeID INTEGER, NodeDesc TEXT, "
                                        "CurveID INTEGER, ParentRow INTEGER, Status INTEGER, Colour TEXT)")));
    QVERIFY(file.execute(QStringLiteral("INSERT INTO TreeNodes (NodeID, ParentNodeID, NodeDesc, ParentRow) "
                                        "VALUES (1, NULL, 'top', 0), (1, 1, 'itself', 0)")));
}

// `count` points "1:1", joined by "#".
qint64 addCurveOfPoints(TestCurveFile& file, int count)
{
    const qint64 id = file.addCurve(1);
    file.execute(QStringLiteral("UPDATE Curves SET CurvePoints = substr(replace(hex(zeroblob(%1)), '00', '1:1#'), 1, %2) "
                                "WHERE CurveID = %3")
                     .arg(count)
                     .arg(4 * count - 1)
                     .arg(id));
    return id;
}
} // namespace

class HostileCurveFileTest : public QObject
{
    Q_OBJECT

private slots:
    void treeDepthIsBounded_data();
    void treeDepthIsBounded();
    void nodeBelowItselfIsRefused();
    void documentOnARefusedTreeSaysWhyAndShowsNothing();
    void pointsPerCurveAreBounded_data();
    void pointsPerCurveAreBounded();
    void pointsTextIsBoundedBeforeDecoding();
};

void HostileCurveFileTest::treeDepthIsBounded_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("loads");
    QTest::newRow("32 levels") << 32 << true;
    QTest::newRow("33 levels") << 33 << false;
    // Crashed the recursive loader.
    QTest::newRow("100,000 levels") << 100000 << false;
}

void HostileCurveFileTest::treeDepthIsBounded()
{
    QFETCH(int, depth);
    QFETCH(bool, loads);
    TestCurveFile file;
    addChain(file, depth);
    CurveTreeModel tree(file.database());
    QCOMPARE(tree.load(), loads);
    QCOMPARE(tree.refusal().isEmpty(), loads);
    QCOMPARE(tree.rowCount(), loads ? 1 : 0);
    if (!loads)
        QCOMPARE(tree.refusal(), QStringLiteral("its curve tree is nested more than 32 levels deep"));
}

void HostileCurveFileTest::nodeBelowItselfIsRefused()
{
    TestCurveFile file;
    addNodeBelowItself(file);
    CurveTreeModel tree(file.database());
    QVERIFY(!tree.load());
    QCOMPARE(tree.refusal(), QStringLiteral("node 1 of its curve tree comes more than once or lies below itself"));
    QCOMPARE(tree.rowCount(), 0);
}

void HostileCurveFileTest::documentOnARefusedTreeSaysWhyAndShowsNothing()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("deep.arvcrv"));
    {
        TestCurveFile file;
        addChain(file, 40);
        QVERIFY(QFile::copy(file.path(), path));
    }
    ScriptedPrompts prompts;
    {
        CurveDocument document(path);
        QVERIFY(!document.isValid());
        QCOMPARE(document.treeModel()->rowCount(), 0);
    }
    QCOMPARE(prompts.messageTexts(),
             QStringList{QDir::toNativeSeparators(path)
                         + QStringLiteral(" cannot be opened: its curve tree is nested more than 32 levels deep.")});
    QCOMPARE(prompts.last().message.icon, QMessageBox::Critical);
}

void HostileCurveFileTest::pointsPerCurveAreBounded_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("loads");
    QTest::newRow("100,000 points") << 100000 << true;
    QTest::newRow("100,001 points") << 100001 << false;
}

void HostileCurveFileTest::pointsPerCurveAreBounded()
{
    QFETCH(int, points);
    QFETCH(bool, loads);
    TestCurveFile file;
    const qint64 id = addCurveOfPoints(file, points);
    ScriptedPrompts prompts;
    CurveData curve;
    const CurveTable::LoadResult result = CurveTable(file.database()).load(int(id), curve);
    QCOMPARE(result == CurveTable::LoadResult::Loaded, loads);
    QCOMPARE(curve.points().size(), loads ? points : 0);
    if (!loads)
        QCOMPARE(prompts.messageTexts(),
                 QStringList{QStringLiteral("Curve %1 of %2 cannot be shown: it has more than 100000 points.")
                                 .arg(id)
                                 .arg(QDir::toNativeSeparators(file.path()))});
}

// 10 MB of "#" took 968 MB as ten million empty points.
void HostileCurveFileTest::pointsTextIsBoundedBeforeDecoding()
{
    TestCurveFile file;
    const qint64 id = file.addCurve(1);
    QVERIFY(file.execute(QStringLiteral("UPDATE Curves SET CurvePoints = replace(hex(zeroblob(5242880)), '0', '#') "
                                        "WHERE CurveID = %1").arg(id)));
    ScriptedPrompts prompts;
    CurveData curve;
    QCOMPARE(CurveTable(file.database()).load(int(id), curve), CurveTable::LoadResult::Failed);
    QVERIFY(curve.points().isEmpty());
    QCOMPARE(prompts.messageTexts(),
             QStringList{QStringLiteral("Curve %1 of %2 cannot be shown: its points take more than 6400000 characters.")
                             .arg(id)
                             .arg(QDir::toNativeSeparators(file.path()))});
}

VELTRANO_TEST(HostileCurveFileTest)
#include "HostileCurveFileTest.moc"
