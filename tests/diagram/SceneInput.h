#pragma once

#include <QPointF>
#include <QString>

class QGraphicsScene;

// Mouse input to a scene as a view would send it, and diagram files written for a test.
namespace SceneInput {
void move(QGraphicsScene& scene, const QPointF& at, Qt::MouseButtons held = Qt::NoButton);
void press(QGraphicsScene& scene, const QPointF& at, Qt::MouseButton button = Qt::LeftButton);
void release(QGraphicsScene& scene, const QPointF& at, Qt::MouseButton button = Qt::LeftButton);
void click(QGraphicsScene& scene, const QPointF& at);
// Hovers to `from`, then drags with the left button held to `to`.
void drag(QGraphicsScene& scene, const QPointF& from, const QPointF& to);
void contextMenu(QGraphicsScene& scene, const QPointF& at);
// Runs deferred deletions, as the event loop would after a menu choice.
void settle();

QString writeFile(const QString& folder, const QString& name, const QByteArray& content);
QByteArray readFile(const QString& path);
} // namespace SceneInput
