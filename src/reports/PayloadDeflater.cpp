#include "PayloadDeflater.h"

#include <QtEndian>

namespace {
constexpr int lengthFieldSize = 4;
}

PayloadDeflater::PayloadDeflater(quint32 payloadSize)
    : payloadSize(payloadSize)
{
    ready = deflateInit(&stream, Z_DEFAULT_COMPRESSION) == Z_OK;
    if (!ready)
        return;
    // Large enough for any payload of this size, so deflate never waits for room.
    packed.resize(int(lengthFieldSize + deflateBound(&stream, payloadSize)));
    qToBigEndian(payloadSize, packed.data());
    stream.next_out = reinterpret_cast<Bytef*>(packed.data() + lengthFieldSize);
    stream.avail_out = uInt(packed.size() - lengthFieldSize);
}

PayloadDeflater::~PayloadDeflater()
{
    if (ready)
        deflateEnd(&stream);
}

void PayloadDeflater::add(const char* data, quint32 length)
{
    if (!ready || length == 0)
        return;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    stream.avail_in = length;
    ready = deflateAll(Z_NO_FLUSH);
}

bool PayloadDeflater::deflateAll(int flush)
{
    const int wanted = flush == Z_FINISH ? Z_STREAM_END : Z_OK;
    int result = Z_OK;
    while (result == Z_OK && (stream.avail_in > 0 || flush == Z_FINISH))
        result = deflate(&stream, flush);
    return result == wanted && stream.avail_in == 0;
}

QByteArray PayloadDeflater::finish()
{
    // qCompress frames an empty payload as its length alone, without a zlib stream.
    if (ready && payloadSize == 0 && stream.total_in == 0)
        return QByteArray(lengthFieldSize, '\0');
    if (!ready || stream.total_in != payloadSize || !deflateAll(Z_FINISH))
        return QByteArray();
    packed.resize(int(lengthFieldSize + stream.total_out));
    return packed;
}
