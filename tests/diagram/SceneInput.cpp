#include "SceneInput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>

namespace {
// Where the last press was, as a view would remember it for the moves that follow.
QPointF pressedAt;

void mouse(QGraphicsScene& scene, QEvent::Type type, const QPointF& at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(at);
    event.setScreenPos(at.toPoint());
    event.setLastScenePos(at);
    event.setButton(button);
    event.setButtons(held);
    if (type == QEvent::GraphicsSceneMousePress)
        pressedAt = at;
    event.setButtonDownScenePos(Qt::LeftButton, held || button != Qt::NoButton ? pressedAt : at);
    QCoreApplication::sendEvent(&scene, &event);
}
} // namespace

void SceneInput::move(QGraphicsScene& scene, const QPointF& at, Qt::MouseButtons held)
{
    mouse(scene, QEvent::GraphicsSceneMouseMove, at, Qt::NoButton, held);
}

void SceneInput::press(QGraphicsScene& scene, const QPointF& at, Qt::MouseButton button)
{
    mouse(scene, QEvent::GraphicsSceneMousePress, at, button, button);
}

void SceneInput::release(QGraphicsScene& scene, const QPointF& at, Qt::MouseButton button)
{
    mouse(scene, QEvent::GraphicsSceneMouseRelease, at, button, Qt::NoButton);
}

void SceneInput::click(QGraphicsScene& scene, const QPointF& at)
{
    move(scene, at);
    press(scene, at);
    release(scene, at);
}

void SceneInput::drag(QGraphicsScene& scene, const QPointF& from, const QPointF& to)
{
    move(scene, from);
    press(scene, from);
    const QPointF halfway = (from + to) / 2;
    move(scene, halfway, Qt::LeftButton);
    move(scene, to, Qt::LeftButton);
    release(scene, to);
}

void SceneInput::contextMenu(QGraphicsScene& scene, const QPointF& at)
{
    QGraphicsSceneContextMenuEvent event(QEvent::GraphicsSceneContextMenu);
    event.setScenePos(at);
    event.setScreenPos(at.toPoint());
    event.setReason(QGraphicsSceneContextMenuEvent::Mouse);
    QCoreApplication::sendEvent(&scene, &event);
}

void SceneInput::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString SceneInput::writeFile(const QString& folder, const QString& name, const QByteArray& content)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
    return path;
}

QByteArray SceneInput::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
