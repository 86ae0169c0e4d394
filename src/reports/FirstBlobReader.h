#pragma once

#include <QByteArray>
#include <QFile>

#include <zlib.h>

// Reads the first blob of a report container (the report XML) piece by piece, inflating only
// as far as that blob reaches: a search through a report of any size holds a few buffers of
// fixed size rather than the whole file and its whole payload, and can pause between pieces.
// The pictures behind the XML are never inflated.
class FirstBlobReader
{
public:
    enum class Status { Piece, Done, Failed };

    // Inflated bytes handed out per call, at most.
    static constexpr int PieceSize = 64 * 1024;

    explicit FirstBlobReader(const QString& fileName);
    ~FirstBlobReader();
    FirstBlobReader(const FirstBlobReader&) = delete;
    FirstBlobReader& operator=(const FirstBlobReader&) = delete;

    // Piece: `piece` holds the next bytes of the blob. Done: the blob has ended (`piece` is
    // empty). Failed: the file cannot be read, is no container, or ends inside the blob.
    Status next(QByteArray& piece);
    // True once the last piece of the blob was handed out.
    bool atEnd() const;

private:
    enum class Field { NameLength, Name, DataLength, Data, End };

    bool open(const QString& fileName);
    // Inflates the next run of payload into `inflated`; false when the stream is damaged or ends
    // before the blob does.
    bool inflateMore();
    // Walks the field headers in `inflated` from `offset`; the data that follows is left there.
    void readHeaders();
    bool readLength(quint32& length);

    QFile file;
    z_stream stream {};
    bool streamReady = false;
    QByteArray input;
    QByteArray inflated;
    int offset = 0;
    quint32 declaredSize = 0;
    QByteArray lengthBytes;
    Field field = Field::NameLength;
    quint32 remaining = 0;
    bool failed = false;
};
