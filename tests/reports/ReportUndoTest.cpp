#include "AddDeleteCommand.h"
#include "GraphicsTextItem.h"
#include "ReportCheckBox.h"
#include "ReportPage.h"
#include "ReportResizableImage.h"
#include "ReportResizableItemCommand.h"
#include "ReportTable.h"
#include "ReportTableCell.h"
#include "ReplaceText.h"
#include "ReportText.h"
#include "SceneFixture.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QBuffer>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const char layout[] = "<document><page id='p'>"
                      "<text id='field' editable='1' x='10' y='10' width='200' height='30'/>"
                      "<checkBox id='box' x='30' y='60'>Initial</checkBox>"
                      "<table id='t' x='10' y='100' width='100' height='40' numCols='2' numRows='2' editable='1'/>"
                      "</page></document>";

QByteArray pngPicture()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void sendMouse(QGraphicsScene& scene, QEvent::Type type, const QPointF& scenePos, const QPointF& downPos)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(scenePos);
    event.setButtonDownScenePos(Qt::LeftButton, downPos);
    event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
    event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
    QCoreApplication::sendEvent(&scene, &event);
}

// A press, optional move and release through the scene, as a view delivers them.
void drag(QGraphicsScene& scene, const QPointF& from, const QPointF& to)
{
    sendMouse(scene, QEvent::GraphicsSceneMousePress, from, from);
    if (from != to)
        sendMouse(scene, QEvent::GraphicsSceneMouseMove, to, from);
    sendMouse(scene, QEvent::GraphicsSceneMouseRelease, to, from);
}

QList<ReportResizableImage*> pictures(const QGraphicsScene& scene)
{
    QList<ReportResizableImage*> found;
    for (QGraphicsItem* item : scene.items(Qt::AscendingOrder))
        if (auto* picture = qgraphicsitem_cast<ReportResizableImage*>(item))
            found << picture;
    return found;
}
} // namespace

class ReportUndoTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void typingIsUndoneToTheCleanIndex();
    void undoKeysInsideAnEditorActOnTheStack();
    void retypingAfterUndoIsRecordedAgain();
    void typingBeforeAReplacedTextStaysUndoable();
    void contextMenuUndoRedo();
    void checkBoxCommands();
    void geometryToleranceIsRelative();
    void releasingInPlaceRecordsNothing();
    void resizeDragIsOneCommand();
    void addImageAsksForAFile();
    void cancelledOrBrokenPictureAddsNothing();
    void deletedPicturesLeaveOnSave();
    void pictureWhoseAddWasUndoneIsNotWritten();
    void discardedAddCommandDestroysItsPicture();

private:
    ReportResizableImage* addPicture(SceneFixture& fixture, QTemporaryDir& folder, ScriptedPrompts& prompts);
};

void ReportUndoTest::init()
{
    ReportScene::setScreenDpiY(96.0);
}

void ReportUndoTest::typingIsUndoneToTheCleanIndex()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(layout));
    QVERIFY(fixture.apply("<document><text id='field'>old</text></document>"));
    auto* field = fixture.item<ReportText>("field");
    QCOMPARE(fixture.stack.count(), 0);
    fixture.stack.setClean();
    fixture.activate();
    field->setFocus();
    fixture.type("abc");
    QCOMPARE(field->text(), QStringLiteral("abc"));
    QVERIFY(!fixture.stack.isClean());
    QVERIFY(fixture.stack.count() >= 1);
    while (!fixture.stack.isClean())
        fixture.stack.undo();
    QCOMPARE(field->text(), QStringLiteral("old"));
    QCOMPARE(fixture.stack.index(), fixture.stack.cleanIndex());
    while (fixture.stack.canRedo())
        fixture.stack.redo();
    QCOMPARE(field->text(), QStringLiteral("abc"));
}

void ReportUndoTest::undoKeysInsideAnEditorActOnTheStack()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(layout));
    ReportTableCell* cell = fixture.item<ReportTable>("t")->cellAt(0, 0);
    fixture.activate();
    cell->setFocus();
    fixture.type("x");
    const int steps = fixture.stack.count();
    QVERIFY(steps > 0);
    fixture.key(Qt::Key_Z, Qt::ControlModifier, QString(QChar(26)));
    QCOMPARE(fixture.stack.index(), steps - 1);
    QCOMPARE(cell->text(), QString());
    fixture.key(Qt::Key_Y, Qt::ControlModifier, QString(QChar(25)));
    QCOMPARE(fixture.stack.index(), steps);
    QCOMPARE(cell->text(), QStringLiteral("x"));
}

void ReportUndoTest::retypingAfterUndoIsRecordedAgain()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(layout));
    auto* field = fixture.item<ReportText>("field");
    fixture.activate();
    field->setFocus();
    fixture.type("a");
    while (fixture.stack.canUndo())
        fixture.stack.undo();
    QCOMPARE(field->text(), QString());
    QVERIFY(fixture.stack.isClean());
    fixture.type("a");
    QCOMPARE(field->text(), QStringLiteral("a"));
    QVERIFY(!fixture.stack.isClean());
    fixture.stack.undo();
    QCOMPARE(field->text(), QString());
    fixture.stack.redo();
    QCOMPARE(field->text(), QStringLiteral("a"));
}

void ReportUndoTest::typingBeforeAReplacedTextStaysUndoable()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(layout));
    auto* field = fixture.item<ReportText>("field");
    fixture.activate();
    field->setFocus();
    fixture.type("ab");
    const int typed = fixture.stack.count();
    fixture.stack.push(new ReplaceText(field, QStringLiteral("imported")));
    QCOMPARE(field->text(), QStringLiteral("imported"));
    fixture.stack.undo();
    QCOMPARE(field->text(), QStringLiteral("ab"));
    for (int step = 0; step < typed; ++step)
        fixture.stack.undo();
    QCOMPARE(field->text(), QString());
    while (fixture.stack.canRedo())
        fixture.stack.redo();
    QCOMPARE(field->text(), QStringLiteral("imported"));
}

void ReportUndoTest::contextMenuUndoRedo()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(layout));
    auto* field = fixture.item<ReportText>("field");
    auto actions = [&] {
        std::unique_ptr<QMenu> menu(field->editor()->createContextMenu());
        QStringList entries;
        for (QAction* action : menu->actions())
            entries << (action->isSeparator() ? QStringLiteral("|") : action->text() + (action->isEnabled() ? "+" : "-"));
        return entries;
    };
    QCOMPARE(actions(), QStringList({"Cut-", "Copy-", "Paste-", "|", "Undo-", "Redo-", "|", "Font Settings...+"}));
    fixture.activate();
    field->setFocus();
    fixture.type("hi");
    QCOMPARE(actions().at(4), QStringLiteral("Undo+"));
    std::unique_ptr<QMenu> menu(field->editor()->createContextMenu());
    menu->actions().at(4)->trigger();
    QCOMPARE(field->text(), QString());
    QVERIFY(fixture.stack.canRedo());
    // A non-editable text offers no font settings.
    auto* box = fixture.item<ReportCheckBox>("box");
    std::unique_ptr<QMenu> labelMenu(box->editor()->createContextMenu());
    QCOMPARE(labelMenu->actions().size(), 6);
}

void ReportUndoTest::checkBoxCommands()
{
    SceneFixture fixture;
    QVERIFY(fixture.build(layout));
    auto* box = fixture.item<ReportCheckBox>("box");
    fixture.activate();
    box->setFocus();
    fixture.key(Qt::Key_Space, Qt::NoModifier, " ");
    QVERIFY(box->isChecked());
    QCOMPARE(fixture.stack.count(), 1);
    fixture.stack.undo();
    QVERIFY(!box->isChecked());
    QCOMPARE(box->boxElement(), QStringLiteral("unchecked"));
    fixture.stack.redo();
    QVERIFY(box->isChecked());
}

void ReportUndoTest::geometryToleranceIsRelative()
{
    QVERIFY(!ReportResizableItem::valuesDiffer(1000.0, 1000.0 * (1 + 1e-13)));
    QVERIFY(ReportResizableItem::valuesDiffer(1000.0, 1000.001));
    QVERIFY(!ReportResizableItem::valuesDiffer(0.0, 5e-13));
    QVERIFY(!ReportResizableItem::valuesDiffer(-5e-13, 5e-13));
    QVERIFY(ReportResizableItem::valuesDiffer(0.0, 1e-6));
}

void ReportUndoTest::releasingInPlaceRecordsNothing()
{
    SceneFixture fixture;
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    QVERIFY(fixture.build(layout));
    ReportResizableImage* picture = addPicture(fixture, folder, prompts);
    QVERIFY(picture);
    const int commands = fixture.stack.count();
    const QPointF inside = picture->mapToScene(QPointF(20, 10));
    drag(fixture.scene, inside, inside);
    QCOMPARE(fixture.stack.count(), commands);

    drag(fixture.scene, inside, inside + QPointF(30, 5));
    QCOMPARE(fixture.stack.count(), commands + 1);
    QCOMPARE(picture->pos(), QPointF(430, 505));
    fixture.stack.undo();
    QCOMPARE(picture->pos(), QPointF(400, 500));
    fixture.stack.redo();
    QCOMPARE(picture->pos(), QPointF(430, 505));
}

void ReportUndoTest::resizeDragIsOneCommand()
{
    SceneFixture fixture;
    QVERIFY(fixture.build("<document><page id='p'>"
                          "<text id='r' resizable='1' x='100' y='100' width='100' height='50'>Box</text>"
                          "</page></document>"));
    auto* text = fixture.item<ReportText>("r");
    text->setSelected(true);
    // Drag the top-left handle up and left by 10: the bottom-right corner stays.
    drag(fixture.scene, QPointF(97, 97), QPointF(87, 87));
    QCOMPARE(fixture.stack.count(), 1);
    QCOMPARE(text->pos(), QPointF(87, 87));
    QCOMPARE(text->rect().size(), QSizeF(113, 63));
    fixture.stack.undo();
    QCOMPARE(text->pos(), QPointF(100, 100));
    QCOMPARE(text->rect().size(), QSizeF(100, 50));
    QCOMPARE(text->selectionFrame().first(), QRectF(-6, -6, 112, 62));
}

ReportResizableImage* ReportUndoTest::addPicture(SceneFixture& fixture, QTemporaryDir& folder,
                                                 ScriptedPrompts& prompts)
{
    const QString path = folder.filePath("logo.PNG");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return nullptr;
    file.write(pngPicture());
    file.close();
    prompts.answer(path);
    fixture.scene.addImage(fixture.item<ReportPage>("p"), QPointF(400, 500));
    const QList<ReportResizableImage*> found = pictures(fixture.scene);
    return found.isEmpty() ? nullptr : found.last();
}

void ReportUndoTest::addImageAsksForAFile()
{
    SceneFixture fixture;
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    QVERIFY(fixture.build(layout));
    ReportResizableImage* picture = addPicture(fixture, folder, prompts);
    QVERIFY(picture);
    QCOMPARE(prompts.last().title, QStringLiteral("Select Image"));
    QCOMPARE(prompts.last().files.filter, QStringLiteral("Images (*.png *.jpg *.jpeg *.bmp *.tif *.tiff *.svg)"));
    QCOMPARE(picture->key(), QStringLiteral("PNG"));
    QCOMPARE(picture->pos(), QPointF(400, 500));
    QVERIFY(picture->isResizable());
    QCOMPARE(fixture.stack.count(), 1);
    fixture.stack.undo();
    QVERIFY(!picture->isVisible());
    fixture.stack.redo();
    QVERIFY(picture->isVisible());
}

void ReportUndoTest::cancelledOrBrokenPictureAddsNothing()
{
    SceneFixture fixture;
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    QVERIFY(fixture.build(layout));
    auto* page = fixture.item<ReportPage>("p");
    fixture.scene.addImage(page, QPointF(1, 1));
    QCOMPARE(prompts.shown().size(), 1);

    const QString broken = folder.filePath("broken.png");
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("no picture here");
    file.close();
    prompts.answer(broken);
    fixture.scene.addImage(page, QPointF(1, 1));
    QCOMPARE(prompts.messageTexts(), QStringList({broken + " is not a picture that can be shown."}));

    prompts.answer(folder.filePath("missing.png"));
    fixture.scene.addImage(page, QPointF(1, 1));
    QCOMPARE(prompts.messageTexts().last(), "Error opening " + folder.filePath("missing.png") + " for reading");
    QVERIFY(pictures(fixture.scene).isEmpty());
    QCOMPARE(fixture.stack.count(), 0);
}

void ReportUndoTest::deletedPicturesLeaveOnSave()
{
    SceneFixture fixture;
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    QVERIFY(fixture.build(layout));
    ReportResizableImage* kept = addPicture(fixture, folder, prompts);
    ReportResizableImage* removed = addPicture(fixture, folder, prompts);
    QVERIFY(kept && removed && kept != removed);

    fixture.scene.deletePicture(kept);
    QVERIFY(!kept->isVisible());
    fixture.stack.undo();
    QVERIFY(kept->isVisible());
    fixture.scene.deletePicture(removed);
    QVERIFY(!removed->isVisible());

    QCOMPARE(fixture.scene.removeDeletedPictures(), 1);
    QVERIFY(!removed->scene());
    QCOMPARE(pictures(fixture.scene), QList<ReportResizableImage*>({kept}));
    BlobList blobs = {{"xml", QByteArray()}};
    const QDomDocument written = fixture.write(false, &blobs);
    QCOMPARE(written.elementsByTagName("image").size(), 1);
    QCOMPARE(blobs.size(), 2);
    // Undoing the deletion after the save brings the picture back into the scene.
    fixture.stack.undo();
    QCOMPARE(removed->scene(), &fixture.scene);
    QVERIFY(removed->isVisible());
}

void ReportUndoTest::pictureWhoseAddWasUndoneIsNotWritten()
{
    SceneFixture fixture;
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    QVERIFY(fixture.build(layout));
    QVERIFY(addPicture(fixture, folder, prompts));
    fixture.stack.undo();
    fixture.scene.removeDeletedPictures();
    BlobList blobs = {{"xml", QByteArray()}};
    QCOMPARE(fixture.write(false, &blobs).elementsByTagName("image").size(), 0);
    QCOMPARE(blobs.size(), 1);
    fixture.stack.redo();
    QCOMPARE(fixture.write(false, &blobs).elementsByTagName("image").size(), 1);
}

void ReportUndoTest::discardedAddCommandDestroysItsPicture()
{
    SceneFixture fixture;
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    QVERIFY(fixture.build(layout));
    QPointer<ReportResizableImage> picture = addPicture(fixture, folder, prompts);
    QVERIFY(picture);
    fixture.stack.undo();
    auto* box = fixture.item<ReportCheckBox>("box");
    fixture.activate();
    box->setFocus();
    fixture.key(Qt::Key_Space, Qt::NoModifier, " ");
    QVERIFY(!picture);
    QVERIFY(pictures(fixture.scene).isEmpty());

    // Clearing the history keeps a picture that is on the page.
    QPointer<ReportResizableImage> shown = addPicture(fixture, folder, prompts);
    fixture.stack.clear();
    QVERIFY(shown);
    QCOMPARE(shown->scene(), &fixture.scene);
}

VELTRANO_TEST(ReportUndoTest)
#include "ReportUndoTest.moc"
