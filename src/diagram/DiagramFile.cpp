#include "DiagramFile.h"

#include "DiagramConnection.h"
#include "DiagramGraphicsScene.h"
#include "DiagramItemFactory.h"
#include "DiagramXmlGuard.h"
#include "FileWriter.h"
#include "WaitCursor.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamWriter>

namespace {
const QString rootName = QStringLiteral("installation_diagram");
} // namespace

Failure DiagramFile::load(DiagramGraphicsScene& scene, const QString& path)
{
    const WaitCursor waiting;
    return read(scene, path);
}

Failure DiagramFile::save(DiagramGraphicsScene& scene, const QString& path)
{
    const WaitCursor waiting;
    return write(scene, path);
}

Failure DiagramFile::read(DiagramGraphicsScene& scene, const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return refusal(path, tr("It is not a regular file: folders, devices and pipes cannot be opened as diagrams.",
                                "Error message informative text"));
    if (info.size() > DiagramXmlGuard::maximumFileBytes)
        return refusal(path, tr("It is larger than %1 MB.", "Error message informative text")
                                 .arg(DiagramXmlGuard::maximumFileBytes / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {tr("Error opening %1 for reading", "Error Message").arg(QDir::toNativeSeparators(path)),
                openFailureAdvice()};
    const QByteArray xml = file.read(DiagramXmlGuard::maximumFileBytes);
    DiagramXmlGuard guard;
    if (!guard.check(xml))
        return refusal(path, guard.cause());
    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(xml, &message, &line, &column))
        return {tr("XML validation error in %1 on line %2, column %3", "Error Message")
                    .arg(QDir::toNativeSeparators(path))
                    .arg(line)
                    .arg(column),
                message};
    addItems(scene, document);
    return {};
}

void DiagramFile::addItems(DiagramGraphicsScene& scene, const QDomDocument& document)
{
    QList<DiagramGraphicsItem*> needNewIds;
    const QDomElement root = document.documentElement();
    for (QDomElement element = root.firstChildElement(); !element.isNull(); element = element.nextSiblingElement()) {
        DiagramGraphicsItem* item = DiagramItemFactory::createForReading(element.tagName());
        if (!item)
            continue;
        scene.addItem(item);
        item->readXml(element);
        if (!scene.registerItem(item))
            needNewIds.append(item);
    }
    // Only once every id of the file is known can new ones be handed out without a clash.
    for (DiagramGraphicsItem* item : qAsConst(needNewIds)) {
        item->setId(scene.takeNextId());
        scene.registerItem(item);
    }
    scene.forgetFileIds();
}

Failure DiagramFile::write(DiagramGraphicsScene& scene, const QString& path)
{
    const QByteArray xml = toXml(scene);
    // What is written must open again: the reader's own limits are checked before the old file goes.
    DiagramXmlGuard guard;
    if (xml.size() > DiagramXmlGuard::maximumFileBytes || !guard.check(xml))
        return {tr("%1 was not saved: it could not be opened again.", "Error Message").arg(QDir::toNativeSeparators(path)),
                tr("%1 Remove some boxes or wires, or shorten long captions, then save again.", "Error message informative text")
                    .arg(guard.cause().isEmpty() ? tr("It would be larger than %1 MB.", "Error message informative text")
                                                       .arg(DiagramXmlGuard::maximumFileBytes / (1024 * 1024))
                                                 : guard.cause())};
    QString failure;
    if (!FileWriter::write(path, xml, failure))
        return {tr("Error opening %1 for writing", "Error Message").arg(QDir::toNativeSeparators(path)), failure};
    return {};
}

// The attributes are written in a fixed order, so an unchanged diagram gives the same bytes
// every time: a document tree would write them in the order of its hash.
QByteArray DiagramFile::toXml(DiagramGraphicsScene& scene)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartElement(rootName);
    for (DiagramGraphicsItem* item : itemsToWrite(scene)) {
        writer.writeStartElement(item->elementName());
        writer.writeAttribute(QStringLiteral("id"), item->id());
        item->writeXml(writer);
        writer.writeEndElement();
    }
    writer.writeEndElement();
    // Without a declaration the writer starts with the line feed it would have put after one.
    if (xml.startsWith('\n'))
        xml.remove(0, 1);
    return xml + '\n';
}

// Bottom first, as reading stacks every item over those read before it. The wires come after
// all boxes, since reading attaches a wire only to boxes it has already read.
QList<DiagramGraphicsItem*> DiagramFile::itemsToWrite(const DiagramGraphicsScene& scene)
{
    QList<DiagramGraphicsItem*> boxes;
    QList<DiagramGraphicsItem*> wires;
    const QList<QGraphicsItem*> items = scene.items(Qt::AscendingOrder);
    for (QGraphicsItem* graphicsItem : items) {
        auto* item = dynamic_cast<DiagramGraphicsItem*>(graphicsItem);
        // The wire being drawn is not part of the diagram yet.
        if (!item || item->type() <= DiagramGraphicsItem::Type || item == scene.pendingConnection()
            || item->elementName().isEmpty())
            continue;
        (item->type() & DiagramConnection::Type ? wires : boxes).append(item);
    }
    return boxes + wires;
}

Failure DiagramFile::refusal(const QString& path, const QString& cause)
{
    return {tr("%1 cannot be opened: it is damaged or holds more than a diagram can.", "Error Message")
                .arg(QDir::toNativeSeparators(path)),
            cause};
}

QString DiagramFile::openFailureAdvice()
{
    return tr("Is the file read-only or has it been deleted?", "Error message informative text");
}
