#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

// Windows picks the best of several sizes held in one .ico file. Qt's "ico" writer stores a
// single picture per file, so each size is written alone and the results are merged into one
// directory.
class IcoFile
{
public:
    // Fails (with a reason) when a picture cannot be stored, e.g. it is larger than 256 pixels.
    static bool compose(const QVector<QImage>& images, QByteArray& ico, QString& error);
};
