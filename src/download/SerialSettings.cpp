#include "SerialSettings.h"

void SerialSettings::set(Field field, quint32 value)
{
    values[field] = value & widthMask(field);
    mask |= 1u << field;
}

quint32 SerialSettings::value(Field field) const
{
    return values[field];
}

bool SerialSettings::isSet(Field field) const
{
    return mask & (1u << field);
}

quint32 SerialSettings::changeMask() const
{
    return mask;
}

SerialSettings SerialSettings::appliedTo(const SerialSettings& current) const
{
    SerialSettings result = current;
    for (int field = 0; field < FieldCount; ++field) {
        if (isSet(Field(field)))
            result.set(Field(field), values[field]);
    }
    return result;
}

quint32 SerialSettings::widthMask(Field field)
{
    switch (field) {
    case BaudRate:
        return 0xFFFFFFFFu;
    case fDtrControl:
    case fRtsControl:
        return 0x3u;
    case XonLim:
    case XoffLim:
        return 0xFFFFu;
    case ByteSize:
    case Parity:
    case StopBits:
    case XonChar:
    case XoffChar:
    case EvtChar:
        return 0xFFu;
    default:
        return 0x1u;
    }
}
