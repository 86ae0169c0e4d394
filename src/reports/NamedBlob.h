#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// One entry of a report file: the first is the report XML, the others embedded pictures
// named after the suffix of the file they came from. Order matters: pictures are referred to
// by position.
struct NamedBlob
{
    QString name;
    QByteArray data;
};

using BlobList = QVector<NamedBlob>;
