#include "PictureChooser.h"

#include "ReportContainer.h"
#include "ReportLimits.h"
#include "ReportPaths.h"
#include "ReportResizableImage.h"
#include "ReportScene.h"

#include "Globals.h"
#include "Prompts.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

PictureChooser::PictureChooser(const ReportScene& scene)
    : scene(scene)
{
}

ReportResizableImage* PictureChooser::choose()
{
    FileRequest request;
    request.kind = FileRequest::OpenFile;
    request.caption = tr("Select Image", "Window Title");
    request.filter = tr("Images (*.png *.jpg *.jpeg *.bmp *.tif *.tiff *.svg)");
    const QString path = Prompts::instance().chooseFile(request);
    return path.isEmpty() ? nullptr : fromFile(path);
}

const QStringList& PictureChooser::pictureSuffixes()
{
    static const QStringList suffixes{QStringLiteral("png"), QStringLiteral("jpg"),  QStringLiteral("jpeg"),
                                      QStringLiteral("bmp"), QStringLiteral("tif"),  QStringLiteral("tiff"),
                                      QStringLiteral("svg")};
    return suffixes;
}

ReportResizableImage* PictureChooser::fromFile(const QString& path)
{
    QString cause;
    QFile file(path);
    if (!ReportPaths::mayRead(path, QFileInfo(path).absolutePath(), ReportContainer::maximumPayloadSize, cause)
        || !file.open(QIODevice::ReadOnly)) {
        refuse(tr("Error opening %1 for reading", "Error Message").arg(path), cause.isEmpty() ? file.errorString() : cause);
        return nullptr;
    }
    QString key = QFileInfo(path).suffix();
    QByteArray bytes = file.readAll();
    if (ReportResizableImage::pixelCount(key, bytes) > ReportLimits::maximumPicturePixels) {
        refuse(tr("%1 has more than %2 million pixels. Please insert a smaller copy of the picture.", "Error Message")
                   .arg(path)
                   .arg(ReportLimits::maximumPicturePixels / 1000000));
        return nullptr;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool reduced = reduceForPrint(key, bytes);
    QApplication::restoreOverrideCursor();
    auto* picture = new ReportResizableImage;
    if (!reduced || !picture->setPicture(key, bytes)) {
        delete picture;
        refuse(tr("%1 is not a picture that can be shown.", "Error Message").arg(path));
        return nullptr;
    }
    if (!fitsReport(path, ReportResizableImage::pixelCount(key, bytes))) {
        delete picture;
        return nullptr;
    }
    return picture;
}

bool PictureChooser::reduceForPrint(QString& key, QByteArray& data)
{
    if (key.compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        return true;
    QBuffer source(&data);
    source.open(QIODevice::ReadOnly);
    QImageReader reader(&source);
    const QSize size = reader.size();
    if (!size.isValid())
        return false;
    if (qMax(size.width(), size.height()) <= printLongSide)
        return true;
    const QByteArray format = reader.format();
    // Photographs say in their header which way up they were taken; the copy is stored upright.
    reader.setAutoTransform(true);
    reader.setScaledSize(size.scaled(printLongSide, printLongSide, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    const bool sameFormat = QImageWriter::supportedImageFormats().contains(format);
    QByteArray encoded;
    QBuffer target(&encoded);
    target.open(QIODevice::WriteOnly);
    QImageWriter writer(&target, sameFormat ? format : QByteArrayLiteral("png"));
    writer.setQuality(90);
    if (!writer.write(image))
        return false;
    data = encoded;
    if (!sameFormat)
        key = QStringLiteral("png");
    return true;
}

// Only pictures that will be written count: a deleted one is taken out when the report is saved.
bool PictureChooser::fitsReport(const QString& path, qint64 pixels) const
{
    int count = 1;
    qint64 total = qMax<qint64>(pixels, 0);
    for (QGraphicsItem* item : scene.items()) {
        const auto* picture = qgraphicsitem_cast<ReportResizableImage*>(item);
        if (!picture || !picture->hasPicture() || !picture->isVisible())
            continue;
        ++count;
        total += qMax<qint64>(ReportResizableImage::pixelCount(picture->key(), picture->data()), 0);
    }
    if (count > ReportLimits::maximumPictures) {
        refuse(tr("%1 was not added: a report holds at most %2 pictures.", "Error Message")
                   .arg(path)
                   .arg(ReportLimits::maximumPictures),
               tr("Please delete a picture you no longer need first.", "Error message informative text"));
        return false;
    }
    if (total > ReportLimits::maximumPixelsPerReport) {
        refuse(tr("%1 was not added: the pictures of a report have at most %2 million pixels together.",
                  "Error Message")
                   .arg(path)
                   .arg(ReportLimits::maximumPixelsPerReport / 1000000),
               tr("Please delete a picture you no longer need first.", "Error message informative text"));
        return false;
    }
    return true;
}

void PictureChooser::refuse(const QString& text, const QString& informativeText)
{
    Prompts::instance().show(Globals::mainWindowInstance(), QMessageBox::Warning, text, informativeText);
}
