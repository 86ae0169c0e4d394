#pragma once

#include <QtGlobal>

#include <array>

// A line configuration in which every field is applied only when it was set, so that whatever
// nobody asked for keeps the value the operating system already holds for the port.
class SerialSettings
{
public:
    // The fields of the classic device-control block, under their customary names.
    enum Field {
        BaudRate,
        fBinary,
        fParity,
        fOutxCtsFlow,
        fOutxDsrFlow,
        fDtrControl,
        fDsrSensitivity,
        fTXContinueOnXoff,
        fOutX,
        fInX,
        fErrorChar,
        fNull,
        fRtsControl,
        fAbortOnError,
        XonLim,
        XoffLim,
        ByteSize,
        Parity,
        StopBits,
        XonChar,
        XoffChar,
        EvtChar,
        FieldCount
    };

    // Stores the value cut to the field's width and marks the field as set.
    void set(Field field, quint32 value);
    quint32 value(Field field) const;
    bool isSet(Field field) const;
    quint32 changeMask() const;
    // `current` with every field that is set here copied onto it.
    SerialSettings appliedTo(const SerialSettings& current) const;

    static quint32 widthMask(Field field);

private:
    std::array<quint32, FieldCount> values {};
    quint32 mask = 0;
};
