#pragma once

#include "AbstractReportItem.h"
#include "NamedBlob.h"
#include "ReportScene.h"

#include <QUndoStack>

// A report scene on its own undo stack, built from layout and values XML given as text.
class SceneFixture
{
public:
    SceneFixture();

    // Fails the calling test (through QVERIFY in the caller) when the XML does not parse.
    bool build(const QString& layoutXml, const BlobList& blobs = BlobList());
    bool apply(const QString& valuesXml, const BlobList& blobs = BlobList());
    QDomDocument write(bool valuesOnly, BlobList* blobs = nullptr);

    template <typename Item>
    Item* item(const QString& id) const
    {
        return qgraphicsitem_cast<Item*>(scene.itemById(id));
    }

    // Makes the scene active as if its window were, so that focus works without a view.
    void activate();
    // Sends a key press (and release) to the scene as a view would.
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = QString());
    void type(const QString& text);

    QUndoStack stack;
    ReportScene scene;
};
