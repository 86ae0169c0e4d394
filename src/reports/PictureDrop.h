#pragma once

#include <QStringList>

class QMimeData;

// What the file manager hands over when files are dragged onto a report: only local files with
// a picture's suffix count, so that a drag of anything else is refused at once and the pointer
// shows it.
class PictureDrop
{
public:
    static QStringList pictureFiles(const QMimeData* data);
};
