#include "TermiosLine.h"

#include <sys/ioctl.h>

namespace {
// Parity schemes as numbered in the settings record.
enum { NoParity, OddParity, EvenParity, MarkParity, SpaceParity };
enum { OneStopBit, OnePointFiveStopBits, TwoStopBits };
enum { LineDisabled, LineEnabled, LineHandshake };
} // namespace

bool TermiosLine::apply(const SerialSettings& settings, termios& line)
{
    makeRaw(line);
    if (!applyFraming(settings, line))
        return false;
    applyFlowControl(settings, line);
    if (settings.isSet(SerialSettings::BaudRate)) {
        speed_t speed;
        if (!speedFor(settings.value(SerialSettings::BaudRate), speed))
            return false;
        cfsetispeed(&line, speed);
        cfsetospeed(&line, speed);
    }
    return true;
}

void TermiosLine::makeRaw(termios& line)
{
    const tcflag_t keptControl = line.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    const tcflag_t keptInput = line.c_iflag & (IXON | IXOFF | INPCK);
    const speed_t inputSpeed = cfgetispeed(&line);
    const speed_t outputSpeed = cfgetospeed(&line);
    cfmakeraw(&line);
    line.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    line.c_cflag |= keptControl | CLOCAL | CREAD;
    line.c_iflag |= keptInput;
    cfsetispeed(&line, inputSpeed);
    cfsetospeed(&line, outputSpeed);
    // Reads are timed by poll, never by the terminal.
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
}

bool TermiosLine::applyFraming(const SerialSettings& settings, termios& line)
{
    if (settings.isSet(SerialSettings::ByteSize)) {
        static const tcflag_t sizes[] = { CS5, CS6, CS7, CS8 };
        const quint32 bits = settings.value(SerialSettings::ByteSize);
        if (bits < 5 || bits > 8)
            return false;
        line.c_cflag = (line.c_cflag & ~CSIZE) | sizes[bits - 5];
    }
    if (settings.isSet(SerialSettings::Parity)) {
        const quint32 parity = settings.value(SerialSettings::Parity);
        if (parity > SpaceParity)
            return false;
        setFlag(line.c_cflag, PARENB, parity != NoParity);
        setFlag(line.c_cflag, PARODD, parity == OddParity || parity == MarkParity);
        setFlag(line.c_cflag, CMSPAR, parity == MarkParity || parity == SpaceParity);
    }
    if (settings.isSet(SerialSettings::StopBits)) {
        const quint32 stopBits = settings.value(SerialSettings::StopBits);
        if (stopBits > TwoStopBits)
            return false;
        // A terminal knows one or two; one and a half is sent as two.
        setFlag(line.c_cflag, CSTOPB, stopBits != OneStopBit);
    }
    if (settings.isSet(SerialSettings::fParity))
        setFlag(line.c_iflag, INPCK, settings.value(SerialSettings::fParity));
    return true;
}

void TermiosLine::applyFlowControl(const SerialSettings& settings, termios& line)
{
    if (settings.isSet(SerialSettings::fOutxCtsFlow))
        setFlag(line.c_cflag, CRTSCTS, settings.value(SerialSettings::fOutxCtsFlow));
    if (settings.isSet(SerialSettings::fRtsControl) && settings.value(SerialSettings::fRtsControl) == LineHandshake)
        setFlag(line.c_cflag, CRTSCTS, true);
    if (settings.isSet(SerialSettings::fOutX))
        setFlag(line.c_iflag, IXON, settings.value(SerialSettings::fOutX));
    if (settings.isSet(SerialSettings::fInX))
        setFlag(line.c_iflag, IXOFF, settings.value(SerialSettings::fInX));
    if (settings.isSet(SerialSettings::XonChar))
        line.c_cc[VSTART] = cc_t(settings.value(SerialSettings::XonChar));
    if (settings.isSet(SerialSettings::XoffChar))
        line.c_cc[VSTOP] = cc_t(settings.value(SerialSettings::XoffChar));
}

int TermiosLine::linesToRaise(const SerialSettings& settings)
{
    int lines = 0;
    if (settings.isSet(SerialSettings::fDtrControl) && settings.value(SerialSettings::fDtrControl) != LineDisabled)
        lines |= TIOCM_DTR;
    if (settings.isSet(SerialSettings::fRtsControl) && settings.value(SerialSettings::fRtsControl) != LineDisabled)
        lines |= TIOCM_RTS;
    return lines;
}

int TermiosLine::linesToDrop(const SerialSettings& settings)
{
    int lines = 0;
    if (settings.isSet(SerialSettings::fDtrControl) && settings.value(SerialSettings::fDtrControl) == LineDisabled)
        lines |= TIOCM_DTR;
    if (settings.isSet(SerialSettings::fRtsControl) && settings.value(SerialSettings::fRtsControl) == LineDisabled)
        lines |= TIOCM_RTS;
    return lines;
}

bool TermiosLine::speedFor(quint32 baudRate, speed_t& speed)
{
    static const struct {
        quint32 rate;
        speed_t speed;
    } speeds[] = { { 300, B300 },       { 600, B600 },       { 1200, B1200 },     { 2400, B2400 },
                   { 4800, B4800 },     { 9600, B9600 },     { 19200, B19200 },   { 38400, B38400 },
                   { 57600, B57600 },   { 115200, B115200 }, { 230400, B230400 }, { 460800, B460800 },
                   { 921600, B921600 } };
    for (const auto& entry : speeds) {
        if (entry.rate == baudRate) {
            speed = entry.speed;
            return true;
        }
    }
    return false;
}

void TermiosLine::setFlag(tcflag_t& flags, tcflag_t bit, bool on)
{
    flags = on ? (flags | bit) : (flags & ~bit);
}
