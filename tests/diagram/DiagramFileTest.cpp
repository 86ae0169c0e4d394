#include "AcIsolatorDiagramComponent.h"
#include "DiagramConnection.h"
#include "DiagramGraphicsScene.h"
#include "DiagramLabel.h"
#include "DiagramXmlGuard.h"
#include "InverterDiagramComponent.h"
#include "LabelDiagramComponent.h"
#include "PanelDiagramComponent.h"
#include "SceneInput.h"
#include "SmallDisk.h"
#include "TestMain.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
template <typename Kind>
QList<Kind*> itemsOf(const QGraphicsScene& scene)
{
    QList<Kind*> found;
    const QList<QGraphicsItem*> all = scene.items(Qt::AscendingOrder);
    for (QGraphicsItem* item : all) {
        if (auto* wanted = dynamic_cast<Kind*>(item))
            found << wanted;
    }
    return found;
}

QDomElement rootOf(const QByteArray& xml)
{
    QDomDocument document;
    document.setContent(xml);
    return document.documentElement();
}

QStringList childNames(const QDomElement& root)
{
    QStringList names;
    for (QDomElement child = root.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        names << child.tagName();
    return names;
}
} // namespace

class DiagramFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void isolatorWithCaptionRoundTrips();
    void captionKeepsTheHeightItWasGiven();
    void halfAttachedWireKeepsItsFreeEnd();
    void wiresAreWrittenAfterTheBoxes();
    void otherRootNameStillLoads();
    void nextIdFollowsTheLargestRead();
    void connectionBeforeItsBoxLoadsUnattached();
    void badIdsAreReplacedWithoutClashes();
    void unusableCoordinatesAreTamed();
    void noteTextKeepsMarkupCharactersAndLineFeeds();
    void unreadableFilesAreReported();
    void readOnlyFileIsNotOverwritten();
    void fullDiskKeepsTheOldDiagram();
    void wireBeingDrawnIsNotSaved();
    void diagramThatCouldNotOpenAgainIsNotSaved();
    void stackingSurvivesSavingAndReopening();
    void freeWireEndsKeepTheirPlace();
    void renumberedBoxesKeepTheirWires();
    void unchangedDiagramGivesTheSameBytes();

private:
    QString load(DiagramGraphicsScene& scene, const QByteArray& xml);
    std::unique_ptr<QTemporaryDir> folder;
};

void DiagramFileTest::init()
{
    folder = std::make_unique<QTemporaryDir>();
}

QString DiagramFileTest::load(DiagramGraphicsScene& scene, const QByteArray& xml)
{
    const QString path = SceneInput::writeFile(folder->path(), QStringLiteral("plan.arvid"), xml);
    if (scene.load(path).failed())
        return QString();
    return path;
}

void DiagramFileTest::isolatorWithCaptionRoundTrips()
{
    const QString path = folder->filePath(QStringLiteral("isolator.arvid"));
    QSizeF captionSize;
    {
        DiagramGraphicsScene scene;
        auto* isolator = new AcIsolatorDiagramComponent(scene.takeNextId());
        isolator->place(QPointF(200, 100), QStringLiteral("Main AC\nisolator"));
        scene.addDiagramItem(isolator);
        QCOMPARE(isolator->caption()->pos(), QPointF(105, 100));
        captionSize = isolator->caption()->boundingRect().size();
        QVERIFY(!scene.save(path).failed());
    }
    const QByteArray written = SceneInput::readFile(path);
    QVERIFY(!written.startsWith("<?xml"));
    const QDomElement root = rootOf(written);
    QCOMPARE(root.tagName(), QStringLiteral("installation_diagram"));
    QCOMPARE(childNames(root), QStringList {QStringLiteral("ac_isolator")});
    const QDomElement box = root.firstChildElement();
    QCOMPARE(box.attribute(QStringLiteral("x")), QStringLiteral("200"));
    QCOMPARE(box.attribute(QStringLiteral("y")), QStringLiteral("100"));
    QCOMPARE(box.attribute(QStringLiteral("id")), QStringLiteral("id1"));
    QCOMPARE(box.firstChildElement(QStringLiteral("label")).attribute(QStringLiteral("text")),
             QStringLiteral("Main AC\nisolator"));

    DiagramGraphicsScene reread;
    QVERIFY(!reread.load(path).failed());
    const auto isolators = itemsOf<AcIsolatorDiagramComponent>(reread);
    QCOMPARE(isolators.size(), 1);
    QCOMPARE(isolators.first()->pos(), QPointF(200, 100));
    QCOMPARE(isolators.first()->id(), QStringLiteral("id1"));
    QVERIFY(isolators.first()->caption());
    QCOMPARE(isolators.first()->caption()->labelText(), QStringLiteral("Main AC\nisolator"));
    QCOMPARE(isolators.first()->caption()->pos(), QPointF(105, 100));
    // Read back at the size it was written with, the caption wraps exactly as before.
    QCOMPARE(isolators.first()->caption()->boundingRect().size(), captionSize);
    QCOMPARE(isolators.first()->caption()->scene(), &reread);
}

// A caption the user made taller than its text stays that tall: read, written and read again.
void DiagramFileTest::captionKeepsTheHeightItWasGiven()
{
    DiagramGraphicsScene scene;
    const QString path = load(scene, "<installation_diagram><ac_isolator id='id1' x='200' y='100'>"
                                     "<label x='105' y='100' width='90' height='120' text='Main'/>"
                                     "</ac_isolator></installation_diagram>");
    QVERIFY(!path.isEmpty());
    const auto isolators = itemsOf<AcIsolatorDiagramComponent>(scene);
    QCOMPARE(isolators.size(), 1);
    QCOMPARE(isolators.first()->caption()->boundingRect().size(), QSizeF(90, 120));

    QVERIFY(!scene.save(path).failed());
    const QDomElement label = rootOf(SceneInput::readFile(path)).firstChildElement().firstChildElement();
    QCOMPARE(label.attribute(QStringLiteral("width")), QStringLiteral("90"));
    QCOMPARE(label.attribute(QStringLiteral("height")), QStringLiteral("120"));
    DiagramGraphicsScene reread;
    QVERIFY(!reread.load(path).failed());
    QCOMPARE(itemsOf<AcIsolatorDiagramComponent>(reread).first()->caption()->boundingRect().size(), QSizeF(90, 120));
}

void DiagramFileTest::halfAttachedWireKeepsItsFreeEnd()
{
    DiagramGraphicsScene scene;
    QVERIFY(!load(scene, "<installation_diagram>"
                         "<inverter id='id1' x='100' y='100'/>"
                         "<connection id='id2' type='DC'>"
                         "<connectionB connectedItemId='id1' connectedPosX='0' connectedPosY='50' direction='8'/>"
                         "</connection></installation_diagram>")
                    .isEmpty());
    const auto wires = itemsOf<DiagramConnection>(scene);
    QCOMPARE(wires.size(), 1);
    DiagramConnection* wire = wires.first();
    QCOMPARE(wire->cableType(), int(DiagramConnection::DcCable));
    QCOMPARE(wire->type(), 0x40002);
    QCOMPARE(wire->state(), int(DiagramConnection::Complete));
    QVERIFY(!wire->endA().isAttached());
    QVERIFY(wire->endB().isAttached());
    QCOMPARE(wire->endB().scenePos(), QPointF(100, 150));
    QCOMPARE(wire->endB().direction(), int(ConnectionPoint::Left));
    QVERIFY(wire->endA().isVisible() && wire->endB().isVisible());

    const QString resaved = folder->filePath(QStringLiteral("again.arvid"));
    QVERIFY(!scene.save(resaved).failed());
    const QDomElement connection = rootOf(SceneInput::readFile(resaved)).firstChildElement(QStringLiteral("connection"));
    QCOMPARE(childNames(connection), (QStringList {QStringLiteral("connectionA"), QStringLiteral("connectionB")}));
    QCOMPARE(connection.attribute(QStringLiteral("type")), QStringLiteral("DC"));
    // A file that does not place the free end leaves it where the wire is, not at the origin.
    const QDomElement freeEnd = connection.firstChildElement(QStringLiteral("connectionA"));
    QVERIFY(!freeEnd.hasAttribute(QStringLiteral("connectedItemId")));
    QCOMPARE(freeEnd.attribute(QStringLiteral("x")), QStringLiteral("100"));
    QCOMPARE(freeEnd.attribute(QStringLiteral("y")), QStringLiteral("150"));
    const QDomElement end = connection.firstChildElement(QStringLiteral("connectionB"));
    QCOMPARE(end.attribute(QStringLiteral("connectedItemId")), QStringLiteral("id1"));
    QCOMPARE(end.attribute(QStringLiteral("connectedPosY")), QStringLiteral("50"));
    QCOMPARE(end.attribute(QStringLiteral("direction")), QStringLiteral("8"));
}

void DiagramFileTest::wiresAreWrittenAfterTheBoxes()
{
    DiagramGraphicsScene scene;
    QVERIFY(!load(scene, "<installation_diagram>"
                         "<connection id='id1' type='strange'/>"
                         "<panel id='id2'/><dc_isolator id='id3' x='80'/><label id='id4'><label text='Note'/></label>"
                         "</installation_diagram>")
                    .isEmpty());
    // A type the program does not know is read as none and written without the attribute.
    QCOMPARE(itemsOf<DiagramConnection>(scene).first()->type(), 0x40000);
    const QString path = folder->filePath(QStringLiteral("order.arvid"));
    QVERIFY(!scene.save(path).failed());
    const QDomElement root = rootOf(SceneInput::readFile(path));
    const QStringList names = childNames(root);
    QCOMPARE(names.size(), 4);
    QCOMPARE(names.last(), QStringLiteral("connection"));
    QVERIFY(!root.lastChildElement().hasAttribute(QStringLiteral("type")));
}

void DiagramFileTest::otherRootNameStillLoads()
{
    DiagramGraphicsScene scene;
    QVERIFY(!load(scene, "<something_else><panel id='id1' x='5' y='6'/><unknown id='id7'/></something_else>").isEmpty());
    QCOMPARE(itemsOf<DiagramGraphicsItem>(scene).size(), 1);
    QCOMPARE(itemsOf<PanelDiagramComponent>(scene).first()->pos(), QPointF(5, 6));
    // Unknown elements are skipped, and so is their id.
    QCOMPARE(scene.nextItemId(), qint64(2));
}

void DiagramFileTest::nextIdFollowsTheLargestRead()
{
    DiagramGraphicsScene scene;
    QVERIFY(!load(scene, "<installation_diagram><panel id='id12'/><inverter id='id3'/></installation_diagram>").isEmpty());
    QCOMPARE(scene.takeNextId(), QStringLiteral("id13"));
}

void DiagramFileTest::connectionBeforeItsBoxLoadsUnattached()
{
    DiagramGraphicsScene scene;
    QVERIFY(!load(scene, "<installation_diagram>"
                         "<connection id='id2'><connectionA connectedItemId='id1' connectedPosX='0' connectedPosY='0'"
                         " direction='1'/></connection>"
                         "<panel id='id1' x='50' y='50'/></installation_diagram>")
                    .isEmpty());
    DiagramConnection* wire = itemsOf<DiagramConnection>(scene).first();
    QVERIFY(!wire->endA().isAttached());
    QVERIFY(itemsOf<PanelDiagramComponent>(scene).first()->connectionPoints().isEmpty());
}

void DiagramFileTest::badIdsAreReplacedWithoutClashes()
{
    DiagramGraphicsScene scene;
    QVERIFY(!load(scene, "<installation_diagram>"
                         "<panel id='id5' x='1'/><panel id='id5' x='2'/><panel x='3'/><panel id='idx' x='4'/>"
                         "<panel id='id99999999999999999999' x='5'/><panel id='id99999999999' x='6'/>"
                         "<connection id='id7'><connectionA connectedItemId='id5' connectedPosX='0' connectedPosY='20'"
                         " direction='8'/><connectionB connectedItemId='nowhere' direction='4'/></connection>"
                         "</installation_diagram>")
                    .isEmpty());
    QStringList ids;
    for (DiagramGraphicsItem* item : itemsOf<DiagramGraphicsItem>(scene))
        ids << item->id();
    QCOMPARE(ids.size(), 7);
    QCOMPARE(QSet<QString>(ids.begin(), ids.end()).size(), 7);
    QVERIFY(ids.contains(QStringLiteral("id99999999999")));
    QVERIFY(ids.contains(QStringLiteral("id100000000000")));
    // The wire names the first box of that id; the one naming no box stays free.
    DiagramConnection* wire = itemsOf<DiagramConnection>(scene).first();
    QCOMPARE(wire->endA().connectedComponent()->pos().x(), 1.0);
    QVERIFY(!wire->endB().isAttached());
}

void DiagramFileTest::unusableCoordinatesAreTamed()
{
    DiagramGraphicsScene scene;
    QVERIFY(!load(scene, "<installation_diagram><panel id='id1' x='nan' y='inf'/><panel id='id2' x='1e300' y='-1e300'/>"
                         "<inverter id='id3' x='12.5' y='abc'><label x='nan' width='-5' height='1e9' text='T'/></inverter>"
                         "</installation_diagram>")
                    .isEmpty());
    const auto panels = itemsOf<PanelDiagramComponent>(scene);
    QCOMPARE(panels.at(0)->pos(), QPointF(0, 0));
    QCOMPARE(panels.at(1)->pos(), QPointF(1e6, -1e6));
    auto* inverter = itemsOf<InverterDiagramComponent>(scene).first();
    QCOMPARE(inverter->pos(), QPointF(12.5, 0));
    QVERIFY(qIsFinite(inverter->caption()->boundingRect().width()));
    QVERIFY(inverter->caption()->boundingRect().width() >= 1);
}

void DiagramFileTest::noteTextKeepsMarkupCharactersAndLineFeeds()
{
    const QString text = QStringLiteral("String 1: I < 10 A & U > 600 V\n<b>not bold</b>\n  indented");
    const QString path = folder->filePath(QStringLiteral("note.arvid"));
    {
        DiagramGraphicsScene scene;
        auto* note = new LabelDiagramComponent(scene.takeNextId());
        note->place(QPointF(10, 10), text);
        scene.addDiagramItem(note);
        QCOMPARE(note->caption()->toPlainText().left(30), text.left(30));
        QCOMPARE(note->boundingRect().size(), note->caption()->boundingRect().size());
        QVERIFY(!scene.save(path).failed());
    }
    DiagramGraphicsScene reread;
    QVERIFY(!reread.load(path).failed());
    auto* note = itemsOf<LabelDiagramComponent>(reread).first();
    QCOMPARE(note->caption()->labelText(), text);
    QVERIFY(!note->boundingRect().isEmpty());
}

void DiagramFileTest::unreadableFilesAreReported()
{
    DiagramGraphicsScene scene;
    const QString missing = folder->filePath(QStringLiteral("missing.arvid"));
    const Failure unopened = scene.load(missing);
    QVERIFY(unopened.text.contains(missing));
    QCOMPARE(unopened.informativeText, QStringLiteral("Is the file read-only or has it been deleted?"));

    const QString broken = SceneInput::writeFile(folder->path(), QStringLiteral("broken.arvid"),
                                                 "<installation_diagram>\n<panel id='id1'>\n</installation_diagram>");
    const Failure unparsed = scene.load(broken);
    const QRegularExpression parseError(QStringLiteral("^XML validation error in (.+) on line 3, column \\d+$"));
    QCOMPARE(parseError.match(unparsed.text).captured(1), broken);
    QVERIFY(!unparsed.informativeText.isEmpty());
    QVERIFY(scene.items().isEmpty());
}

void DiagramFileTest::readOnlyFileIsNotOverwritten()
{
    const QByteArray original = "<installation_diagram/>\n";
    const QString path = SceneInput::writeFile(folder->path(), QStringLiteral("locked.arvid"), original);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    DiagramGraphicsScene scene;
    auto* panel = new PanelDiagramComponent(scene.takeNextId());
    scene.addDiagramItem(panel);
    const Failure failure = scene.save(path);
    QCOMPARE(failure.text, QStringLiteral("Error opening %1 for writing").arg(path));
    QCOMPARE(failure.informativeText,
             QStringLiteral("The file is read-only. Remove its read-only mark, or save under another name."));
    QCOMPARE(SceneInput::readFile(path), original);
}

void DiagramFileTest::fullDiskKeepsTheOldDiagram()
{
    SmallDisk disk;
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.reason()));
    const QByteArray original = "<installation_diagram/>\n";
    const QString path = SceneInput::writeFile(disk.path(), QStringLiteral("roof.arvid"), original);
    QVERIFY(disk.fillLeaving(0));
    DiagramGraphicsScene scene;
    for (int i = 0; i < 20; ++i) {
        auto* panel = new PanelDiagramComponent(scene.takeNextId());
        panel->setPos(i * 80, 0);
        scene.addDiagramItem(panel);
    }

    const Failure failure = scene.save(path);

    QCOMPARE(failure.text, QStringLiteral("Error opening %1 for writing").arg(path));
    QVERIFY2(failure.informativeText.startsWith(QStringLiteral("The disk is full.")), qPrintable(failure.informativeText));
    QCOMPARE(SceneInput::readFile(path), original);
}

void DiagramFileTest::wireBeingDrawnIsNotSaved()
{
    DiagramGraphicsScene scene;
    scene.setWireMode(DiagramGraphicsScene::Drawing);
    QVERIFY(scene.pendingConnection());
    const QString path = folder->filePath(QStringLiteral("drawing.arvid"));
    QVERIFY(!scene.save(path).failed());
    QVERIFY(childNames(rootOf(SceneInput::readFile(path))).isEmpty());
}

// At the reader's limit it saves and opens again; one box more and the old file stays as it was.
void DiagramFileTest::diagramThatCouldNotOpenAgainIsNotSaved()
{
    const QString path = folder->filePath(QStringLiteral("large.arvid"));
    DiagramGraphicsScene scene;
    for (int count = 0; count < DiagramXmlGuard::maximumItems; ++count)
        scene.addDiagramItem(new PanelDiagramComponent(scene.takeNextId()));
    QVERIFY(!scene.save(path).failed());
    const QByteArray saved = SceneInput::readFile(path);
    {
        DiagramGraphicsScene reopened;
        QVERIFY(!reopened.load(path).failed());
    }

    scene.addDiagramItem(new PanelDiagramComponent(scene.takeNextId()));
    const Failure failure = scene.save(path);
    QCOMPARE(SceneInput::readFile(path), saved);
    QVERIFY(failure.text.contains(QDir::toNativeSeparators(path)));
    QVERIFY2(failure.informativeText.contains(QStringLiteral("more than 5000 boxes and wires")),
             qPrintable(failure.informativeText));
}

void DiagramFileTest::stackingSurvivesSavingAndReopening()
{
    const QString path = folder->filePath(QStringLiteral("stack.arvid"));
    {
        DiagramGraphicsScene scene;
        // Three boxes over one another, added bottom to top.
        for (const QPointF& at : {QPointF(0, 0), QPointF(10, 10), QPointF(20, 20)}) {
            auto* panel = new PanelDiagramComponent(scene.takeNextId());
            panel->setPos(at);
            scene.addDiagramItem(panel);
        }
        QVERIFY(!scene.save(path).failed());
    }
    for (int round = 0; round < 2; ++round) {
        DiagramGraphicsScene scene;
        QVERIFY(!scene.load(path).failed());
        QStringList bottomToTop;
        for (PanelDiagramComponent* panel : itemsOf<PanelDiagramComponent>(scene))
            bottomToTop << panel->id();
        QCOMPARE(bottomToTop, (QStringList {QStringLiteral("id1"), QStringLiteral("id2"), QStringLiteral("id3")}));
        QCOMPARE(scene.itemAt(QPointF(25, 25), QTransform())->type(), int(PanelDiagramComponent::Type));
        QCOMPARE(static_cast<DiagramGraphicsItem*>(scene.itemAt(QPointF(25, 25), QTransform()))->id(),
                 QStringLiteral("id3"));
        QVERIFY(!scene.save(path).failed());
    }
}

void DiagramFileTest::freeWireEndsKeepTheirPlace()
{
    const QString path = folder->filePath(QStringLiteral("free.arvid"));
    {
        DiagramGraphicsScene scene;
        auto* wire = new DiagramConnection(scene.takeNextId(), DiagramConnection::AcCable);
        scene.addDiagramItem(wire);
        wire->endA().setPos(310, 420);
        wire->advance();
        wire->endB().setPos(390.5, 420);
        wire->advance();
        QVERIFY(!scene.save(path).failed());
    }
    DiagramGraphicsScene reread;
    // Read through the same checks as any file from outside.
    QVERIFY(!reread.load(path).failed());
    DiagramConnection* wire = itemsOf<DiagramConnection>(reread).first();
    QCOMPARE(wire->endA().scenePos(), QPointF(310, 420));
    QCOMPARE(wire->endB().scenePos(), QPointF(390.5, 420));
    QVERIFY(!wire->endA().isAttached() && !wire->endB().isAttached());
    QCOMPARE(wire->endA().direction(), int(ConnectionPoint::Left));
    QCOMPARE(wire->endB().direction(), int(ConnectionPoint::Right));
    // Nothing of the wire reaches back to the origin.
    QVERIFY(wire->sceneBoundingRect().left() > 250);
    QVERIFY(reread.drawingRect().left() > 250);
}

void DiagramFileTest::renumberedBoxesKeepTheirWires()
{
    DiagramGraphicsScene scene;
    QVERIFY(!load(scene, "<installation_diagram>"
                         "<panel id='id5' x='1'/><panel id='id5' x='2'/><panel id='idx' x='4'/>"
                         "<connection id='id7'>"
                         "<connectionA connectedItemId='idx' connectedPosX='0' connectedPosY='20' direction='8'/>"
                         "<connectionB connectedItemId='id5' connectedPosX='30' connectedPosY='20' direction='4'/>"
                         "</connection></installation_diagram>")
                    .isEmpty());
    const QString path = folder->filePath(QStringLiteral("renumbered.arvid"));
    QVERIFY(!scene.save(path).failed());
    DiagramGraphicsScene reread;
    QVERIFY(!reread.load(path).failed());
    DiagramConnection* wire = itemsOf<DiagramConnection>(reread).first();
    QVERIFY(wire->endA().isAttached() && wire->endB().isAttached());
    QCOMPARE(wire->endA().connectedComponent()->pos(), QPointF(4, 0));
    QCOMPARE(wire->endA().scenePos(), QPointF(4, 20));
    // Of two boxes with one id, the wire keeps to the first.
    QCOMPARE(wire->endB().connectedComponent()->pos(), QPointF(1, 0));
    QVERIFY(wire->endA().connectedComponent()->id() != QStringLiteral("idx"));
}

void DiagramFileTest::unchangedDiagramGivesTheSameBytes()
{
    const QByteArray file = "<installation_diagram>\n"
                            "  <ac_isolator id=\"id1\" x=\"200\" y=\"100\">\n"
                            "    <label x=\"105\" y=\"100\" width=\"80\" height=\"60\" text=\"Main&#10;AC\"/>\n"
                            "  </ac_isolator>\n"
                            "  <panel id=\"id2\" x=\"400\" y=\"100\"/>\n"
                            "  <connection id=\"id3\" type=\"Single\">\n"
                            "    <connectionA connectedItemId=\"id1\" connectedPosX=\"55\" connectedPosY=\"20\""
                            " direction=\"4\"/>\n"
                            "    <connectionB x=\"500\" y=\"300\" direction=\"4\"/>\n"
                            "  </connection>\n"
                            "</installation_diagram>\n";
    DiagramGraphicsScene scene;
    QVERIFY(!load(scene, file).isEmpty());
    const QString first = folder->filePath(QStringLiteral("first.arvid"));
    const QString second = folder->filePath(QStringLiteral("second.arvid"));
    QVERIFY(!scene.save(first).failed());
    QVERIFY(!scene.save(second).failed());
    // Line by line, so that a difference is shown where it is.
    const QStringList expected = QString::fromUtf8(file).split(QLatin1Char('\n'));
    QCOMPARE(QString::fromUtf8(SceneInput::readFile(first)).split(QLatin1Char('\n')), expected);
    QCOMPARE(SceneInput::readFile(second), SceneInput::readFile(first));
}

VELTRANO_TEST(DiagramFileTest)
#include "DiagramFileTest.moc"
