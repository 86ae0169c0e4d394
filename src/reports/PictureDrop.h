#pragma once

#include <QStringList>

class QMimeData;

// What the file manager hands over when files are dragged onto a report: only local files with
// a picture's suffix count. A drag without any is none of the page's business and goes on to
// the fields.
class PictureDrop
{
public:
    static QStringList pictureFiles(const QMimeData* data);
};
