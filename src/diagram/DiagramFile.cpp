#include "DiagramFile.h"

#include "DiagramConnection.h"
#include "DiagramGraphicsScene.h"
#include "DiagramItemFactory.h"
#include "DiagramXmlGuard.h"
#include "FileWriter.h"
#include "Globals.h"
#include "Prompts.h"
#include "WaitCursor.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

namespace {
const QString rootName = QStringLiteral("installation_diagram");
} // namespace

bool DiagramFile::load(DiagramGraphicsScene& scene, const QString& path)
{
    Failure failure;
    {
        const WaitCursor waiting;
        failure = read(scene, path);
    }
    return report(failure);
}

bool DiagramFile::save(DiagramGraphicsScene& scene, const QString& path)
{
    Failure failure;
    {
        const WaitCursor waiting;
        failure = write(scene, path);
    }
    return report(failure);
}

DiagramFile::Failure DiagramFile::read(DiagramGraphicsScene& scene, const QString& path)
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
}

DiagramFile::Failure DiagramFile::write(DiagramGraphicsScene& scene, const QString& path)
{
    QString failure;
    if (!FileWriter::write(path, toXml(scene), failure))
        return {tr("Error opening %1 for writing", "Error Message").arg(QDir::toNativeSeparators(path)), failure};
    return {};
}

QByteArray DiagramFile::toXml(DiagramGraphicsScene& scene)
{
    QDomDocument document;
    QDomElement root = document.createElement(rootName);
    document.appendChild(root);
    // Wires lie below the boxes, so every wire is written after the boxes it names.
    const QList<QGraphicsItem*> items = scene.items(Qt::DescendingOrder);
    for (QGraphicsItem* graphicsItem : items) {
        auto* item = dynamic_cast<DiagramGraphicsItem*>(graphicsItem);
        // The wire being drawn is not part of the diagram yet.
        if (!item || item->type() <= DiagramGraphicsItem::Type || item == scene.pendingConnection()
            || item->elementName().isEmpty())
            continue;
        QDomElement element = document.createElement(item->elementName());
        element.setAttribute(QStringLiteral("id"), item->id());
        item->writeXml(element);
        root.appendChild(element);
    }
    return document.toByteArray(2);
}

bool DiagramFile::report(const Failure& failure)
{
    if (!failure.failed())
        return true;
    Prompts::instance().show(Globals::mainWindowInstance(), QMessageBox::Warning, failure.text, failure.informativeText);
    return false;
}

DiagramFile::Failure DiagramFile::refusal(const QString& path, const QString& cause)
{
    return {tr("%1 cannot be opened: it is damaged or holds more than a diagram can.", "Error Message")
                .arg(QDir::toNativeSeparators(path)),
            cause};
}

QString DiagramFile::openFailureAdvice()
{
    return tr("Is the file read-only or has it been deleted?", "Error message informative text");
}
