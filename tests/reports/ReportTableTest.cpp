#include "GraphicsTextItem.h"
#include "ReportTable.h"
#include "ReportTableCell.h"
#include "ReportTableSet.h"
#include "SceneFixture.h"
#include "TestMain.h"

#include <QTest>
#include <QTextCursor>

namespace {
// The measurement grid of the array test report, reduced to what sizing and spans need.
const char arrayTestTable[] =
    "<document><page id='p'>"
    "<table id='test_table' x='38.5' y='435' width='716.5' height='648.2' numRows='26' numCols='8'"
    " editable='1' font='Arial' fontSize='7' padding='0.5'>"
    "<tableset col='0' size='100' editable='0'/>"
    "<tableset col='1' size='100' editable='0'/>"
    "<tableset row='0' size='19.5' backgroundColour='#000000' colour='#ffffff' fontWeight='75'"
    " font='Microsoft Sans Serif' fontSize='7.7'/>"
    "<tableset row='25' size='143.2'/>"
    "<cell col='0' row='0' colspan='2' editable='0'> STRING</cell>"
    "<cell col='0' row='1' rowspan='2'>Array</cell>"
    "<cell col='1' row='1'>Module</cell>"
    "<cell col='1' row='12' id='Voc (VDC)'>Voc (V)</cell>"
    "<cell col='0' row='15' colspan='2'>Polarity Check</cell>"
    "<cell col='0' row='25' colspan='8' editable='0'>Comments</cell>"
    "</table></page></document>";

QString tableXml(const QString& attributes, const QString& children)
{
    return QString("<document><page id='p'><table id='t' %1>%2</table></page></document>").arg(attributes, children);
}
} // namespace

class ReportTableTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void sharesWhatExplicitSizesLeave();
    void explicitSizesStillGetOffsets();
    void zeroSizesWithEveryColumnExplicit();
    void settingsWithoutPositionAreIgnored();
    void cellsInheritFromRowBeforeColumn();
    void spansBlockTheCoveredPositions();
    void cellsOutsideTheGridAreClipped();
    void cellKeyOrdersByRowThenColumn();
    void movesFollowTheKeys();
    void valuesAreReadByPosition();
    void implicitCellsAreWrittenOnlyWithText();
    void idsOfCellsReachTheScene();
};

void ReportTableTest::init()
{
    ReportScene::setScreenDpiY(96.0);
}

void ReportTableTest::sharesWhatExplicitSizesLeave()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(arrayTestTable));
    auto* table = fixture.item<ReportTable>("test_table");
    QCOMPARE(table->columnCount(), 8);
    QCOMPARE(table->rowCount(), 26);
    QCOMPARE(table->columnSetting(0)->size(), 100.0);
    QVERIFY(qAbs(table->columnSetting(2)->size() - 86.083333333333) < 1e-9);
    QVERIFY(qAbs(table->columnSetting(7)->offset() - (200 + 5 * 86.0833333333333)) < 1e-9);
    QVERIFY(qAbs(table->rowSetting(1)->size() - 20.2291666666667) < 1e-9);
    QVERIFY(qAbs(table->rowSetting(25)->offset() - (648.2 - 143.2)) < 1e-9);
    // One past the last is the table's edge.
    QCOMPARE(table->columnSetting(8)->offset(), 716.5);
    QCOMPARE(table->rowSetting(26)->offset(), 648.2);
    QVERIFY(!table->columnSetting(9));

    ReportTableCell* last = table->cellAt(24, 7);
    QVERIFY(qAbs(last->pos().x() + last->frame().width() - 716.5) < 1e-9);
    QVERIFY(qAbs(last->frame().height() - 20.2291666666667) < 1e-9);
    ReportTableCell* comments = table->cellAt(25, 0);
    QCOMPARE(comments->frame().size(), QSizeF(716.5, 143.2));
}

void ReportTableTest::explicitSizesStillGetOffsets()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(tableXml("width='100' height='10' numCols='3' numRows='1'",
                                   "<tableset col='0' size='10'/><tableset col='1' size='30'/>"
                                   "<tableset col='2' size='40'/>")));
    auto* table = fixture.item<ReportTable>("t");
    QCOMPARE(table->columnSetting(1)->offset(), 10.0);
    QCOMPARE(table->columnSetting(2)->offset(), 40.0);
    // The last cell ends at the table's edge, not at the sum of the sizes.
    QCOMPARE(table->cellAt(0, 2)->frame().width(), 60.0);
}

void ReportTableTest::zeroSizesWithEveryColumnExplicit()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(tableXml("width='100' height='10' numCols='2' numRows='1'",
                                   "<tableset col='0' size='0'/><tableset col='1' size='30'/>")));
    auto* table = fixture.item<ReportTable>("t");
    QCOMPARE(table->columnSetting(0)->size(), 0.0);
    QCOMPARE(table->columnSetting(1)->offset(), 0.0);
    QVERIFY(qIsFinite(table->cellAt(0, 0)->frame().width()));

    // With a column left over, a size of 0 takes the default width.
    SceneFixture shared;
    QVERIFY(shared.build(tableXml("width='100' height='10' numCols='3' numRows='1'",
                                  "<tableset col='0' size='0'/><tableset col='1' size='30'/>")));
    QCOMPARE(shared.item<ReportTable>("t")->columnSetting(0)->size(), 70.0);
    QCOMPARE(shared.item<ReportTable>("t")->columnSetting(2)->size(), 70.0);
}

void ReportTableTest::settingsWithoutPositionAreIgnored()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(tableXml("width='90' height='20' numCols='3' numRows='2'",
                                   "<tableset size='50' fontWeight='75'/>"
                                   "<tableset col='1' row='1' size='40'/>"
                                   "<tableset col='7' size='40'/>")));
    auto* table = fixture.item<ReportTable>("t");
    QCOMPARE(table->columnSetting(1)->size(), 40.0);
    QVERIFY(!table->columnSetting(1)->isImplicit());
    QCOMPARE(table->columnSetting(0)->size(), 25.0);
    QVERIFY(table->rowSetting(1)->isImplicit());
    QCOMPARE(table->rowSetting(1)->size(), 10.0);
    // Only the column setting is written back.
    const QDomElement written = fixture.write(false).documentElement().firstChildElement().firstChildElement();
    QCOMPARE(written.elementsByTagName("tableset").size(), 1);
    const QDomElement setting = written.firstChildElement("tableset");
    QCOMPARE(setting.attribute("col"), QStringLiteral("1"));
    QCOMPARE(setting.attribute("row"), QStringLiteral("1"));
}

void ReportTableTest::cellsInheritFromRowBeforeColumn()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(arrayTestTable));
    auto* table = fixture.item<ReportTable>("test_table");
    // Row 0's setting wins over column 0's "not editable".
    ReportTableCell* header = table->cellAt(0, 2);
    QCOMPARE(header->parentReportItem(), static_cast<AbstractReportItem*>(table->rowSetting(0)));
    QCOMPARE(header->backgroundColour(), QColor(Qt::black));
    QCOMPARE(header->colour(), QColor(Qt::white));
    QCOMPARE(header->fontWeight(), 75);
    QCOMPARE(header->fontFamily(), QStringLiteral("Microsoft Sans Serif"));
    QVERIFY(header->isEditable());
    ReportTableCell* label = table->cellAt(3, 1);
    QVERIFY(label->isImplicit());
    QVERIFY(!label->isEditable());
    QCOMPARE(label->fontSize(), 7.0);
    QVERIFY(table->cellAt(3, 2)->isEditable());
    QCOMPARE(table->cellAt(3, 2)->parentReportItem(), static_cast<AbstractReportItem*>(table));
    QCOMPARE(table->cellAt(3, 2)->padding(), 0.5);
}

void ReportTableTest::spansBlockTheCoveredPositions()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(arrayTestTable));
    auto* table = fixture.item<ReportTable>("test_table");
    QVERIFY(table->cellAt(0, 0));
    QVERIFY(!table->cellAt(0, 1));
    QVERIFY(!table->cellAt(2, 0));
    QVERIFY(table->cellAt(2, 1));
    for (int column = 1; column < 8; ++column)
        QVERIFY(!table->cellAt(25, column));
    // 26 x 8 positions less the covered ones: 1 + 1 + 1 + 7.
    QCOMPARE(table->cells().size(), 26 * 8 - 10);
    QCOMPARE(table->cellAt(1, 0)->frame().height(), 2 * table->rowSetting(1)->size());
    QCOMPARE(table->cellAt(0, 0)->frame().width(), 200.0);

    // From row 1 column 1, up into row 0 column 1 lies inside the spanned header: nothing happens.
    fixture.activate();
    ReportTableCell* module = table->cellAt(1, 1);
    QVERIFY(!table->moveFrom(module, 0, -1));
    QVERIFY(!table->moveFrom(table->cellAt(1, 0), 0, 1));
    QVERIFY(!table->moveFrom(table->cellAt(25, 0), 0, 1));
    QVERIFY(!table->moveFrom(table->cellAt(5, 0), -1, 0));
    QVERIFY(table->moveFrom(module, 1, 0));
    QCOMPARE(table->currentCell(), table->cellAt(1, 2));
}

void ReportTableTest::cellsOutsideTheGridAreClipped()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(tableXml("width='40' height='40' numCols='2' numRows='2'",
                                   "<cell col='5' row='0'>outside</cell>"
                                   "<cell col='0' row='-1'>above</cell>"
                                   "<cell col='1' row='1' colspan='4' rowspan='9'>clipped</cell>")));
    auto* table = fixture.item<ReportTable>("t");
    QCOMPARE(table->cells().size(), 4);
    ReportTableCell* clipped = table->cellAt(1, 1);
    QCOMPARE(clipped->text(), QStringLiteral("clipped"));
    QCOMPARE(clipped->columnSpan(), 1);
    QCOMPARE(clipped->rowSpan(), 1);
    QCOMPARE(clipped->frame().size(), QSizeF(20, 20));
    QVERIFY(table->cellAt(0, 1)->isImplicit());
}

void ReportTableTest::cellKeyOrdersByRowThenColumn()
{
    QCOMPARE(ReportTable::cellKey(2, 3), quint32(0x00020003));
    QVERIFY(ReportTable::cellKey(0, 65535) < ReportTable::cellKey(1, 0));
    SceneFixture fixture;
    QVERIFY(fixture.build(tableXml("width='40' height='40' numCols='2' numRows='2'",
                                   "<cell col='1' row='1'>d</cell><cell col='0' row='0'>a</cell>")));
    // Cells are written in map order: by row, then column.
    const QDomElement table = fixture.write(false).documentElement().firstChildElement().firstChildElement();
    QCOMPARE(table.firstChildElement("cell").text(), QStringLiteral("a"));
    QCOMPARE(table.lastChildElement("cell").text(), QStringLiteral("d"));
}

void ReportTableTest::movesFollowTheKeys()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(tableXml("width='60' height='60' numCols='3' numRows='3' editable='1'",
                                   "<cell col='0' row='0'>ab</cell>")));
    auto* table = fixture.item<ReportTable>("t");
    fixture.activate();
    ReportTableCell* start = table->cellAt(0, 0);
    start->setFocus();
    QVERIFY(start->editor()->hasFocus());
    QCOMPARE(start->editor()->textInteractionFlags(), Qt::TextEditorInteraction);
    QCOMPARE(start->editor()->textCursor().selectedText(), QStringLiteral("ab"));
    // The whole text is selected with the cursor at its end: Right leaves the cell.
    fixture.key(Qt::Key_Right);
    QVERIFY(table->cellAt(0, 1)->editor()->hasFocus());
    QCOMPARE(start->editor()->textInteractionFlags(), Qt::NoTextInteraction);
    fixture.key(Qt::Key_Return);
    QCOMPARE(table->currentCell(), table->cellAt(1, 1));
    fixture.key(Qt::Key_Down);
    fixture.key(Qt::Key_Down);
    QCOMPARE(table->currentCell(), table->cellAt(2, 1));
    QVERIFY(table->cellAt(2, 1)->editor()->hasFocus());
    fixture.key(Qt::Key_Up);
    QCOMPARE(table->currentCell(), table->cellAt(1, 1));
    fixture.key(Qt::Key_Left);
    fixture.key(Qt::Key_Left);
    QCOMPARE(table->currentCell(), table->cellAt(1, 0));
    // Typing edits; Left inside the text moves the cursor, not the focus.
    fixture.type("xy");
    QCOMPARE(table->cellAt(1, 0)->text(), QStringLiteral("xy"));
    fixture.key(Qt::Key_Left);
    QCOMPARE(table->currentCell(), table->cellAt(1, 0));
    fixture.key(Qt::Key_Escape);
    QCOMPARE(table->cellAt(1, 0)->editor()->textInteractionFlags(), Qt::NoTextInteraction);

    // A caption cell holds the focus itself and still moves on.
    SceneFixture captions;
    QVERIFY(captions.build(tableXml("width='60' height='20' numCols='3' numRows='1' editable='1'",
                                    "<tableset col='0' editable='0'/>")));
    auto* captionTable = captions.item<ReportTable>("t");
    captions.activate();
    captionTable->cellAt(0, 0)->setFocus();
    QCOMPARE(captions.scene.focusItem(), captionTable->cellAt(0, 0));
    captions.key(Qt::Key_Right);
    QVERIFY(captionTable->cellAt(0, 1)->editor()->hasFocus());
}

void ReportTableTest::valuesAreReadByPosition()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(arrayTestTable));
    QVERIFY(fixture.apply("<document><page id='p'><table id='test_table'>"
                          "<cell row='0' col='2'>1</cell>"
                          "<cell row='12' col='3'>512.4</cell>"
                          "<cell row='0' col='1'>covered</cell>"
                          "<cell row='40' col='2'>outside</cell>"
                          "<cell col='4'>no row</cell>"
                          "</table></page></document>"));
    auto* table = fixture.item<ReportTable>("test_table");
    QCOMPARE(table->cellAt(0, 2)->text(), QStringLiteral("1"));
    QCOMPARE(table->cellAt(12, 3)->text(), QStringLiteral("512.4"));
    // A values element without id leaves the template's id in place.
    QCOMPARE(table->cellAt(12, 1)->id(), QStringLiteral("Voc (VDC)"));
    QCOMPARE(table->cellAt(0, 0)->text(), QStringLiteral(" STRING"));
}

void ReportTableTest::implicitCellsAreWrittenOnlyWithText()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(tableXml("width='40' height='40' numCols='2' numRows='2' editable='1'",
                                   "<cell col='0' row='0' editable='0'>Label</cell>")));
    auto* table = fixture.item<ReportTable>("t");
    auto cellsWritten = [&](bool valuesOnly) {
        return fixture.write(valuesOnly).documentElement().firstChildElement().firstChildElement("table")
            .elementsByTagName("cell");
    };
    QCOMPARE(cellsWritten(false).size(), 1);
    QCOMPARE(cellsWritten(true).size(), 0);

    fixture.activate();
    table->cellAt(1, 1)->setFocus();
    fixture.type("v");
    const QDomNodeList layout = cellsWritten(false);
    QCOMPARE(layout.size(), 2);
    const QDomElement typed = layout.at(1).toElement();
    QCOMPARE(typed.attribute("col"), QStringLiteral("1"));
    QCOMPARE(typed.attribute("row"), QStringLiteral("1"));
    QCOMPARE(typed.attribute("height"), QStringLiteral("20"));
    QCOMPARE(typed.text(), QStringLiteral("v"));
    QVERIFY(!typed.hasAttribute("x"));
    QVERIFY(!typed.hasAttribute("width"));
    QVERIFY(!typed.hasAttribute("colspan"));
    // Values mode: only editable cells with text.
    const QDomNodeList values = cellsWritten(true);
    QCOMPARE(values.size(), 1);
    QCOMPARE(values.at(0).toElement().text(), QStringLiteral("v"));
}

void ReportTableTest::idsOfCellsReachTheScene()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(arrayTestTable));
    auto* cell = fixture.item<ReportTableCell>("Voc (VDC)");
    QVERIFY(cell);
    QCOMPARE(cell->row(), 12);
    // Cells push their commands through the scene.
    fixture.activate();
    ReportTableCell* data = fixture.item<ReportTable>("test_table")->cellAt(12, 2);
    data->setFocus();
    fixture.type("ok");
    QVERIFY(fixture.stack.count() > 0);
}

VELTRANO_TEST(ReportTableTest)
#include "ReportTableTest.moc"
