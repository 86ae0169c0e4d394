#include "GraphicsTextItem.h"
#include "ReportCheckBox.h"
#include "ReportPage.h"
#include "ReportResizableImage.h"
#include "ReportSvg.h"
#include "ReportTable.h"
#include "ReportTableCell.h"
#include "ReportText.h"
#include "SceneFixture.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QBuffer>
#include <cmath>
#include <QFontMetrics>
#include <QGraphicsSceneMouseEvent>
#include <QSignalSpy>
#include <QTextCursor>
#include <QGraphicsSvgItem>
#include <QGraphicsView>
#include <QImage>
#include <QMenu>
#include <QGraphicsSceneContextMenuEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QStyleOptionGraphicsItem>
#include <QTest>
#include <QUndoStack>

namespace {
const char svgDrawing[] = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"90\" height=\"45\">"
                          "<rect width=\"90\" height=\"45\" fill=\"#3060c0\"/></svg>";

QByteArray pngPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Attribute sets and texts of two elements and their subtrees, independent of attribute order.
QString describe(const QDomElement& element, int depth = 0)
{
    QStringList attributes;
    const QDomNamedNodeMap map = element.attributes();
    for (int i = 0; i < map.count(); ++i)
        attributes << map.item(i).nodeName() + '=' + map.item(i).nodeValue();
    attributes.sort();
    QString text = QString(depth * 2, ' ') + element.tagName() + ' ' + attributes.join(' ');
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isText())
            text += " \"" + child.nodeValue() + '"';
    }
    text += '\n';
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        text += describe(child, depth + 1);
    return text;
}
} // namespace

class ReportItemsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void itemTypesAndTags();
    void pagesStackBelowEachOther();
    void styleIsInheritedAndWrittenOnlyWhereSet();
    void fontSizeFollowsTheScreenDpi();
    void editableOnlyForOne();
    void malformedNumbersKeepDefaults();
    void checkBoxTogglesOnLettersSpaceAndClicks();
    void textFittingShrinksButNeverEnlarges();
    void longWordsAreBrokenToFitTheBox();
    void typedTextIsRefitted();
    void backgroundDrawingIsScaledByDpi();
    void picturesKeepTheirAspectRatio();
    void pictureOutsideTheBlobListIsSkipped();
    void resizeEdgesAndCursors();
    void tabWalksTheChainAndWraps();
    void valuesAreMatchedById();
    void fontSettingsChangeOnlyTheDisplay();
    void layoutRoundTrip();
    void rendersASamplePage();
    void printedPagesShowNoSelectionFrame();
    void editorsDrawNoDashedFocusFrame();
};

void ReportItemsTest::init()
{
    ReportScene::setScreenDpiY(96.0);
}

void ReportItemsTest::itemTypesAndTags()
{
    const QVector<QPair<QString, int>> expected = {{"page", 65537}, {"text", 65538},  {"checkBox", 65539},
                                                   {"svg", 65540},  {"table", 65541}, {"image", 65544}};
    for (const auto& [tag, type] : expected) {
        std::unique_ptr<AbstractReportItem> item(ReportScene::createItem(tag));
        QVERIFY2(item, qPrintable(tag));
        QCOMPARE(item->type(), type);
        QCOMPARE(item->tagName(), tag);
    }
    QVERIFY(!ReportScene::createItem(QStringLiteral("cell")));
    QVERIFY(!ReportScene::createItem(QStringLiteral("tableset")));
    QVERIFY(!ReportScene::createItem(QStringLiteral("document")));
}

void ReportItemsTest::pagesStackBelowEachOther()
{
    SceneFixture fixture;
    QVERIFY(fixture.build("<document>"
                          "<page id='p3' pageNumber='3'/>"
                          "<page id='p2' pageNumber='2' pageType='A3'/>"
                          "<page id='p1'/>"
                          "</document>"));
    auto* second = fixture.item<ReportPage>("p2");
    QCOMPARE(second->pos(), QPointF(0, 1240));
    QCOMPARE(second->boundingRect().size(), QSizeF(842, 1190));
    // A4 is 793 x 1123; page 3 lies two A4 heights plus two gaps down.
    QCOMPARE(fixture.item<ReportPage>("p3")->pos(), QPointF(0, 2 * 1173));
    QCOMPARE(fixture.item<ReportPage>("p1")->pos(), QPointF(0, 0));
    const QList<ReportPage*> pages = fixture.scene.pages();
    QCOMPARE(pages.size(), 3);
    QCOMPARE(pages.at(0)->id(), QStringLiteral("p1"));
    QCOMPARE(pages.at(1)->id(), QStringLiteral("p2"));
    QCOMPARE(pages.at(2)->id(), QStringLiteral("p3"));
    // An A3 page keeps its size when written.
    const QDomElement written = fixture.write(false).documentElement().childNodes().at(1).toElement();
    QCOMPARE(written.attribute("pageType"), QStringLiteral("A3"));
    QVERIFY(!written.hasAttribute("x"));
    QVERIFY(!written.hasAttribute("y"));
}

void ReportItemsTest::styleIsInheritedAndWrittenOnlyWhereSet()
{
    SceneFixture fixture;
    QVERIFY(fixture.build("<document><page id='p' font='Microsoft Sans Serif' colour='#102030' fontSize='9'>"
                          " <text id='t' x='10' y='20'>Caption</text>"
                          " <table id='tab' width='200' height='40' numCols='2' numRows='2' fontWeight='75'"
                          "        backgroundColour='#eeeeee'>"
                          "  <cell col='1' row='1' padding='1.5' height='20'>x</cell>"
                          " </table>"
                          "</page></document>"));
    auto* text = fixture.item<ReportText>("t");
    QCOMPARE(text->fontFamily(), QStringLiteral("Microsoft Sans Serif"));
    QCOMPARE(text->colour(), QColor("#102030"));
    QCOMPARE(text->fontSize(), 9.0);
    QCOMPARE(text->editor()->font().family(), QStringLiteral("Microsoft Sans Serif"));
    QCOMPARE(text->setAttributes(), quint8(0));

    auto* table = fixture.item<ReportTable>("tab");
    ReportTableCell* cell = table->cellAt(1, 1);
    QCOMPARE(cell->fontFamily(), QStringLiteral("Microsoft Sans Serif"));
    QCOMPARE(cell->fontWeight(), 75);
    QCOMPARE(cell->backgroundColour(), QColor("#eeeeee"));
    QCOMPARE(cell->padding(), 1.5);
    QCOMPARE(cell->setAttributes(), quint8(AbstractReportItem::PaddingSet));
    // Defaults where nobody set anything.
    QCOMPARE(table->cellAt(0, 0)->padding(), 2.0);

    const QDomElement page = fixture.write(false).documentElement().firstChildElement("page");
    QCOMPARE(page.attribute("font"), QStringLiteral("Microsoft Sans Serif"));
    const QDomElement writtenText = page.firstChildElement("text");
    QVERIFY(!writtenText.hasAttribute("font"));
    QVERIFY(!writtenText.hasAttribute("colour"));
    QCOMPARE(writtenText.attribute("x"), QStringLiteral("10"));
    const QDomElement writtenCell = page.firstChildElement("table").firstChildElement("cell");
    QCOMPARE(writtenCell.attribute("padding"), QStringLiteral("1.5"));
    QVERIFY(!writtenCell.hasAttribute("fontWeight"));
}

void ReportItemsTest::fontSizeFollowsTheScreenDpi()
{
    ReportScene::setScreenDpiY(120.0);
    SceneFixture fixture;
    QVERIFY(fixture.build("<document><page id='p'><text id='t' fontSize='7.7'>Hi</text></page></document>"));
    auto* text = fixture.item<ReportText>("t");
    QCOMPARE(text->fontSize(), 7.7);
    QVERIFY(qAbs(text->editor()->font().pointSizeF() - 6.16) < 1e-9);
    QCOMPARE(fixture.write(false).documentElement().firstChildElement().firstChildElement().attribute("fontSize"),
             QStringLiteral("7.7"));
}

void ReportItemsTest::editableOnlyForOne()
{
    SceneFixture fixture;
    QVERIFY(fixture.build("<document><page id='p'>"
                          "<text id='yes' editable='yes'/><text id='one' editable='1'/><text id='zero' editable='0'/>"
                          "</page></document>"));
    QVERIFY(!fixture.item<ReportText>("yes")->isEditable());
    QVERIFY(!fixture.item<ReportText>("yes")->isNavigable());
    QVERIFY(fixture.item<ReportText>("one")->isEditable());
    QCOMPARE(fixture.item<ReportText>("one")->editor()->textInteractionFlags(), Qt::TextEditorInteraction);
    QCOMPARE(fixture.item<ReportText>("zero")->editor()->textInteractionFlags(), Qt::NoTextInteraction);
    // Only the editable one is in the navigation chain.
    QCOMPARE(fixture.scene.firstNavigationItem(), fixture.item<AbstractReportItem>("one"));
    QCOMPARE(fixture.scene.lastNavigationItem(), fixture.item<AbstractReportItem>("one"));
}

void ReportItemsTest::malformedNumbersKeepDefaults()
{
    SceneFixture fixture;
    QVERIFY(fixture.build("<document><page id='p' pageNumber='two' fontSize='9'>"
                          "<text id='t' x='oops' y='' fontSize='big' fontWeight='heavy' colour='#zzzzzz'"
                          "      width='abc' height='20'/>"
                          "<svg id='s' dpi='' file='/nonexistent.svg'/>"
                          "<table id='tab' width='w' numCols='x' numRows='-3'/>"
                          "</page></document>"));
    auto* page = fixture.item<ReportPage>("p");
    QCOMPARE(page->pageNumber(), 1);
    auto* text = fixture.item<ReportText>("t");
    QCOMPARE(text->pos(), QPointF(0, 0));
    QCOMPARE(text->fontSize(), 9.0);
    QCOMPARE(text->fontWeight(), int(QFont::Normal));
    QCOMPARE(text->colour(), QColor(Qt::black));
    QCOMPARE(fixture.item<ReportSvg>("s")->dpi(), 96);
    auto* table = fixture.item<ReportTable>("tab");
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(table->columnCount(), 0);
    QVERIFY(table->cells().isEmpty());
}

void ReportItemsTest::checkBoxTogglesOnLettersSpaceAndClicks()
{
    SceneFixture fixture;
    QVERIFY(fixture.build("<document><page id='p'>"
                          "<checkBox id='c' x='40' y='40' boxPosX='-20' boxScale='2'>Initial</checkBox>"
                          "</page></document>"));
    auto* box = fixture.item<ReportCheckBox>("c");
    QVERIFY(box->isNavigable());
    QCOMPARE(box->box()->pos(), QPointF(-20, 2));
    fixture.activate();
    box->setFocus();
    QSignalSpy changes(&fixture.scene, &ReportScene::modified);

    fixture.key(Qt::Key_A, Qt::NoModifier, "a");
    QVERIFY(box->isChecked());
    QCOMPARE(box->boxElement(), QStringLiteral("checked"));
    fixture.key(Qt::Key_Space, Qt::NoModifier, " ");
    QVERIFY(!box->isChecked());
    fixture.key(Qt::Key_BracketLeft, Qt::NoModifier, "[");
    QVERIFY(!box->isChecked());
    fixture.key(Qt::Key_Z, Qt::NoModifier, "z");
    QVERIFY(box->isChecked());
    QCOMPARE(fixture.stack.count(), 3);
    QVERIFY(!changes.isEmpty());

    QGraphicsSceneMouseEvent press(QEvent::GraphicsSceneMousePress);
    press.setButton(Qt::LeftButton);
    press.setButtons(Qt::LeftButton);
    press.setScenePos(box->mapToScene(QPointF(1, 1)));
    press.setPos(QPointF(1, 1));
    fixture.scene.sendEvent(box, &press);
    QVERIFY(!box->isChecked());
    QCOMPARE(fixture.stack.count(), 4);

    const QDomElement written = fixture.write(false).documentElement().firstChildElement().firstChildElement();
    QCOMPARE(written.attribute("checked"), QStringLiteral("false"));
    QCOMPARE(written.attribute("boxScale"), QStringLiteral("2"));
    QCOMPARE(written.attribute("boxPosY"), QStringLiteral("2"));
    // Values mode reads only the state.
    QVERIFY(fixture.apply("<document><checkBox id='c' checked='true' boxPosX='5'>Other</checkBox></document>"));
    QVERIFY(box->isChecked());
    QCOMPARE(box->box()->pos(), QPointF(-20, 2));
    QCOMPARE(box->text(), QStringLiteral("Initial"));
}

void ReportItemsTest::textFittingShrinksButNeverEnlarges()
{
    const QFont font(QStringLiteral("DejaVu Sans"), 10);
    const QFontMetrics metrics(font);
    const double width = 200.0;
    QCOMPARE(GraphicsTextItem::fittingScale(font, QStringLiteral("short"), width, 100.0), 1.0);

    // Five lines where the box holds about two and a half.
    const QString text = QStringLiteral("one\ntwo\nthree\nfour\nfive");
    const int needed = metrics.boundingRect(QRect(0, 0, int(width - 10), 1000),
                                            Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text).height();
    const double height = std::ceil(needed / 2.0) + 4.0;
    const double scale = GraphicsTextItem::fittingScale(font, text, width, height);
    QVERIFY2(scale > 0.5 && scale < 1.0, qPrintable(QString::number(scale)));
    // At the scale found the text fits the box.
    const int available = int((height - 4.0) / scale);
    QVERIFY(metrics.boundingRect(QRect(0, 0, int((width - 10) / scale), available),
                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text).height() <= available);
}

// A word wider than the box was measured as one line and ran out of it; laid out at a boundary
// a letter at a time, 100 of them took 31 s.
void ReportItemsTest::longWordsAreBrokenToFitTheBox()
{
    const QFont font(QStringLiteral("DejaVu Sans"), 10);
    const QFontMetrics metrics(font);
    const double width = 200.0;
    const double height = 40.0;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextWrapAnywhere;
    QVERIFY(!GraphicsTextItem::hasLongWord(QString(200, 'W') + QStringLiteral(" ") + QString(200, 'W')));
    QVERIFY(GraphicsTextItem::hasLongWord(QStringLiteral("a ") + QString(201, 'W')));
    const QString word(2000, 'W');
    const double scale = GraphicsTextItem::fittingScale(font, word, width, height);
    QVERIFY2(scale < 0.5, qPrintable(QString::number(scale)));
    const int available = int((height - 4.0) / scale);
    QVERIFY(metrics.boundingRect(QRect(0, 0, int((width - 10) / scale), available), flags, word).height() <= available);
}

void ReportItemsTest::typedTextIsRefitted()
{
    SceneFixture fixture;
    QVERIFY(fixture.build("<document><page id='p'>"
                          "<text id='t' editable='1' width='120' height='24'/></page></document>"));
    auto* text = fixture.item<ReportText>("t");
    QCOMPARE(text->editor()->scale(), 1.0);
    QVERIFY(fixture.apply("<document><text id='t'>A rather long text that will never fit on a single line "
                          "of this small field and must be made smaller</text></document>"));
    const double scale = text->editor()->scale();
    QVERIFY(scale < 1.0);
    QCOMPARE(text->editor()->textWidth(), 120.0 / scale);
    QVERIFY(text->editor()->boundingRect().height() * scale >= 24.0 - 1e-9);
    text->setText(QStringLiteral("Short"));
    QCOMPARE(text->editor()->scale(), 1.0);
}

void ReportItemsTest::backgroundDrawingIsScaledByDpi()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("page.svg");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(svgDrawing);
    file.close();
    SceneFixture fixture;
    QVERIFY(fixture.build(QString("<document><page id='p'><svg id='s90' dpi='90' file='%1'/>"
                                  "<svg id='s96' file='%1'/></page></document>").arg(path)));
    auto* drawing = fixture.item<ReportSvg>("s90");
    QCOMPARE(drawing->scale(), 96.0 / 90.0);
    QCOMPARE(drawing->drawing()->cacheMode(), QGraphicsItem::NoCache);
    QCOMPARE(drawing->mapRectToScene(drawing->childrenBoundingRect()).width(), 96.0);
    QCOMPARE(fixture.item<ReportSvg>("s96")->scale(), 1.0);
}

void ReportItemsTest::picturesKeepTheirAspectRatio()
{
    SceneFixture fixture;
    const BlobList blobs = {{"xml", QByteArray()}, {"svg", svgDrawing}, {"png", pngPicture(40, 20)}};
    QVERIFY(fixture.build("<document><page id='p'/></document>"));
    QVERIFY(fixture.apply("<document><page id='p'>"
                          "<image index='1' resizable='1' scale='0.5' width='999' height='60' x='500' y='10'/>"
                          "<image index='2' x='5' y='6'/></page></document>",
                          blobs));
    const QList<QGraphicsItem*> children = fixture.item<ReportPage>("p")->childItems();
    QVector<ReportResizableImage*> pictures;
    for (QGraphicsItem* child : children)
        if (auto* picture = qgraphicsitem_cast<ReportResizableImage*>(child))
            pictures << picture;
    QCOMPARE(pictures.size(), 2);
    ReportResizableImage* logo = pictures.at(0);
    // The height decides: 60 / 45.
    QCOMPARE(logo->pictureScale(), 60.0 / 45.0);
    QCOMPARE(logo->rect().size(), QSizeF(120, 60));
    QVERIFY(logo->isResizable());
    // Dragging a side edge lets the width decide.
    logo->setSize(QSizeF(45, 500), ReportResizableItem::RightEdge | ReportResizableItem::VerticalMiddle);
    QCOMPARE(logo->rect().size(), QSizeF(45, 22.5));
    QCOMPARE(pictures.at(1)->rect().size(), QSizeF(40, 20));
    QCOMPARE(pictures.at(1)->pos(), QPointF(5, 6));

    BlobList written = {{"xml", QByteArray()}};
    const QDomElement page = fixture.write(false, &written).documentElement().firstChildElement();
    QCOMPARE(written.size(), 3);
    QCOMPARE(written.at(1).name, QStringLiteral("svg"));
    QCOMPARE(written.at(1).data, QByteArray(svgDrawing));
    const QDomElement image = page.firstChildElement("image");
    QCOMPARE(image.attribute("index"), QStringLiteral("1"));
    QCOMPARE(image.attribute("scale"), QStringLiteral("0.5"));
    QCOMPARE(image.attribute("height"), QStringLiteral("22.5"));
    QCOMPARE(image.attribute("resizable"), QStringLiteral("1"));
}

void ReportItemsTest::pictureOutsideTheBlobListIsSkipped()
{
    SceneFixture fixture;
    const BlobList blobs = {{"xml", QByteArray()}, {"png", "not a picture"}};
    QVERIFY(fixture.build("<document><page id='p'/></document>"));
    QVERIFY(fixture.apply("<document><page id='p'><image index='5'/><image index='-1'/><image index='x'/>"
                          "<image index='1'/></page></document>",
                          blobs));
    for (QGraphicsItem* item : fixture.scene.items())
        QVERIFY(item->type() != ReportResizableImage::Type);
}

void ReportItemsTest::resizeEdgesAndCursors()
{
    const QRectF r(0, 0, 100, 50);
    QCOMPARE(ReportResizableItem::edgesAt(QPointF(-3, -3), r), 17);
    QCOMPARE(ReportResizableItem::edgesAt(QPointF(50, 25), r), 34);
    QCOMPARE(ReportResizableItem::edgesAt(QPointF(100, 25), r), 36);
    QCOMPARE(ReportResizableItem::edgesAt(QPointF(0, 50), r), 65);
    QCOMPARE(ReportResizableItem::edgesAt(QPointF(104, 52), r), 68);
    QCOMPARE(ReportResizableItem::cursorFor(17), Qt::SizeFDiagCursor);
    QCOMPARE(ReportResizableItem::cursorFor(68), Qt::SizeFDiagCursor);
    QCOMPARE(ReportResizableItem::cursorFor(18), Qt::SizeVerCursor);
    QCOMPARE(ReportResizableItem::cursorFor(66), Qt::SizeVerCursor);
    QCOMPARE(ReportResizableItem::cursorFor(20), Qt::SizeBDiagCursor);
    QCOMPARE(ReportResizableItem::cursorFor(65), Qt::SizeBDiagCursor);
    QCOMPARE(ReportResizableItem::cursorFor(33), Qt::SizeHorCursor);
    QCOMPARE(ReportResizableItem::cursorFor(36), Qt::SizeHorCursor);
    QCOMPARE(ReportResizableItem::cursorFor(34), Qt::SizeAllCursor);

    SceneFixture fixture;
    QVERIFY(fixture.build("<document><page id='p'><text id='t' resizable='1' width='100' height='50'/>"
                          "</page></document>"));
    auto* text = fixture.item<ReportText>("t");
    text->setSelected(true);
    const QVector<QRectF> frame = text->selectionFrame();
    QCOMPARE(frame.size(), 9);
    QCOMPARE(frame.first(), QRectF(-6, -6, 112, 62));
    QCOMPARE(text->boundingRect(), QRectF(-6, -6, 112, 62));
}

void ReportItemsTest::tabWalksTheChainAndWraps()
{
    SceneFixture fixture;
    QVERIFY(fixture.build("<document><page id='p'>"
                          "<text id='a' editable='1'/><text id='caption'/><checkBox id='b'/>"
                          "<table id='tab' width='100' height='20' numCols='2' numRows='1' editable='1'/>"
                          "<text id='c' editable='1'/>"
                          "</page></document>"));
    fixture.activate();
    auto owner = [&] {
        for (QGraphicsItem* item = fixture.scene.focusItem(); item; item = item->parentItem())
            if (AbstractReportItem* report = AbstractReportItem::fromGraphicsItem(item))
                return report->id();
        return QString();
    };
    auto* table = fixture.item<ReportTable>("tab");
    fixture.key(Qt::Key_Tab);
    QCOMPARE(owner(), QStringLiteral("a"));
    fixture.key(Qt::Key_Tab);
    QCOMPARE(owner(), QStringLiteral("b"));
    // The table takes its place in the chain with its cells in reading order.
    fixture.key(Qt::Key_Tab);
    QVERIFY(table->cellAt(0, 0)->editor()->hasFocus());
    fixture.key(Qt::Key_Tab);
    QVERIFY(table->cellAt(0, 1)->editor()->hasFocus());
    fixture.key(Qt::Key_Tab);
    QCOMPARE(owner(), QStringLiteral("c"));
    fixture.key(Qt::Key_Tab);
    QCOMPARE(owner(), QStringLiteral("a"));
    fixture.key(Qt::Key_Backtab);
    QCOMPARE(owner(), QStringLiteral("c"));
    fixture.key(Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(table->cellAt(0, 1)->editor()->hasFocus());
    fixture.key(Qt::Key_Backtab);
    fixture.key(Qt::Key_Backtab);
    QCOMPARE(owner(), QStringLiteral("b"));
    // A field entered by Tab takes the caret after its text, so the next key adds to it; Tab is
    // not typed into it.
    auto* a = fixture.item<ReportText>("a");
    a->setText(QStringLiteral("hello"));
    fixture.key(Qt::Key_Backtab);
    QVERIFY(a->editor()->hasFocus());
    QVERIFY(!a->editor()->textCursor().hasSelection());
    QCOMPARE(a->editor()->textCursor().position(), 5);
    fixture.key(Qt::Key_Tab);
    QCOMPARE(a->text(), QStringLiteral("hello"));

    // Tab after the last cell leaves the table for the next item of the chain.
    table->cellAt(0, 1)->setFocus();
    fixture.key(Qt::Key_Tab);
    QCOMPARE(owner(), QStringLiteral("c"));
    table->cellAt(0, 0)->setFocus();
    fixture.key(Qt::Key_Backtab);
    QCOMPARE(owner(), QStringLiteral("b"));
}

void ReportItemsTest::valuesAreMatchedById()
{
    SceneFixture fixture;
    QVERIFY(fixture.build("<document><page id='p'>"
                          "<text id='comments' editable='1'/><text id='caption'>Date</text>"
                          "<checkBox id='initial'/></page></document>"));
    QVERIFY(fixture.apply("<document>"
                          "<text id='comments'>first</text>"
                          "<text>no id: ignored</text>"
                          "<text id='unknown'>dropped</text>"
                          "<text id='caption'>Datum</text>"
                          "<checkBox id='initial' checked='true'/>"
                          "<text id='comments'>second</text>"
                          "</document>"));
    QCOMPARE(fixture.item<ReportText>("comments")->text(), QStringLiteral("second"));
    QCOMPARE(fixture.item<ReportText>("caption")->text(), QStringLiteral("Date"));
    QVERIFY(fixture.item<ReportCheckBox>("initial")->isChecked());

    // Values mode writes the page (it has an id), the field and the check box, but no caption text.
    const QDomElement page = fixture.write(true).documentElement().firstChildElement("page");
    QCOMPARE(page.attribute("id"), QStringLiteral("p"));
    QVERIFY(!page.hasAttribute("pageType") || page.attribute("pageType") == "A4");
    const QDomElement comments = page.firstChildElement("text");
    QCOMPARE(comments.text(), QStringLiteral("second"));
    QVERIFY(!comments.hasAttribute("x"));
    QCOMPARE(comments.nextSiblingElement("text").text(), QString());
}

void ReportItemsTest::fontSettingsChangeOnlyTheDisplay()
{
    SceneFixture fixture;
    QVERIFY(fixture.build("<document><page id='p'><text id='f' editable='1' font='DejaVu Sans'>x</text>"
                          "<text id='caption'>Caption</text></page></document>"));
    auto* field = fixture.item<ReportText>("f");
    ScriptedPrompts prompts;
    auto fontAction = [&] {
        std::unique_ptr<QMenu> menu(field->editor()->createContextMenu());
        menu->actions().last()->trigger();
    };
    fontAction();
    QCOMPARE(field->editor()->font().family(), QStringLiteral("DejaVu Sans"));
    prompts.answer(QVariant::fromValue(QFont(QStringLiteral("DejaVu Serif"), 14)));
    fontAction();
    QCOMPARE(prompts.shown().size(), 2);
    QCOMPARE(field->editor()->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(fixture.write(false).documentElement().firstChildElement().firstChildElement().attribute("font"),
             QStringLiteral("DejaVu Sans"));

    // A caption's editor leaves the right click to the page below.
    QGraphicsSceneContextMenuEvent click(QEvent::GraphicsSceneContextMenu);
    click.setAccepted(true);
    fixture.scene.sendEvent(fixture.item<ReportText>("caption")->editor(), &click);
    QVERIFY(!click.isAccepted());
}

void ReportItemsTest::layoutRoundTrip()
{
    const QString layout = "<document resPak=':res/reports_en/test.pak'>"
                           "<page id='p1' pageNumber='1' pageType='A4' font='Arial' fontSize='8'>"
                           "<text id='title' x='20' y='30' fontWeight='75' colour='#ff0000'>Title</text>"
                           "<text id='field' x='20.5' y='60.25' editable='1' resizable='1' width='200' height='40'"
                           " backgroundColour='#ffffcc' padding='1'>Value</text>"
                           "<checkBox id='cb' x='40' y='100' boxPosX='-15' boxPosY='2' checked='true'>Label</checkBox>"
                           "<table id='tab' x='10' y='200' width='300' height='60' numCols='3' numRows='3' editable='1'>"
                           "<tableset col='0' size='100' editable='0'/>"
                           "<tableset row='0' size='20' fontWeight='75'/>"
                           "<cell col='0' row='0' height='20' colspan='2'>Head</cell>"
                           "<cell col='0' row='1' height='40' rowspan='2'>Side</cell>"
                           "<cell col='2' row='2' height='20'>v</cell>"
                           "</table>"
                           "</page></document>";
    SceneFixture fixture;
    QVERIFY(fixture.build(layout));
    fixture.scene.setTemplatePath(":res/reports_en/test.pak");
    QDomDocument original;
    QVERIFY(original.setContent(layout));
    const QDomDocument written = fixture.write(false);
    QCOMPARE(describe(written.documentElement()), describe(original.documentElement()));

    SceneFixture again;
    QVERIFY(again.build(written.toString(2)));
    again.scene.setTemplatePath(":res/reports_en/test.pak");
    QCOMPARE(again.write(false).toString(2), written.toString(2));
}

void ReportItemsTest::rendersASamplePage()
{
    SceneFixture fixture;
    const BlobList blobs = {{"xml", QByteArray()}, {"svg", svgDrawing}};
    QVERIFY(fixture.build("<document><page id='p' font='DejaVu Sans' fontSize='10'>"
                          "<text id='title' x='40' y='30' width='400' height='30' fontSize='16' fontWeight='75'>"
                          "PV Array Test Report</text>"
                          "<text id='address' x='40' y='80' width='300' height='40' editable='1'"
                          " backgroundColour='#ffffdd'/>"
                          "<checkBox id='initial' x='60' y='140'>Initial verification</checkBox>"
                          "<checkBox id='periodic' x='260' y='140'>Periodic verification</checkBox>"
                          "<table id='tab' x='38.5' y='200' width='716.5' height='300' numCols='8' numRows='6'"
                          " editable='1' fontSize='7' padding='0.5'>"
                          "<tableset col='0' size='100' editable='0'/><tableset col='1' size='100' editable='0'/>"
                          "<tableset row='0' size='19.5' backgroundColour='#000000' colour='#ffffff' fontWeight='75'/>"
                          "<cell col='0' row='0' colspan='2'> STRING</cell>"
                          "<cell col='2' row='0'>1</cell><cell col='3' row='0'>2</cell>"
                          "<cell col='0' row='1' rowspan='2'>Array</cell><cell col='1' row='1'>Module</cell>"
                          "<cell col='1' row='2'>Quantity</cell>"
                          "<cell col='0' row='3' rowspan='3'>String test</cell>"
                          "<cell col='1' row='3'>Voc (V)</cell><cell col='1' row='4'>Isc (A)</cell>"
                          "<cell col='1' row='5'>Irradiance is measured with a reference cell in the plane</cell>"
                          "</table>"
                          "</page></document>"));
    QVERIFY(fixture.apply("<document><page id='p'>"
                          "<text id='address'>12 Solar Street, Sunnyville, a long address that needs fitting "
                          "into the field</text>"
                          "<checkBox id='periodic' checked='true'/>"
                          "<table id='tab'><cell row='3' col='2'>512.4</cell><cell row='4' col='2'>8.91</cell></table>"
                          "<image index='1' resizable='1' x='600' y='20' width='160' height='60'/>"
                          "</page></document>",
                          blobs));

    QImage image(793, 1123, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        fixture.scene.renderPage(&painter, 0, image.rect());
    }
    const QString path = QCoreApplication::applicationDirPath() + "/report-sample.png";
    QVERIFY(image.save(path));
    qInfo("Sample page written to %s", qPrintable(path));
    // The header row is black, the table's left border black, a data cell white, the picture blue.
    QCOMPARE(QColor(image.pixel(300, 205)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(38, 350)).lightness() < 80, true);
    QCOMPARE(QColor(image.pixel(700, 440)), QColor(Qt::white));
    QCOMPARE(QColor(image.pixel(700, 50)), QColor("#3060c0"));
}

namespace {
QImage renderedPage(ReportScene& scene)
{
    QImage image(400, 560, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.renderPage(&painter, 0, image.rect());
    return image;
}
} // namespace

void ReportItemsTest::printedPagesShowNoSelectionFrame()
{
    SceneFixture fixture;
    const QByteArray drawing = "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
                               "<rect width='40' height='20' fill='#3060c0'/></svg>";
    const BlobList blobs = {{"xml", QByteArray()}, {"svg", drawing}};
    QVERIFY(fixture.build("<document><page id='p'/></document>"));
    QVERIFY(fixture.apply("<document><page id='p'>"
                          "<image index='1' resizable='1' x='100' y='100' width='80' height='40'/>"
                          "</page></document>",
                          blobs));
    QGraphicsItem* picture = nullptr;
    for (QGraphicsItem* item : fixture.scene.items())
        if (item->type() == ReportResizableImage::Type)
            picture = item;
    QVERIFY(picture);
    const QImage unselected = renderedPage(fixture.scene);
    picture->setSelected(true);
    QCOMPARE(renderedPage(fixture.scene), unselected);
    QVERIFY(picture->isSelected());
}

void ReportItemsTest::editorsDrawNoDashedFocusFrame()
{
    GraphicsTextItem editor;
    editor.setPlainText(QStringLiteral("Field"));
    auto paintedWith = [&](QStyle::State state) {
        QImage image(120, 40, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionGraphicsItem option;
        option.state = state;
        option.exposedRect = editor.boundingRect();
        editor.paint(&painter, &option, nullptr);
        return image;
    };
    const QImage plain = paintedWith(QStyle::State_None);
    QCOMPARE(paintedWith(QStyle::State_HasFocus), plain);
    QCOMPARE(paintedWith(QStyle::State_Selected), plain);
}

VELTRANO_TEST(ReportItemsTest)
#include "ReportItemsTest.moc"
