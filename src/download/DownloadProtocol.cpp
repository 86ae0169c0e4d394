#include "DownloadProtocol.h"

#include <QSettings>

SerialSettings DownloadProtocol::lineSettings()
{
    SerialSettings settings;
    const std::pair<SerialSettings::Field, quint32> fields[] = {
        { SerialSettings::BaudRate, 9600 },     { SerialSettings::ByteSize, 8 },
        { SerialSettings::Parity, 0 },          { SerialSettings::StopBits, 0 },
        { SerialSettings::fBinary, 1 },         { SerialSettings::fParity, 0 },
        { SerialSettings::fOutxCtsFlow, 0 },    { SerialSettings::fOutxDsrFlow, 0 },
        { SerialSettings::fDtrControl, 1 },     { SerialSettings::fDsrSensitivity, 0 },
        { SerialSettings::fRtsControl, 1 },     { SerialSettings::fOutX, 0 },
        { SerialSettings::fInX, 0 },            { SerialSettings::fTXContinueOnXoff, 1 },
        { SerialSettings::fErrorChar, 0 },      { SerialSettings::fNull, 0 },
        { SerialSettings::fAbortOnError, 0 },   { SerialSettings::XonChar, 0x11 },
        { SerialSettings::XoffChar, 0x13 },     { SerialSettings::XonLim, 100 },
        { SerialSettings::XoffLim, 100 },       { SerialSettings::EvtChar, 0 },
    };
    for (const auto& [field, value] : fields)
        settings.set(field, value);
    return settings;
}

QByteArray DownloadProtocol::remoteCommand()
{
    return QByteArrayLiteral("SYST:REM\r\n");
}

QByteArray DownloadProtocol::memoryCommand()
{
    return QByteArrayLiteral("MEM:DATA? ALL\r\n");
}

int DownloadProtocol::readTimeout(QSettings& settings)
{
    const QString key = QStringLiteral("Device/ReadTimeout");
    bool valid = false;
    const int stored = settings.value(key).toString().toInt(&valid);
    // A time-out of 0 would end every download at its first byte.
    if (valid && stored > 0)
        return stored;
    settings.setValue(key, DefaultReadTimeout);
    return DefaultReadTimeout;
}
