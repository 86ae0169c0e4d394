#include "FirstBlobReader.h"

#include "ReportContainer.h"

#include <QFileInfo>
#include <QtEndian>

namespace {
constexpr int InputStep = 64 * 1024;
} // namespace

FirstBlobReader::FirstBlobReader(const QString& fileName)
{
    failed = !open(fileName);
}

FirstBlobReader::~FirstBlobReader()
{
    if (streamReady)
        inflateEnd(&stream);
}

// Only regular files: a pipe would block the open itself, and a device never ends.
bool FirstBlobReader::open(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile() || info.size() <= 4 || info.size() > ReportContainer::maximumFileSize)
        return false;
    file.setFileName(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray sizeField = file.read(4);
    if (sizeField.size() != 4)
        return false;
    declaredSize = qFromBigEndian<quint32>(sizeField.constData());
    if (!ReportContainer::payloadSizeIsPlausible(declaredSize, info.size() - 4))
        return false;
    streamReady = inflateInit(&stream) == Z_OK;
    return streamReady;
}

FirstBlobReader::Status FirstBlobReader::next(QByteArray& piece)
{
    piece.clear();
    while (!failed && field != Field::End) {
        readHeaders();
        if (field == Field::Data && offset < inflated.size()) {
            const int size = int(qMin<qint64>(remaining, inflated.size() - offset));
            piece = inflated.mid(offset, size);
            offset += size;
            remaining -= quint32(size);
            if (remaining == 0)
                field = Field::End;
            return Status::Piece;
        }
        if (field != Field::End && !inflateMore())
            failed = true;
    }
    return failed ? Status::Failed : Status::Done;
}

bool FirstBlobReader::atEnd() const
{
    return field == Field::End;
}

void FirstBlobReader::readHeaders()
{
    quint32 length = 0;
    if (field == Field::NameLength && readLength(length)) {
        remaining = length == ReportContainer::nullFieldLength ? 0 : length;
        field = Field::Name;
    }
    if (field == Field::Name) {
        const int skipped = int(qMin<qint64>(remaining, inflated.size() - offset));
        offset += skipped;
        remaining -= quint32(skipped);
        if (remaining == 0)
            field = Field::DataLength;
    }
    if (field == Field::DataLength && readLength(length)) {
        remaining = length == ReportContainer::nullFieldLength ? 0 : length;
        field = remaining == 0 ? Field::End : Field::Data;
    }
}

// A length may straddle two runs of inflated bytes.
bool FirstBlobReader::readLength(quint32& length)
{
    const int wanted = 4 - lengthBytes.size();
    const int taken = qMin(wanted, inflated.size() - offset);
    lengthBytes += inflated.mid(offset, taken);
    offset += taken;
    if (lengthBytes.size() < 4)
        return false;
    length = qFromBigEndian<quint32>(lengthBytes.constData());
    lengthBytes.clear();
    return true;
}

bool FirstBlobReader::inflateMore()
{
    if (stream.avail_in == 0) {
        input = file.read(InputStep);
        if (input.isEmpty())
            return false;
        stream.next_in = reinterpret_cast<Bytef*>(input.data());
        stream.avail_in = uInt(input.size());
    }
    const quint64 left = declaredSize - stream.total_out;
    inflated.resize(int(qMin<quint64>(PieceSize, left)));
    offset = 0;
    if (inflated.isEmpty())
        return false;
    stream.next_out = reinterpret_cast<Bytef*>(inflated.data());
    stream.avail_out = uInt(inflated.size());
    const int result = inflate(&stream, Z_NO_FLUSH);
    inflated.resize(inflated.size() - int(stream.avail_out));
    // Input that yields nothing yet is followed by more input on the next call.
    return result == Z_OK || (result == Z_STREAM_END && !inflated.isEmpty());
}
