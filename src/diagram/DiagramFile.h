#pragma once

#include "Failure.h"

#include <QCoreApplication>

class DiagramGraphicsItem;
class DiagramGraphicsScene;
class QDomDocument;

// Reading a diagram file into a scene and writing the scene back. A failure names the file and
// the cause; the document shows it.
class DiagramFile
{
    Q_DECLARE_TR_FUNCTIONS(DiagramFile)

public:
    static Failure load(DiagramGraphicsScene& scene, const QString& path);
    // Through a save file, so a failed write leaves the old file whole.
    static Failure save(DiagramGraphicsScene& scene, const QString& path);
    // Adds the boxes and wires of a parsed diagram, as `load` does once the file passed its
    // checks; the caller answers for the document's size.
    static void addItems(DiagramGraphicsScene& scene, const QDomDocument& document);

private:
    static Failure read(DiagramGraphicsScene& scene, const QString& path);
    static Failure write(DiagramGraphicsScene& scene, const QString& path);
    static QByteArray toXml(DiagramGraphicsScene& scene);
    static QList<DiagramGraphicsItem*> itemsToWrite(const DiagramGraphicsScene& scene);
    static Failure refusal(const QString& path, const QString& cause);
    static QString openFailureAdvice();
};
