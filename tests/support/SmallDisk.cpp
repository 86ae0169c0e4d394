#include "SmallDisk.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {
const QString fillerName = QStringLiteral(".filler");

// Once per process: a private copy of the mount table, whose mounts never reach the host's.
bool enterPrivateMountNamespace(QString& failure)
{
    static QString reason;
    static const bool entered = [] {
        if (::unshare(CLONE_NEWNS) != 0) {
            reason = QStringLiteral("unshare(CLONE_NEWNS): %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            reason = QStringLiteral("mount --make-rprivate /: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        return true;
    }();
    failure = reason;
    return entered;
}
} // namespace

SmallDisk::SmallDisk(qint64 bytes)
{
    if (!mountPoint.isValid()) {
        failure = QStringLiteral("no temporary folder for the mount point");
        return;
    }
    if (!enterPrivateMountNamespace(failure))
        return;
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0777";
    if (::mount("tmpfs", QFile::encodeName(mountPoint.path()).constData(), "tmpfs", 0, options.constData()) != 0) {
        failure = QStringLiteral("mount tmpfs: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    mounted = true;
}

SmallDisk::~SmallDisk()
{
    if (mounted)
        ::umount2(QFile::encodeName(mountPoint.path()).constData(), MNT_DETACH);
}

bool SmallDisk::isMounted() const
{
    return mounted;
}

QString SmallDisk::reason() const
{
    return QStringLiteral("A small disk cannot be mounted here (%1); run the tests as root.").arg(failure);
}

QString SmallDisk::path() const
{
    return mountPoint.path();
}

QString SmallDisk::filePath(const QString& name) const
{
    return QDir(mountPoint.path()).filePath(name);
}

bool SmallDisk::fillLeaving(qint64 freeBytes)
{
    QFile filler(filePath(fillerName));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray page(4096, 'f');
    while (filler.write(page) == page.size()) {
    }
    const qint64 size = filler.size();
    filler.close();
    return size >= freeBytes && QFile::resize(filler.fileName(), size - freeBytes);
}
