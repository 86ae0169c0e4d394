#include "CurveTree.h"
#include "CurveTreeModel.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QHeaderView>
#include <QTest>

using IVCurve::CurveTree;
using IVCurve::CurveTreeModel;
using IVCurve::TreeItem;

class CurveTreeTest : public QObject
{
    Q_OBJECT

private slots:
    void firstShowFitsTheColumnsToTheirContents();
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

VELTRANO_TEST(CurveTreeTest)
#include "CurveTreeTest.moc"
