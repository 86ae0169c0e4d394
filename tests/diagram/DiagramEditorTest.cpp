#include "AcIsolatorDiagramComponent.h"
#include "DiagramConnection.h"
#include "DiagramGraphicsScene.h"
#include "DiagramLabel.h"
#include "InstallationDiagramDocument.h"
#include "InverterDiagramComponent.h"
#include "SceneInput.h"
#include "ScriptedPrompts.h"
#include "SettingsKeys.h"
#include "TestMain.h"
#include "UiScript.h"
#include "ZoomableGraphicsView.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

namespace {
QAction* action(const InstallationDiagramDocument& doc, const char* name)
{
    return doc.findChild<QAction*>(QLatin1String(name));
}

QList<DiagramGraphicsItem*> diagramItems(const QGraphicsScene& scene)
{
    QList<DiagramGraphicsItem*> found;
    const QList<QGraphicsItem*> all = scene.items();
    for (QGraphicsItem* item : all) {
        if (auto* diagramItem = dynamic_cast<DiagramGraphicsItem*>(item))
            found << diagramItem;
    }
    return found;
}

const QByteArray twoBoxes = "<installation_diagram>"
                            "<inverter id='id1' x='100' y='100'><label x='115' y='130' width='120' height='40'"
                            " text='Inverter'/></inverter>"
                            "<ac_isolator id='id2' x='400' y='120'/>"
                            "</installation_diagram>";
} // namespace

class DiagramEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void toolBarHasItsActionsInOrder();
    void newDiagramOpensUnmodified();
    void brokenFileGivesAnInvalidDocument();
    void rightClickWhileDrawingCancelsTheWire();
    void emptyCaptionAddsNothing();
    void addedBoxMarksTheDocumentModified();
    void viewStaysPutWhileBoxesAreAdded();
    void twoClicksDrawOneWireAndStartTheNext();
    void cableTypeChangeDropsTheHalfDrawnWire();
    void readOnlySaveKeepsTheDocumentModified();
    void closingAsksAndHonoursTheAnswer();
    void exportWritesAPdfAndRemembersTheFolder();
    void previewShowsTheDiagramOnALandscapeSheet();
    void cancelledPrintDoesNothing();
    void reopenedDiagramShowsAllOfItself();

private:
    QString diagramFile(const QByteArray& content = "<installation_diagram/>");
    std::unique_ptr<QTemporaryDir> folder;
};

void DiagramEditorTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
}

void DiagramEditorTest::init()
{
    folder = std::make_unique<QTemporaryDir>();
}

QString DiagramEditorTest::diagramFile(const QByteArray& content)
{
    return SceneInput::writeFile(folder->path(), QStringLiteral("Installation Diagram.arvid"), content);
}

void DiagramEditorTest::toolBarHasItsActionsInOrder()
{
    InstallationDiagramDocument doc(diagramFile());
    QStringList names;
    QStringList tips;
    for (QAction* entry : doc.toolBar()->actions()) {
        names << (entry->isSeparator() ? QStringLiteral("|") : entry->objectName());
        if (!entry->isSeparator())
            tips << entry->toolTip();
    }
    QCOMPARE(names, (QStringList {"actionZoomIn", "actionZoomOut", "|", "actionSave", "|", "actionPrint",
                                  "actionExportToPdf", "|", "actionWire", "|", "action1Core", "action2Core", ""}));
    QCOMPARE(tips, (QStringList {"Zoom In", "Zoom Out", "Save", "Print", "Export to PDF", "Wire", "Single wire",
                                 "DC cable", "AC cable"}));
    QCOMPARE(action(doc, "actionSave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(action(doc, "actionExportToPdf")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+E")));
    QVERIFY(!action(doc, "actionSave")->isEnabled());
    QVERIFY(action(doc, "actionWire")->isCheckable());
    QVERIFY(action(doc, "action1Core")->isChecked());
    QVERIFY(!action(doc, "action1Core")->isEnabled());

    action(doc, "actionWire")->trigger();
    QVERIFY(action(doc, "action2Core")->isEnabled());
    QCOMPARE(doc.scene()->wireMode(), int(DiagramGraphicsScene::Drawing));
    action(doc, "action2Core")->trigger();
    QCOMPARE(doc.scene()->cableType(), int(DiagramConnection::DcCable));
    QVERIFY(!action(doc, "action1Core")->isChecked());
}

void DiagramEditorTest::newDiagramOpensUnmodified()
{
    InstallationDiagramDocument doc(diagramFile(twoBoxes));
    QVERIFY(doc.isValid());
    QVERIFY(!doc.isModified());
    QCOMPARE(diagramItems(*doc.scene()).size(), 2);
    const QRectF drawn = doc.scene()->itemsBoundingRect();
    QCOMPARE(doc.view()->sceneRect(), drawn.adjusted(-500, -500, 500, 500));
}

void DiagramEditorTest::brokenFileGivesAnInvalidDocument()
{
    ScriptedPrompts prompts;
    InstallationDiagramDocument doc(diagramFile("<installation_diagram><panel"));
    QVERIFY(!doc.isValid());
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QVERIFY(prompts.last().message.text.startsWith(QStringLiteral("XML validation error in ")));
    QVERIFY(!prompts.last().message.informativeText.isEmpty());
}

void DiagramEditorTest::rightClickWhileDrawingCancelsTheWire()
{
    InstallationDiagramDocument doc(diagramFile());
    DiagramGraphicsScene& scene = *doc.scene();
    action(doc, "actionWire")->trigger();
    SceneInput::move(scene, QPointF(10, 10));
    SceneInput::click(scene, QPointF(10, 10));
    QPointer<DiagramConnection> halfDrawn = scene.pendingConnection();
    QCOMPARE(halfDrawn->state(), int(DiagramConnection::PlacingB));

    UiScript script;
    script.chooseFromMenu(QString());
    SceneInput::contextMenu(scene, QPointF(50, 50));
    QVERIFY(!halfDrawn);
    QVERIFY(!scene.pendingConnection());
    QVERIFY(!action(doc, "actionWire")->isChecked());
    QVERIFY(!action(doc, "action1Core")->isEnabled());
    QCOMPARE(scene.wireMode(), int(DiagramGraphicsScene::Editing));
    QCOMPARE(script.menus().value(0),
             (QStringList {"Add Label", "-", "Add Invertor", "Add Generation Meter", "Add Distribution Board",
                           "Add AC Isolator", "Add DC Isolator", "Add PV Panel"}));
    QVERIFY(diagramItems(scene).isEmpty());
    QVERIFY(!doc.isModified());
}

void DiagramEditorTest::emptyCaptionAddsNothing()
{
    InstallationDiagramDocument doc(diagramFile());
    UiScript script;
    script.chooseFromMenu(QStringLiteral("Add AC Isolator"));
    script.answerDialog(QString());
    SceneInput::contextMenu(*doc.scene(), QPointF(100, 100));
    script.chooseFromMenu(QStringLiteral("Add Label"));
    script.cancelDialog();
    SceneInput::contextMenu(*doc.scene(), QPointF(100, 100));
    QVERIFY(script.finished());
    QCOMPARE(script.dialogTexts(), (QStringList {"AC Isolator", "Insert notes here"}));
    QVERIFY(diagramItems(*doc.scene()).isEmpty());
    QVERIFY(!doc.isModified());
    QVERIFY(!action(doc, "actionSave")->isEnabled());
    QCOMPARE(doc.scene()->nextItemId(), qint64(1));
}

void DiagramEditorTest::addedBoxMarksTheDocumentModified()
{
    InstallationDiagramDocument doc(diagramFile(twoBoxes));
    UiScript script;
    script.chooseFromMenu(QStringLiteral("Add Invertor"));
    script.answerDialog(QStringLiteral("Inverter 2"));
    SceneInput::contextMenu(*doc.scene(), QPointF(600, 300));
    script.chooseFromMenu(QStringLiteral("Add PV Panel"));
    SceneInput::contextMenu(*doc.scene(), QPointF(800, 300));
    QVERIFY(script.finished());
    QCOMPARE(script.dialogTexts(), QStringList {"Inverter"});
    QVERIFY(doc.isModified());
    QVERIFY(action(doc, "actionSave")->isEnabled());
    auto* inverter = dynamic_cast<InverterDiagramComponent*>(doc.scene()->componentWithId(QStringLiteral("id3")));
    QVERIFY(inverter);
    QCOMPARE(inverter->pos(), QPointF(600, 300));
    QCOMPARE(inverter->caption()->labelText(), QStringLiteral("Inverter 2"));
    QVERIFY(doc.scene()->componentWithId(QStringLiteral("id4")));
}

void DiagramEditorTest::viewStaysPutWhileBoxesAreAdded()
{
    InstallationDiagramDocument doc(diagramFile());
    doc.resize(1400, 900);
    doc.show();
    const QPointF topLeftBefore = doc.view()->mapToScene(0, 0);
    UiScript script;
    script.chooseFromMenu(QStringLiteral("Add PV Panel"));
    SceneInput::contextMenu(*doc.scene(), QPointF(300, 200));
    script.chooseFromMenu(QStringLiteral("Add PV Panel"));
    SceneInput::contextMenu(*doc.scene(), QPointF(-450, -300));
    QVERIFY(script.finished());
    QCOMPARE(doc.view()->mapToScene(0, 0), topLeftBefore);
    QVERIFY(doc.view()->sceneRect().contains(QRectF(-650, -500, 1000, 940)));
}

void DiagramEditorTest::twoClicksDrawOneWireAndStartTheNext()
{
    InstallationDiagramDocument doc(diagramFile(twoBoxes));
    DiagramGraphicsScene& scene = *doc.scene();
    action(doc, "actionWire")->trigger();
    DiagramConnection* first = scene.pendingConnection();
    SceneInput::move(scene, QPointF(240, 150));
    QVERIFY(!doc.isModified());
    SceneInput::click(scene, QPointF(240, 150));
    SceneInput::move(scene, QPointF(410, 140));
    SceneInput::click(scene, QPointF(410, 140));

    QCOMPARE(first->state(), int(DiagramConnection::Complete));
    QCOMPARE(first->endA().connectedComponent(), scene.componentWithId(QStringLiteral("id1")));
    QCOMPARE(first->endB().connectedComponent(), scene.componentWithId(QStringLiteral("id2")));
    QCOMPARE(first->endA().scenePos(), QPointF(250, 150));
    QCOMPARE(first->endB().scenePos(), QPointF(400, 140));
    QVERIFY(doc.isModified());

    DiagramConnection* next = scene.pendingConnection();
    QVERIFY(next && next != first);
    QCOMPARE(next->state(), int(DiagramConnection::PlacingA));
    QCOMPARE(next->endA().scenePos(), QPointF(400, 140));
    QCOMPARE(next->id(), QStringLiteral("id4"));

    action(doc, "actionWire")->trigger();
    QVERIFY(!scene.pendingConnection());
    QCOMPARE(diagramItems(scene).size(), 3);
}

void DiagramEditorTest::cableTypeChangeDropsTheHalfDrawnWire()
{
    InstallationDiagramDocument doc(diagramFile());
    DiagramGraphicsScene& scene = *doc.scene();
    action(doc, "actionWire")->trigger();
    SceneInput::click(scene, QPointF(0, 0));
    QPointer<DiagramConnection> halfDrawn = scene.pendingConnection();
    QCOMPARE(halfDrawn->state(), int(DiagramConnection::PlacingB));
    QAction* ac = doc.toolBar()->actions().last();
    ac->trigger();
    QVERIFY(!halfDrawn);
    QCOMPARE(scene.pendingConnection()->cableType(), int(DiagramConnection::AcCable));
    QCOMPARE(scene.pendingConnection()->state(), int(DiagramConnection::PlacingA));
    QCOMPARE(scene.pendingConnection()->type(), 0x40003);
}

void DiagramEditorTest::readOnlySaveKeepsTheDocumentModified()
{
    ScriptedPrompts prompts;
    const QString path = diagramFile(twoBoxes);
    InstallationDiagramDocument doc(path);
    doc.scene()->componentWithId(QStringLiteral("id2"))->setPos(420, 160);
    QVERIFY(doc.isModified());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    action(doc, "actionSave")->trigger();
    QCOMPARE(prompts.messageTexts(), QStringList {QStringLiteral("Error opening %1 for writing").arg(path)});
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QVERIFY(doc.isModified());
    QVERIFY(action(doc, "actionSave")->isEnabled());
    QCOMPARE(SceneInput::readFile(path), twoBoxes);

    // Yes tries to save again; as that fails too, the window stays open with its changes.
    prompts.answerMessage(QMessageBox::Yes);
    QVERIFY(!doc.okToClose());
    QCOMPARE(prompts.messageTexts().value(1), QStringLiteral("Save changes to Installation Diagram.arvid?"));
    QCOMPARE(prompts.shown().value(1).message.icon, QMessageBox::Information);
}

void DiagramEditorTest::closingAsksAndHonoursTheAnswer()
{
    ScriptedPrompts prompts;
    const QString path = diagramFile(twoBoxes);
    InstallationDiagramDocument doc(path);
    QVERIFY(doc.okToClose());
    QVERIFY(prompts.shown().isEmpty());

    doc.scene()->componentWithId(QStringLiteral("id1"))->setPos(0, 0);
    prompts.answerMessage(QMessageBox::Cancel);
    QVERIFY(!doc.okToClose());
    QCOMPARE(prompts.last().message.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    prompts.answerMessage(QMessageBox::No);
    QVERIFY(doc.okToClose());
    QCOMPARE(SceneInput::readFile(path), twoBoxes);

    prompts.answerMessage(QMessageBox::Yes);
    QVERIFY(doc.okToClose());
    QVERIFY(!doc.isModified());
    InstallationDiagramDocument reopened(path);
    QCOMPARE(reopened.scene()->componentWithId(QStringLiteral("id1"))->pos(), QPointF(0, 0));
    QCOMPARE(reopened.scene()->componentWithId(QStringLiteral("id1"))->caption()->pos(), QPointF(15, 30));
}

void DiagramEditorTest::exportWritesAPdfAndRemembersTheFolder()
{
    ScriptedPrompts prompts;
    InstallationDiagramDocument doc(diagramFile(twoBoxes));
    action(doc, "actionWire")->trigger();
    const QString pdf = folder->filePath(QStringLiteral("out/plan.pdf"));
    QDir().mkpath(QFileInfo(pdf).absolutePath());
    prompts.answer(pdf);
    action(doc, "actionExportToPdf")->trigger();
    QCOMPARE(prompts.last().files.caption, QStringLiteral("Export PDF"));
    QCOMPARE(prompts.last().files.filter, QStringLiteral("PDF Files (*.pdf)"));
    // Offered beside the diagram, under its name, wherever the last export went.
    QCOMPARE(prompts.last().files.directory, folder->filePath(QStringLiteral("Installation Diagram.pdf")));
    QVERIFY(SceneInput::readFile(pdf).startsWith("%PDF"));
    QCOMPARE(QSettings().value(SettingsKeys::lastPdfExportDir).toString(), QFileInfo(pdf).absolutePath());
    // Exporting ends the wire tool.
    QVERIFY(!action(doc, "actionWire")->isChecked());

    // The next export is offered beside the diagram again, not in the folder used last.
    action(doc, "actionExportToPdf")->trigger();
    QCOMPARE(prompts.last().files.directory, folder->filePath(QStringLiteral("Installation Diagram.pdf")));
}

void DiagramEditorTest::previewShowsTheDiagramOnALandscapeSheet()
{
    ScriptedPrompts prompts;
    InstallationDiagramDocument doc(diagramFile(twoBoxes));
    action(doc, "actionWire")->trigger();
    QVERIFY(doc.canPrint());
    doc.printPreview();
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().kind, ShownPrompt::PrintPreview);
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {prompts.last().url});
    pdfinfo.waitForFinished();
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("842 x 595 pts (A4)")), qPrintable(info));
    // The wire being drawn is no part of the drawing.
    QVERIFY(!action(doc, "actionWire")->isChecked());
}

void DiagramEditorTest::cancelledPrintDoesNothing()
{
    ScriptedPrompts prompts;
    InstallationDiagramDocument doc(diagramFile(twoBoxes));
    prompts.answer(false);
    action(doc, "actionPrint")->trigger();
    QCOMPARE(prompts.last().kind, ShownPrompt::Printer);
    QVERIFY(!doc.isModified());
}

void DiagramEditorTest::reopenedDiagramShowsAllOfItself()
{
    InstallationDiagramDocument doc(diagramFile("<installation_diagram>"
                                                "<panel id='id1' x='-1500' y='-900'/>"
                                                "<inverter id='id2' x='1800' y='1100'/>"
                                                "<connection id='id3'><connectionA x='2400' y='-700' direction='4'/>"
                                                "<connectionB x='2500' y='-700' direction='8'/></connection>"
                                                "</installation_diagram>"));
    doc.resize(800, 600);
    doc.show();
    QVERIFY(QTest::qWaitForWindowExposed(&doc));
    QCoreApplication::processEvents();
    const QRectF shown = doc.view()->mapToScene(doc.view()->viewport()->rect()).boundingRect();
    QVERIFY(shown.contains(QRectF(-1500, -900, 3450, 2100)));
    QVERIFY(shown.contains(QPointF(2500, -700)));
    // About 4,000 wide in a view under 800 wide: a quarter would not fit, a sixth does.
    QCOMPARE(doc.zoomLevel(), -5);
    QVERIFY(!doc.isModified());
}

VELTRANO_TEST(DiagramEditorTest)
#include "DiagramEditorTest.moc"
