#pragma once

#include "SerialSettings.h"

#include <termios.h>

// Carries the fields of a SerialSettings record that a POSIX terminal knows onto its termios
// record. Fields without a termios meaning (queue limits, event character, error handling) are
// accepted and left alone.
class TermiosLine
{
public:
    // Raw transfer (no echo, no line editing, no character translation) while keeping the
    // port's speed, framing and flow control; then every set field is applied. False when a
    // field asks for something the terminal cannot do (an unknown baud rate, 9 data bits).
    static bool apply(const SerialSettings& settings, termios& line);
    // Modem control lines to raise and to drop after opening, as TIOCM_ bits.
    static int linesToRaise(const SerialSettings& settings);
    static int linesToDrop(const SerialSettings& settings);

    static bool speedFor(quint32 baudRate, speed_t& speed);

private:
    static void makeRaw(termios& line);
    static bool applyFraming(const SerialSettings& settings, termios& line);
    static void applyFlowControl(const SerialSettings& settings, termios& line);
    static void setFlag(tcflag_t& flags, tcflag_t bit, bool on);
};
