#include "PayloadInflater.h"

#include <QtEndian>

PayloadInflater::PayloadInflater(const char* compressed, int length, quint32 payloadSize)
    : payloadSize(payloadSize)
{
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed));
    stream.avail_in = uInt(length);
    ready = inflateInit(&stream) == Z_OK;
}

PayloadInflater::~PayloadInflater()
{
    if (ready)
        inflateEnd(&stream);
}

quint32 PayloadInflater::remaining() const
{
    return payloadSize - quint32(stream.total_out);
}

bool PayloadInflater::read(char* into, quint32 length)
{
    if (!ready || length > remaining())
        return false;
    stream.next_out = reinterpret_cast<Bytef*>(into);
    stream.avail_out = length;
    while (stream.avail_out > 0) {
        const int result = inflate(&stream, Z_NO_FLUSH);
        // The stream may end with the last bytes asked for, never before them.
        if (result == Z_STREAM_END)
            return stream.avail_out == 0;
        if (result != Z_OK)
            return false;
    }
    return true;
}

bool PayloadInflater::readBigEndian(quint32& value)
{
    char bytes[4];
    if (!read(bytes, sizeof bytes))
        return false;
    value = qFromBigEndian<quint32>(bytes);
    return true;
}

// A stream that would go on past the announced size has a wrong length field.
bool PayloadInflater::endsHere()
{
    if (!ready || remaining() != 0)
        return false;
    Bytef spare = 0;
    stream.next_out = &spare;
    stream.avail_out = 1;
    return inflate(&stream, Z_FINISH) == Z_STREAM_END && stream.avail_out == 1;
}
