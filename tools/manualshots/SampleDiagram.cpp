#include "SampleDiagram.h"

#include "DiagramComponent.h"
#include "DiagramConnection.h"
#include "DiagramGraphicsScene.h"
#include "DiagramItemFactory.h"
#include "InstallationDiagramDocument.h"
#include "ZoomableGraphicsView.h"

#include <QApplication>
#include <QGraphicsSceneMouseEvent>

#include <vector>

namespace {
struct Box
{
    const char* kind;
    QPointF centre;
};

// In the order the energy flows; the second row runs back from right to left. Centres in line
// keep the wires straight.
const Box boxes[] = {
    {"panel", {0, 0}},           {"dc_isolator", {240, 0}},       {"inverter", {480, 0}},
    {"ac_isolator", {480, 200}}, {"generation_meter", {300, 200}}, {"distribution_board", {20, 200}},
};

void send(DiagramGraphicsScene& scene, QEvent::Type type, const QPointF& position)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(position);
    event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
    event.setButtons(type == QEvent::GraphicsSceneMousePress ? Qt::LeftButton : Qt::NoButton);
    QApplication::sendEvent(&scene, &event);
}

void click(DiagramGraphicsScene& scene, const QPointF& position)
{
    send(scene, QEvent::GraphicsSceneMouseMove, position);
    send(scene, QEvent::GraphicsSceneMousePress, position);
    send(scene, QEvent::GraphicsSceneMouseRelease, position);
}

// Just inside the edge of the box that faces `towards`, where a wire end attaches.
QPointF edgeFacing(const DiagramComponent& component, const DiagramComponent& towards)
{
    const QRectF box = component.sceneBoundingRect();
    const QPointF direction = towards.sceneBoundingRect().center() - box.center();
    const qreal inset = 6;
    if (qAbs(direction.x()) >= qAbs(direction.y()))
        return direction.x() > 0 ? QPointF(box.right() - inset, box.center().y())
                                 : QPointF(box.left() + inset, box.center().y());
    return direction.y() > 0 ? QPointF(box.center().x(), box.bottom() - inset)
                             : QPointF(box.center().x(), box.top() + inset);
}

void wire(DiagramGraphicsScene& scene, const DiagramComponent& from, const DiagramComponent& to)
{
    click(scene, edgeFacing(from, to));
    click(scene, edgeFacing(to, from));
}

void zoomToShowAll(InstallationDiagramDocument& diagram)
{
    // The view has its final size only once the window has been laid out.
    QApplication::processEvents();
    const QRectF drawing = diagram.scene()->itemsBoundingRect().adjusted(-20, -20, 20, 20);
    ZoomableGraphicsView* view = diagram.view();
    for (int step = 0; step < 7; ++step) {
        const QRectF shown = view->mapToScene(view->viewport()->rect()).boundingRect();
        if (shown.width() >= drawing.width() && shown.height() >= drawing.height())
            break;
        diagram.zoomOut();
    }
    view->centerOn(drawing.center());
}
} // namespace

void SampleDiagram::draw(InstallationDiagramDocument& diagram)
{
    DiagramGraphicsScene& scene = *diagram.scene();
    std::vector<DiagramComponent*> placed;
    for (const Box& box : boxes) {
        DiagramComponent* component = DiagramItemFactory::createComponent(QLatin1String(box.kind), QString());
        if (!component)
            continue;
        component->setId(scene.takeNextId());
        component->place(box.centre - component->boundingRect().center(), component->displayName());
        scene.addDiagramItem(component);
        placed.push_back(component);
    }
    if (placed.size() != std::size(boxes))
        return;
    // Direct current up to the inverter, alternating current after it.
    scene.setCableType(DiagramConnection::DcCable);
    scene.setWireMode(DiagramGraphicsScene::Drawing);
    wire(scene, *placed[0], *placed[1]);
    wire(scene, *placed[1], *placed[2]);
    scene.setCableType(DiagramConnection::AcCable);
    for (std::size_t i = 2; i + 1 < placed.size(); ++i)
        wire(scene, *placed[i], *placed[i + 1]);
    scene.endWireMode();
    zoomToShowAll(diagram);
}
