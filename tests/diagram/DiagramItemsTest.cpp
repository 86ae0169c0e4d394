#include "AcIsolatorDiagramComponent.h"
#include "ConnectionPoint.h"
#include "DcIsolatorDiagramComponent.h"
#include "DiagramConnection.h"
#include "DiagramGraphicsScene.h"
#include "DiagramLabel.h"
#include "DiagramTeardown.h"
#include "DistributionBoardDiagramComponent.h"
#include "GenerationMeterDiagramComponent.h"
#include "InverterDiagramComponent.h"
#include "LabelDiagramComponent.h"
#include "PanelDiagramComponent.h"
#include "SceneInput.h"
#include "TestMain.h"
#include "UiScript.h"

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {
template <typename Kind>
Kind* addBox(DiagramGraphicsScene& scene, const QPointF& at, const QString& caption = QString())
{
    auto* box = new Kind(scene.takeNextId());
    box->place(at, caption);
    scene.addDiagramItem(box);
    return box;
}

QPointF middleOfLongestRun(const QPolygonF& route)
{
    QLineF longest;
    for (int i = 1; i < route.size(); ++i) {
        if (QLineF(route.at(i - 1), route.at(i)).length() > longest.length())
            longest = QLineF(route.at(i - 1), route.at(i));
    }
    return longest.pointAt(0.5);
}

// A finished wire drawn with the Wire tool from `from` to `to`.
DiagramConnection* drawWire(DiagramGraphicsScene& scene, int cableType, const QPointF& from, const QPointF& to)
{
    scene.setWireMode(DiagramGraphicsScene::Drawing);
    scene.setCableType(cableType);
    DiagramConnection* wire = scene.pendingConnection();
    SceneInput::move(scene, from);
    SceneInput::click(scene, from);
    SceneInput::click(scene, to);
    scene.setWireMode(DiagramGraphicsScene::Editing);
    return wire;
}
} // namespace

class DiagramItemsTest : public QObject
{
    Q_OBJECT

private slots:
    void kindsHaveTheirSizesTypesAndCaptions_data();
    void kindsHaveTheirSizesTypesAndCaptions();
    void endsSnapToTheNearestSide_data();
    void endsSnapToTheNearestSide();
    void panelTakesSingleWiresAtTheMiddleOnly();
    void movingABoxDragsEndsAndCaption();
    void hoveredEndCanBeDraggedOff();
    void freeWireMovesAsAWhole();
    void deletingABoxFreesItsWires();
    void closingDeletesEverythingQuietly();
    void aClosedDiagramIsDeletedOnceTheWindowAnswersAgain();
    void captionMenuRenamesAndDeletes();
    void deletingANoteCaptionDeletesTheNote();
    void wireMenuOnlyOnTheRoute();
    void captionsNeverCoverTheirBox();
};

void DiagramItemsTest::kindsHaveTheirSizesTypesAndCaptions_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("type");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QPointF>("captionAt");
    QTest::newRow("ac") << "ac_isolator" << 0x20001 << QSizeF(55, 55) << QPointF(-95, 0);
    QTest::newRow("dc") << "dc_isolator" << 0x20002 << QSizeF(40, 40) << QPointF(-95, 0);
    QTest::newRow("board") << "distribution_board" << 0x20003 << QSizeF(140, 80) << QPointF(-135, 0);
    QTest::newRow("meter") << "generation_meter" << 0x20004 << QSizeF(120, 60) << QPointF(-135, 0);
    QTest::newRow("inverter") << "inverter" << 0x20005 << QSizeF(150, 100) << QPointF(15, 30);
}

void DiagramItemsTest::kindsHaveTheirSizesTypesAndCaptions()
{
    QFETCH(QString, element);
    QFETCH(int, type);
    QFETCH(QSizeF, size);
    QFETCH(QPointF, captionAt);
    DiagramGraphicsScene scene;
    QAction* add = nullptr;
    for (QAction* action : scene.addActions()) {
        if (action->data().toString() == element)
            add = action;
    }
    QVERIFY(add);
    UiScript script;
    script.answerDialog(QStringLiteral("Caption"));
    DiagramComponent* box = scene.addFromAction(add, QPointF(300, 200));
    QVERIFY(box);
    QCOMPARE(box->type(), type);
    QCOMPARE(box->elementName(), element);
    QCOMPARE(box->boundingRect(), QRectF(QPointF(0, 0), size));
    QCOMPARE(box->caption()->pos(), QPointF(300, 200) + captionAt);
    QCOMPARE(box->id(), QStringLiteral("id1"));
    QCOMPARE(script.dialogTexts(), QStringList {box->displayName()});
    if (element == QLatin1String("inverter"))
        QCOMPARE(box->caption()->boundingRect().size(), QSizeF(120, 40));
}

void DiagramItemsTest::endsSnapToTheNearestSide_data()
{
    QTest::addColumn<QPointF>("proposed");
    QTest::addColumn<int>("side");
    QTest::addColumn<QPointF>("snapped");
    // A 140 x 80 board at (100, 100): middle (170, 140), aspect 80/140.
    QTest::newRow("straight below the middle") << QPointF(170, 150) << int(ConnectionPoint::Bottom) << QPointF(170, 180);
    QTest::newRow("straight above the middle") << QPointF(170.05, 110) << int(ConnectionPoint::Top) << QPointF(170.05, 100);
    QTest::newRow("right, shallow") << QPointF(230, 150) << int(ConnectionPoint::Right) << QPointF(240, 150);
    QTest::newRow("right, steep down") << QPointF(190, 175) << int(ConnectionPoint::Bottom) << QPointF(190, 180);
    QTest::newRow("right, steep up") << QPointF(190, 105) << int(ConnectionPoint::Top) << QPointF(190, 100);
    QTest::newRow("left, shallow") << QPointF(105, 130) << int(ConnectionPoint::Left) << QPointF(100, 130);
    QTest::newRow("left, steep up") << QPointF(150, 101) << int(ConnectionPoint::Top) << QPointF(150, 100);
    QTest::newRow("left, steep down") << QPointF(150, 179) << int(ConnectionPoint::Bottom) << QPointF(150, 180);
}

void DiagramItemsTest::endsSnapToTheNearestSide()
{
    QFETCH(QPointF, proposed);
    QFETCH(int, side);
    QFETCH(QPointF, snapped);
    QPointF point = proposed;
    QCOMPARE(DiagramComponent::anchorToNearestSide(QRectF(100, 100, 140, 80), point), side);
    QCOMPARE(point, snapped);
    QPointF anywhere(1, 1);
    QCOMPARE(DiagramComponent::anchorToNearestSide(QRectF(0, 0, 0, 0), anywhere), 0);
}

void DiagramItemsTest::panelTakesSingleWiresAtTheMiddleOnly()
{
    DiagramGraphicsScene scene;
    auto* panel = addBox<PanelDiagramComponent>(scene, QPointF(100, 100));
    QVERIFY(!panel->caption());

    scene.setWireMode(DiagramGraphicsScene::Drawing);
    QPointer<DiagramConnection> single = scene.pendingConnection();
    SceneInput::move(scene, QPointF(126, 108));
    QVERIFY(single->endA().isAttached());
    QCOMPARE(single->endA().scenePos(), QPointF(130, 120));
    QCOMPARE(single->endA().direction(), int(ConnectionPoint::Right));
    QCOMPARE(panel->connectionPoints().size(), 1);

    scene.setCableType(DiagramConnection::DcCable);
    DiagramConnection* cable = scene.pendingConnection();
    QVERIFY(!single);
    SceneInput::move(scene, QPointF(126, 109));
    QVERIFY(!cable->endA().isAttached());
    QCOMPARE(cable->endA().scenePos(), QPointF(126, 109));
    QVERIFY(panel->connectionPoints().isEmpty());
}

void DiagramItemsTest::movingABoxDragsEndsAndCaption()
{
    DiagramGraphicsScene scene;
    auto* meter = addBox<GenerationMeterDiagramComponent>(scene, QPointF(200, 100), QStringLiteral("Meter"));
    auto* board = addBox<DistributionBoardDiagramComponent>(scene, QPointF(500, 100), QStringLiteral("Board"));
    DiagramConnection* wire = drawWire(scene, DiagramConnection::AcCable, QPointF(315, 130), QPointF(505, 140));
    QVERIFY(wire->endA().isAttached() && wire->endB().isAttached());
    QCOMPARE(wire->endA().connectedComponent(), meter);
    QCOMPARE(wire->endB().connectedComponent(), board);
    const QPointF endBefore = wire->endA().scenePos();
    const QPointF captionBefore = meter->caption()->pos();
    const QPolygonF routeBefore = wire->route();

    QSignalSpy changes(&scene, &DiagramGraphicsScene::modified);
    meter->setPos(meter->pos() + QPointF(-40, 60));
    QCOMPARE(wire->endA().scenePos(), endBefore + QPointF(-40, 60));
    QCOMPARE(meter->caption()->pos(), captionBefore + QPointF(-40, 60));
    QCOMPARE(wire->route().first(), wire->endA().scenePos());
    QVERIFY(wire->route() != routeBefore);
    QVERIFY(!changes.isEmpty());
    // The far end stays where it was.
    QCOMPARE(wire->endB().scenePos(), QPointF(500, 140));
}

void DiagramItemsTest::hoveredEndCanBeDraggedOff()
{
    DiagramGraphicsScene scene;
    addBox<DcIsolatorDiagramComponent>(scene, QPointF(100, 100));
    auto* inverter = addBox<InverterDiagramComponent>(scene, QPointF(400, 100));
    DiagramConnection* wire = drawWire(scene, DiagramConnection::DcCable, QPointF(135, 120), QPointF(405, 150));
    QCOMPARE(wire->endB().connectedComponent(), inverter);

    SceneInput::drag(scene, wire->endB().scenePos(), QPointF(300, 300));
    QVERIFY(!wire->endB().isAttached());
    QCOMPARE(wire->endB().scenePos(), QPointF(300, 300));
    QVERIFY(inverter->connectionPoints().isEmpty());

    SceneInput::drag(scene, QPointF(300, 300), QPointF(470, 195));
    QCOMPARE(wire->endB().connectedComponent(), inverter);
    QCOMPARE(wire->endB().direction(), int(ConnectionPoint::Bottom));
    QCOMPARE(wire->endB().scenePos(), QPointF(470, 200));
}

void DiagramItemsTest::freeWireMovesAsAWhole()
{
    DiagramGraphicsScene scene;
    DiagramConnection* wire = drawWire(scene, DiagramConnection::SingleWire, QPointF(0, 0), QPointF(100, 0));
    QVERIFY(!wire->endA().isAttached() && !wire->endB().isAttached());
    const QPointF onRoute = middleOfLongestRun(wire->route());
    SceneInput::drag(scene, onRoute, onRoute + QPointF(20, 30));
    QCOMPARE(wire->endA().scenePos(), QPointF(20, 30));
    QCOMPARE(wire->endB().scenePos(), QPointF(120, 30));

    auto* panel = addBox<PanelDiagramComponent>(scene, QPointF(300, 0));
    SceneInput::drag(scene, wire->endB().scenePos(), QPointF(301, 20));
    QCOMPARE(wire->endB().connectedComponent(), panel);
    const QPointF attachedA = wire->endA().scenePos();
    const QPointF onAttachedRoute = middleOfLongestRun(wire->route());
    SceneInput::drag(scene, onAttachedRoute, onAttachedRoute + QPointF(0, 50));
    QCOMPARE(wire->endA().scenePos(), attachedA);
}

void DiagramItemsTest::deletingABoxFreesItsWires()
{
    DiagramGraphicsScene scene;
    auto* isolator = addBox<DcIsolatorDiagramComponent>(scene, QPointF(100, 100), QStringLiteral("DC 1"));
    addBox<DcIsolatorDiagramComponent>(scene, QPointF(300, 100));
    DiagramConnection* wire = drawWire(scene, DiagramConnection::DcCable, QPointF(139, 120), QPointF(301, 120));
    QCOMPARE(wire->endA().connectedComponent(), isolator);
    QPointer<DiagramLabel> caption = isolator->caption();

    UiScript script;
    script.chooseFromMenu(QStringLiteral("Delete DC Isolator"));
    SceneInput::contextMenu(scene, QPointF(120, 120));
    SceneInput::settle();
    QCOMPARE(script.menus().value(0), (QStringList {QStringLiteral("Delete DC Isolator"), QStringLiteral("-")}));
    QVERIFY(!caption);
    QVERIFY(!wire->endA().isAttached());
    QVERIFY(wire->endB().isAttached());
    QVERIFY(scene.items().contains(wire));
    QCOMPARE(scene.componentWithId(QStringLiteral("id1")), nullptr);
}

// Closing deletes the items in the order they came, boxes before the wires drawn to them: a box
// then lets go of its wire ends without re-routing the wires or announcing a change.
void DiagramItemsTest::closingDeletesEverythingQuietly()
{
    auto scene = std::make_unique<DiagramGraphicsScene>();
    auto* isolator = addBox<DcIsolatorDiagramComponent>(*scene, QPointF(100, 100), QStringLiteral("DC 1"));
    addBox<InverterDiagramComponent>(*scene, QPointF(300, 100), QStringLiteral("Inverter"));
    auto* removed = addBox<AcIsolatorDiagramComponent>(*scene, QPointF(600, 100), QStringLiteral("AC 1"));
    QPointer<DiagramConnection> joined =
        drawWire(*scene, DiagramConnection::DcCable, QPointF(139, 120), QPointF(301, 120));
    QPointer<DiagramConnection> free = drawWire(*scene, DiagramConnection::SingleWire, QPointF(50, 400), QPointF(150, 400));
    QVERIFY(joined->endB().isAttached());
    // A box the user deleted leaves a gap among the items, a print has drawn them all, and a wire
    // is half drawn.
    removed->deleteComponent();
    SceneInput::settle();
    QImage page(400, 300, QImage::Format_ARGB32);
    QPainter painter(&page);
    scene->render(&painter);
    painter.end();
    scene->setWireMode(DiagramGraphicsScene::Drawing);
    SceneInput::click(*scene, QPointF(500, 300));
    QPointer<DiagramConnection> halfDrawn = scene->pendingConnection();
    QPointer<DiagramLabel> caption = isolator->caption();
    int announced = 0;
    connect(scene.get(), &DiagramGraphicsScene::modified, [&announced] { ++announced; });

    scene.reset();
    QCOMPARE(announced, 0);
    QVERIFY(!joined);
    QVERIFY(!free);
    QVERIFY(!halfDrawn);
    QVERIFY(!caption);
}

// The window that closed the diagram goes at once; its items go while the event loop is free,
// boxes, captions and wires each once, and nothing is re-routed or announced on the way.
void DiagramItemsTest::aClosedDiagramIsDeletedOnceTheWindowAnswersAgain()
{
    auto* scene = new DiagramGraphicsScene;
    QPointer<DiagramGraphicsScene> sceneAlive = scene;
    QList<QPointer<QObject>> items;
    for (int i = 0; i < 300; ++i) {
        auto* box = addBox<InverterDiagramComponent>(*scene, QPointF(200 * (i % 20), 150 * (i / 20)),
                                                     QStringLiteral("Inverter %1").arg(i));
        items << box << box->caption();
    }
    // Wires between boxes, and a box added after them, as the user adds them.
    for (int i = 0; i < 10; ++i)
        items << drawWire(*scene, DiagramConnection::DcCable, QPointF(201 + 200 * i, 20), QPointF(301 + 200 * i, 170));
    auto* lateBox = addBox<DcIsolatorDiagramComponent>(*scene, QPointF(100, 3000), QStringLiteral("DC 1"));
    items << lateBox << lateBox->caption();
    scene->setWireMode(DiagramGraphicsScene::Drawing);
    SceneInput::click(*scene, QPointF(500, 4000));
    items << scene->pendingConnection();
    int announced = 0;
    connect(scene, &DiagramGraphicsScene::modified, [&announced] { ++announced; });
    const int everyItem = 300 * 2 + 10 + 2 + 1;
    QCOMPARE(items.size(), everyItem);

    DiagramTeardown::dismantle(scene);
    QVERIFY(std::all_of(items.cbegin(), items.cend(), [](const QPointer<QObject>& item) { return item; }));
    QTRY_VERIFY(!sceneAlive);
    QVERIFY(std::none_of(items.cbegin(), items.cend(), [](const QPointer<QObject>& item) { return item; }));
    QCOMPARE(announced, 0);
}

void DiagramItemsTest::captionMenuRenamesAndDeletes()
{
    DiagramGraphicsScene scene;
    auto* meter = addBox<GenerationMeterDiagramComponent>(scene, QPointF(300, 100), QStringLiteral("Meter"));
    const QPointF onCaption = meter->caption()->sceneBoundingRect().center();
    QSignalSpy changes(&scene, &DiagramGraphicsScene::modified);

    UiScript script;
    script.chooseFromMenu(QStringLiteral("Set Label Text"));
    script.cancelDialog();
    SceneInput::contextMenu(scene, onCaption);
    QCOMPARE(script.menus().value(0), (QStringList {QStringLiteral("Set Label Text"), QStringLiteral("-"),
                                                    QStringLiteral("Delete Label")}));
    QCOMPARE(script.dialogTitles(), QStringList {QStringLiteral("Component Settings")});
    QCOMPARE(script.dialogTexts(), QStringList {QStringLiteral("Meter")});
    QCOMPARE(meter->caption()->labelText(), QStringLiteral("Meter"));
    QVERIFY(changes.isEmpty());

    script.chooseFromMenu(QStringLiteral("Set Label Text"));
    script.answerDialog(QStringLiteral("Generation meter\nMID class B"));
    SceneInput::contextMenu(scene, onCaption);
    QCOMPARE(meter->caption()->labelText(), QStringLiteral("Generation meter\nMID class B"));
    QVERIFY(!changes.isEmpty());

    script.chooseFromMenu(QStringLiteral("Delete Label"));
    SceneInput::contextMenu(scene, meter->caption()->sceneBoundingRect().center());
    SceneInput::settle();
    QVERIFY(!meter->caption());
    QVERIFY(scene.items().contains(meter));
}

void DiagramItemsTest::deletingANoteCaptionDeletesTheNote()
{
    DiagramGraphicsScene scene;
    QPointer<LabelDiagramComponent> note = addBox<LabelDiagramComponent>(scene, QPointF(0, 0), QStringLiteral("Roof east"));
    UiScript script;
    script.chooseFromMenu(QStringLiteral("Delete Label"));
    SceneInput::contextMenu(scene, note->caption()->sceneBoundingRect().center());
    SceneInput::settle();
    QVERIFY(!note);
    QVERIFY(scene.items().isEmpty());
}

void DiagramItemsTest::wireMenuOnlyOnTheRoute()
{
    DiagramGraphicsScene scene;
    QPointer<DiagramConnection> wire = drawWire(scene, DiagramConnection::AcCable, QPointF(0, 0), QPointF(200, 100));
    UiScript script;
    // Off the route the scene's own menu opens instead.
    script.chooseFromMenu(QString());
    SceneInput::contextMenu(scene, QPointF(150, 20));
    QCOMPARE(script.menus().value(0).value(0), QStringLiteral("Add Label"));

    script.chooseFromMenu(QStringLiteral("Delete Connection"));
    SceneInput::contextMenu(scene, (wire->route().at(1) + wire->route().at(2)) / 2);
    SceneInput::settle();
    QCOMPARE(script.menus().value(1), QStringList {QStringLiteral("Delete Connection")});
    QVERIFY(!wire);
    QVERIFY(scene.items().isEmpty());
}

void DiagramItemsTest::captionsNeverCoverTheirBox()
{
    DiagramGraphicsScene scene;
    // German names are longer than the room left of the box for the English ones.
    auto* ac = addBox<AcIsolatorDiagramComponent>(scene, QPointF(300, 100), QStringLiteral("AC-Trennschalter"));
    auto* dc = addBox<DcIsolatorDiagramComponent>(scene, QPointF(300, 300), QStringLiteral("DC-Trennschalter"));
    auto* board = addBox<DistributionBoardDiagramComponent>(scene, QPointF(300, 500),
                                                            QStringLiteral("Unterverteilung Hausanschlussraum"));
    for (DiagramComponent* box : {static_cast<DiagramComponent*>(ac), static_cast<DiagramComponent*>(dc),
                                  static_cast<DiagramComponent*>(board)}) {
        QVERIFY2(!box->caption()->sceneBoundingRect().intersects(box->sceneBoundingRect()),
                 qPrintable(box->caption()->labelText()));
        QCOMPARE(box->caption()->y(), box->y());
    }

    auto* meter = addBox<GenerationMeterDiagramComponent>(scene, QPointF(300, 700), QStringLiteral("Meter"));
    UiScript script;
    script.chooseFromMenu(QStringLiteral("Set Label Text"));
    script.answerDialog(QStringLiteral("Einspeisezähler mit Zweirichtungszählwerk"));
    SceneInput::contextMenu(scene, meter->caption()->sceneBoundingRect().center());
    QVERIFY(!meter->caption()->sceneBoundingRect().intersects(meter->sceneBoundingRect()));
    QCOMPARE(meter->caption()->sceneBoundingRect().right(), 300.0 - 8);

    // Read from a file: a caption reaching over its box from the left is moved off it; one the
    // user put on the box stays where it is.
    QTemporaryDir folder;
    const QString path = SceneInput::writeFile(
        folder.path(), QStringLiteral("captions.arvid"),
        "<installation_diagram>"
        "<ac_isolator id='id1' x='300' y='100'><label x='205' y='100' width='120' height='30' text='A'/></ac_isolator>"
        "<dc_isolator id='id2' x='300' y='300'><label x='305' y='300' width='120' height='30' text='B'/></dc_isolator>"
        "</installation_diagram>");
    DiagramGraphicsScene reread;
    QVERIFY(!reread.load(path).failed());
    auto* readAc = dynamic_cast<AcIsolatorDiagramComponent*>(reread.componentWithId(QStringLiteral("id1")));
    auto* readDc = dynamic_cast<DcIsolatorDiagramComponent*>(reread.componentWithId(QStringLiteral("id2")));
    QCOMPARE(readAc->caption()->pos(), QPointF(300 - 8 - 120, 100));
    QCOMPARE(readDc->caption()->pos(), QPointF(305, 300));
}

VELTRANO_TEST(DiagramItemsTest)
#include "DiagramItemsTest.moc"
