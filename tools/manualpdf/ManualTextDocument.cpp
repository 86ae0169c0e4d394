#include "ManualTextDocument.h"

#include <QImage>
#include <QImageReader>
#include <QTextBlock>
#include <QTextFragment>
#include <QUrl>

ManualTextDocument::ManualTextDocument(const QString& imageFolder)
    : imageFolder(imageFolder)
{
}

QStringList ManualTextDocument::missingImages() const
{
    QStringList missing;
    for (QTextBlock block = begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            if (!QImageReader(imageFolder.filePath(name)).canRead() && !missing.contains(name))
                missing.append(name);
        }
    }
    return missing;
}

QVariant ManualTextDocument::loadResource(int type, const QUrl& name)
{
    if (type != QTextDocument::ImageResource)
        return QTextDocument::loadResource(type, name);
    const QImage image(imageFolder.filePath(name.toString()));
    if (image.isNull())
        return QVariant();
    return image;
}
