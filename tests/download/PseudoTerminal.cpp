#include "PseudoTerminal.h"

#include <QElapsedTimer>

#include <cerrno>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    termios raw {};
    cfmakeraw(&raw);
    char name[256] = {};
    if (openpty(&master, &slave, name, &raw, nullptr) == 0)
        path = QString::fromLocal8Bit(name);
}

PseudoTerminal::~PseudoTerminal()
{
    closeMaster();
    if (slave >= 0)
        ::close(slave);
}

bool PseudoTerminal::isValid() const
{
    return master >= 0 && slave >= 0;
}

QString PseudoTerminal::slavePath() const
{
    return path;
}

bool PseudoTerminal::send(const QByteArray& bytes)
{
    qint64 offset = 0;
    while (master >= 0 && offset < bytes.size()) {
        const ssize_t count = ::write(master, bytes.constData() + offset, size_t(bytes.size() - offset));
        if (count < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        offset += qMax<ssize_t>(count, 0);
    }
    return offset == bytes.size();
}

QByteArray PseudoTerminal::receive(int count, int timeoutMs)
{
    QByteArray received;
    QElapsedTimer elapsed;
    elapsed.start();
    while (master >= 0 && received.size() < count && elapsed.elapsed() < timeoutMs) {
        pollfd wait { master, POLLIN, 0 };
        if (::poll(&wait, 1, 20) <= 0 || !(wait.revents & POLLIN))
            continue;
        char chunk[256];
        const ssize_t got = ::read(master, chunk, sizeof chunk);
        if (got > 0)
            received.append(chunk, int(got));
    }
    return received;
}

void PseudoTerminal::closeMaster()
{
    if (master >= 0)
        ::close(master);
    master = -1;
}
