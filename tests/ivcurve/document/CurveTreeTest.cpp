#include "CurveTree.h"
#include "CurveTreeModel.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using IVCurve::CurveTree;
using IVCurve::CurveTreeModel;
using IVCurve::TreeItem;

class CurveTreeTest : public QObject
{
    Q_OBJECT

private slots:
    void firstShowFitsTheColumnsToTheirContents();
    void expandingANodeWidensColumnsForItsChildren();
    void doubleClickLeavesTheNameAloneAndF2RenamesIt();
};

void CurveTreeTest::firstShowFitsTheColumnsToTheirContents()
{
    TestCurveFile file;
    CurveTreeModel model(file.database());
    TreeItem* node = model.insertNewRow();
    const QString description = QStringLiteral("A description far wider than the column would be by default");
    model.setItemValues(node, {{TreeItem::Description, description}});
    CurveTree tree;
    tree.setModel(&model);
    for (int section = 0; section < model.columnCount(); ++section)
        QCOMPARE(tree.header()->sectionResizeMode(section), QHeaderView::Interactive);
    tree.resize(900, 300);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    const int fitted = tree.header()->sectionSize(0);
    QVERIFY(fitted >= tree.fontMetrics().horizontalAdvance(description));
    tree.header()->resizeSection(0, 40);
    tree.hide();
    tree.show();
    QCOMPARE(tree.header()->sectionSize(0), 40);
}

// As after reopening a file: the nodes below the file node are hidden at first show.
void CurveTreeTest::expandingANodeWidensColumnsForItsChildren()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    TestCurveFile file;
    CurveTreeModel model(file.database());
    TreeItem* folder = model.insertNewRow();
    TreeItem* curve = model.insertNewRow(model.indexFor(folder));
    model.setItemValues(curve, {{TreeItem::TestDate, QStringLiteral("2026-07-03T09:00:00")},
                                {TreeItem::Irradiance, QStringLiteral("1234567.89")}});
    CurveTree tree;
    tree.setModel(&model);
    tree.resize(900, 300);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    const int dateWidth = tree.fontMetrics().horizontalAdvance(QStringLiteral("03/07/2026 09:00:00"));
    const int irradianceWidth = tree.fontMetrics().horizontalAdvance(QStringLiteral("1234567.89"));
    QVERIFY(tree.header()->sectionSize(CurveTreeModel::TestDateColumn) < dateWidth);
    tree.expand(model.indexFor(folder));
    QVERIFY(tree.header()->sectionSize(CurveTreeModel::TestDateColumn) >= dateWidth);
    QVERIFY(tree.header()->sectionSize(CurveTreeModel::IrradianceColumn) >= irradianceWidth);
    // A column the user made wider stays so.
    tree.header()->resizeSection(CurveTreeModel::FillFactorColumn, 333);
    tree.collapseAll();
    tree.expand(model.indexFor(folder));
    QCOMPARE(tree.header()->sectionSize(CurveTreeModel::FillFactorColumn), 333);
    QLocale::setDefault(QLocale::system());
}

// The window's own F2 command (the project tree's Rename) must not take the key from the tree.
void CurveTreeTest::doubleClickLeavesTheNameAloneAndF2RenamesIt()
{
    TestCurveFile file;
    CurveTreeModel model(file.database());
    TreeItem* node = model.insertNewRow();
    QWidget window;
    auto* rename = new QAction(QStringLiteral("Rename"), &window);
    rename->setShortcut(Qt::Key_F2);
    window.addAction(rename);
    QSignalSpy renamed(rename, &QAction::triggered);
    auto* tree = new CurveTree(&window);
    (new QVBoxLayout(&window))->addWidget(tree);
    tree->setModel(&model);
    window.resize(600, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    tree->setFocus();
    const QModelIndex index = model.indexFor(node);
    tree->setCurrentIndex(index);
    const QPoint centre = tree->visualRect(index).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QVERIFY(!tree->viewport()->findChild<QLineEdit*>());
    QTest::keyClick(tree, Qt::Key_F2);
    QVERIFY(tree->viewport()->findChild<QLineEdit*>());
    QCOMPARE(renamed.count(), 0);
}

VELTRANO_TEST(CurveTreeTest)
#include "CurveTreeTest.moc"
