#pragma once

#include <QString>
#include <QTemporaryDir>

// A tmpfs of a few pages, mounted in this process's own mount namespace so that nothing outside
// the test sees it: a disk that really fills up, for saves that must fail without losing the old
// file. Needs root (as in CI); where mounting is not allowed, reason() says why.
class SmallDisk
{
public:
    explicit SmallDisk(qint64 bytes = 256 * 1024);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isMounted() const;
    QString reason() const;
    QString path() const;
    QString filePath(const QString& name) const;

    // Fills the disk with a filler file, then frees about the given number of bytes again.
    bool fillLeaving(qint64 freeBytes);

private:
    QTemporaryDir mountPoint;
    QString failure;
    bool mounted = false;
};
