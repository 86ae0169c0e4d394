#include "SceneFixture.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {
bool parse(const QString& xml, QDomDocument& document)
{
    QString message;
    int line = 0;
    int column = 0;
    if (document.setContent(xml, &message, &line, &column))
        return true;
    qWarning("XML error at %d:%d: %s", line, column, qPrintable(message));
    return false;
}
} // namespace

SceneFixture::SceneFixture()
    : scene(&stack)
{
}

bool SceneFixture::build(const QString& layoutXml, const BlobList& blobs)
{
    QDomDocument document;
    if (!parse(layoutXml, document))
        return false;
    scene.buildLayout(document.documentElement(), blobs);
    return true;
}

bool SceneFixture::apply(const QString& valuesXml, const BlobList& blobs)
{
    QDomDocument document;
    if (!parse(valuesXml, document))
        return false;
    scene.applyValues(document.documentElement(), blobs);
    return true;
}

QDomDocument SceneFixture::write(bool valuesOnly, BlobList* blobs)
{
    BlobList own;
    return scene.toXml(valuesOnly, blobs ? *blobs : own);
}

void SceneFixture::activate()
{
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&scene, &activation);
}

void SceneFixture::key(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(&scene, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(&scene, &release);
}

void SceneFixture::type(const QString& text)
{
    for (const QChar character : text)
        key(character.toUpper().unicode(), Qt::NoModifier, QString(character));
}
