#pragma once

#include <QtGlobal>

#include <zlib.h>

// Inflates the zlib stream of a report container in exactly the pieces its reader asks for,
// straight into the place where each piece is kept: the payload as a whole is never held, so a
// container of large pictures costs the pictures and nothing more. Never produces more than the
// size the container announces.
class PayloadInflater
{
public:
    // `compressed` must outlive the inflater.
    PayloadInflater(const char* compressed, int length, quint32 payloadSize);
    ~PayloadInflater();
    PayloadInflater(const PayloadInflater&) = delete;
    PayloadInflater& operator=(const PayloadInflater&) = delete;

    // Bytes of the announced payload not yet read.
    quint32 remaining() const;
    // False when the stream is damaged or ends before `length` bytes, or they would go beyond
    // the announced size.
    bool read(char* into, quint32 length);
    bool readBigEndian(quint32& value);
    // True when the whole payload has been read and the stream ends right there.
    bool endsHere();

private:
    z_stream stream {};
    bool ready = false;
    quint32 payloadSize = 0;
};
