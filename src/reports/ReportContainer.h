#pragma once

#include "NamedBlob.h"

#include <QCoreApplication>

// Reads and writes the compressed list of named blobs that every report, template and
// default document is stored in: a 4-byte big-endian payload length, then a zlib stream of a
// version-7 data stream holding (QString name, QByteArray data) pairs to the end.
class ReportContainer
{
    Q_DECLARE_TR_FUNCTIONS(ReportContainer)

public:
    enum class Status { Ok, CannotOpen, Damaged, Empty, CannotWrite };

    // A payload claimed to be larger than this is taken for a damaged file rather than allocated.
    static constexpr quint32 maximumPayloadSize = 256u * 1024u * 1024u;

    // Accepts file paths and resource paths (":res/..."). On failure `blobs` is left empty.
    static Status read(const QString& fileName, BlobList& blobs);
    static Status decode(const QByteArray& fileContents, BlobList& blobs);
    // Writes through a save file, so a failed write leaves any earlier file untouched.
    static Status write(const QString& fileName, const BlobList& blobs);
    static QByteArray encode(const BlobList& blobs);
    // Appends a pair and returns its position, which callers record as the picture's index.
    static int append(BlobList& blobs, const QString& name, const QByteArray& data);

    // A sentence naming the file and the cause, for messages and the command line.
    static QString describe(Status status, const QString& fileName);

private:
    static bool uncompressedSizeIsPlausible(const QByteArray& fileContents);
    static Status parsePayload(const QByteArray& payload, BlobList& blobs);
};
