#include "TermiosSerialDevice.h"

#include "TermiosLine.h"

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace Ks {

TermiosSerialDevice::TermiosSerialDevice(const QString& path)
    : path(path)
{
}

TermiosSerialDevice::~TermiosSerialDevice()
{
    releasePort();
}

bool TermiosSerialDevice::openPort(OpenMode mode, int readTimeout, int writeTimeout)
{
    this->readTimeout = readTimeout;
    this->writeTimeout = writeTimeout;
    // Non-blocking, so that opening never waits for a carrier; every wait is done by poll.
    fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    setAccessDenied(fd < 0 && (errno == EACCES || errno == EPERM));
    if (fd < 0)
        return failOpen(errno);
    wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wakeFd < 0)
        return failOpen(errno);
    // Another program already holding the port exclusively makes it busy, as on Windows.
    ioctl(fd, TIOCEXCL);
    if (!configure())
        return false;
    setModemLines();
    if (!QIODevice::open(mode | Unbuffered))
        return failOpen(EINVAL);
    return true;
}

bool TermiosSerialDevice::configure()
{
    termios line;
    if (tcgetattr(fd, &line) != 0)
        return failOpen(errno);
    if (!TermiosLine::apply(settings(), line))
        return failOpen(EINVAL);
    tcflush(fd, TCIOFLUSH);
    if (tcsetattr(fd, TCSANOW, &line) != 0)
        return failOpen(errno);
    return true;
}

void TermiosSerialDevice::setModemLines()
{
    // Pseudo-terminals and some adapters have no modem lines (ENOTTY, EINVAL): nothing to set.
    int raise = TermiosLine::linesToRaise(settings());
    int drop = TermiosLine::linesToDrop(settings());
    if (raise)
        ioctl(fd, TIOCMBIS, &raise);
    if (drop)
        ioctl(fd, TIOCMBIC, &drop);
}

void TermiosSerialDevice::close()
{
    releasePort();
    QIODevice::close();
}

void TermiosSerialDevice::interruptWaits()
{
    if (wakeFd >= 0)
        eventfd_write(wakeFd, 1);
}

void TermiosSerialDevice::releasePort()
{
    if (fd >= 0) {
        // The exclusive flag belongs to the terminal, not to this descriptor: give it back.
        ioctl(fd, TIOCNXCL);
        ::close(fd);
        fd = -1;
    }
    if (wakeFd >= 0) {
        ::close(wakeFd);
        wakeFd = -1;
    }
}

qint64 TermiosSerialDevice::readData(char* data, qint64 maxSize)
{
    const int events = waitFor(POLLIN, readTimeout);
    if (events < 0)
        return fail("readData", errno);
    if (events == 0)
        return 0;
    if (events & POLLIN) {
        const ssize_t count = ::read(fd, data, size_t(maxSize));
        if (count > 0)
            return count;
        if (count < 0 && errno == EAGAIN)
            return 0;
        // A read of 0 bytes after poll reported data means the other end hung up.
        return fail("readData", count < 0 ? errno : EIO);
    }
    return fail("readData", EIO);
}

qint64 TermiosSerialDevice::writeData(const char* data, qint64 size)
{
    // A write may take one millisecond a byte plus the constant, as the caller expects.
    const qint64 allowed = size + writeTimeout;
    QElapsedTimer elapsed;
    elapsed.start();
    qint64 written = 0;
    while (written < size) {
        const int events = waitFor(POLLOUT, int(qMax<qint64>(0, allowed - elapsed.elapsed())));
        if (events == 0)
            break;
        const ssize_t count = events < 0 ? -1 : ::write(fd, data + written, size_t(size - written));
        if (count < 0 && errno != EAGAIN)
            return written > 0 ? written : fail("writeData", errno);
        written += qMax<ssize_t>(count, 0);
    }
    return written;
}

int TermiosSerialDevice::waitFor(short events, int timeout)
{
    pollfd watched[] = { { fd, events, 0 }, { wakeFd, POLLIN, 0 } };
    int result;
    do {
        result = ::poll(watched, 2, timeout);
    } while (result < 0 && errno == EINTR);
    if (result <= 0)
        return result;
    // What the port already holds is still taken; only the waiting stops.
    return watched[0].revents;
}

bool TermiosSerialDevice::failOpen(int error)
{
    fail("open", error);
    releasePort();
    return false;
}

qint64 TermiosSerialDevice::fail(const char* operation, int error)
{
    const QString message = QStringLiteral("TermiosSerialDevice::%1 failed with error: %2 (%3) on %4")
                                .arg(QLatin1String(operation))
                                .arg(error)
                                .arg(QString::fromLocal8Bit(std::strerror(error)), path);
    // A dead line fails every pass; say so once, not nine times a second.
    if (message != errorString())
        qWarning("%s", qPrintable(message));
    setErrorString(message);
    return -1;
}

} // namespace Ks
