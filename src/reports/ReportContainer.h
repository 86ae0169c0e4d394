#pragma once

#include "NamedBlob.h"

#include <QCoreApplication>

class PayloadInflater;

// Reads and writes the compressed list of named blobs that every report, template and
// default document is stored in: a 4-byte big-endian payload length, then a zlib stream of a
// version-7 data stream holding (QString name, QByteArray data) pairs to the end.
class ReportContainer
{
    Q_DECLARE_TR_FUNCTIONS(ReportContainer)

public:
    enum class Status { Ok, CannotOpen, Damaged, Empty, CannotWrite, NotAFile, TooLarge, TooManyEntries, TooLargeToSave };

    // A payload claimed to be larger than this is taken for a damaged file rather than allocated,
    // and the writer refuses to write one: what is written must open again.
    static constexpr quint32 maximumPayloadSize = 256u * 1024u * 1024u;
    // The report XML and one entry per picture; more is no report.
    static constexpr int maximumEntryCount = 1000;
    // Incompressible pictures make the file a little larger than its payload, never more.
    static constexpr qint64 maximumFileSize = qint64(maximumPayloadSize) + 1024 * 1024;

    // Accepts file paths and resource paths (":res/..."). On failure `blobs` is left empty.
    static Status read(const QString& fileName, BlobList& blobs);
    static Status decode(const QByteArray& fileContents, BlobList& blobs);
    // All or nothing: a failed write leaves any earlier file untouched and, for CannotWrite, sets
    // failure to the reason in the user's words. A list too large to be read back is refused
    // before anything is written.
    static Status write(const QString& fileName, const BlobList& blobs, QString* failure = nullptr);
    static QByteArray encode(const BlobList& blobs);
    // Appends a pair and returns its position, which callers record as the picture's index.
    static int append(BlobList& blobs, const QString& name, const QByteArray& data);

    // A sentence naming the file and the cause, for messages and the command line.
    static QString describe(Status status, const QString& fileName);

    // The length a version-7 data stream gives a null field, which has no bytes.
    static constexpr quint32 nullFieldLength = 0xFFFFFFFFu;
    // Whether a payload of `declared` bytes can come from `compressedBytes` of zlib stream: one
    // larger than the limit or than zlib could ever make of them is a damaged length field.
    static bool payloadSizeIsPlausible(quint32 declared, qint64 compressedBytes);

private:
    static Status checkFile(const QString& fileName);
    static Status readBlobs(PayloadInflater& payload, BlobList& blobs);
};
