#include "PictureDrop.h"

#include "PictureChooser.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

QStringList PictureDrop::pictureFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && PictureChooser::pictureSuffixes().contains(QFileInfo(path).suffix().toLower()))
            files << path;
    }
    return files;
}
