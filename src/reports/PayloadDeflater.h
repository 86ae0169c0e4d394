#pragma once

#include <QByteArray>

#include <zlib.h>

// Packs a container's payload piece by piece into its final form (the 4-byte big-endian payload
// length, then the zlib stream at the default level), with no copy of the whole payload: the
// pictures go from their own buffers straight through zlib into the one output buffer. For the
// same payload the bytes are those of qCompress.
class PayloadDeflater
{
public:
    explicit PayloadDeflater(quint32 payloadSize);
    ~PayloadDeflater();
    PayloadDeflater(const PayloadDeflater&) = delete;
    PayloadDeflater& operator=(const PayloadDeflater&) = delete;

    void add(const char* data, quint32 length);
    // The packed bytes, or an empty array when zlib failed or the pieces added do not make up
    // the announced size.
    QByteArray finish();

private:
    bool deflateAll(int flush);

    z_stream stream {};
    bool ready = false;
    quint32 payloadSize = 0;
    QByteArray packed;
};
