#include "FileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace {
// Room for the file system's own bookkeeping when the free space is weighed against a file.
constexpr qint64 allocationSlack = 64 * 1024;
} // namespace

bool FileWriter::write(const QString& path, const QByteArray& contents, QString& failure)
{
    if (isMarkedReadOnly(path)) {
        failure = reasonFor(path, contents.size(), QString());
        return false;
    }
    QSaveFile file(path);
    // Qt 5.15's commit() does not notice when flushing its own buffer fails and would then rename
    // an empty file over the old one; unbuffered, every failure shows in write() itself.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                         && file.write(contents) == contents.size() && file.flush()
                         && file.error() == QFileDevice::NoError;
    if (written && file.commit())
        return true;
    const QString systemReason = file.errorString();
    file.cancelWriting();
    failure = reasonFor(path, contents.size(), systemReason);
    return false;
}

bool FileWriter::isMarkedReadOnly(const QString& path)
{
    const QFileInfo info(path);
    const QFile::Permissions writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isFile() && !(info.permissions() & writable);
}

bool FileWriter::copy(const QString& source, const QString& target, QString& failure)
{
    QFile original(source);
    if (!original.open(QIODevice::ReadOnly)) {
        failure = tr("%1 cannot be read: %2.", "Error message informative text")
                      .arg(QDir::toNativeSeparators(source), original.errorString());
        return false;
    }
    return write(target, original.readAll(), failure);
}

QString FileWriter::reasonFor(const QString& path, qint64 size, const QString& systemReason)
{
    const QFileInfo info(path);
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (!QFileInfo(info.absolutePath()).isDir())
        return tr("The folder %1 no longer exists. Save the document in another folder, or create the "
                  "folder again and save once more.",
                  "Error message informative text")
            .arg(folder);
    if (isMarkedReadOnly(path) || (info.exists() && !info.isWritable()))
        return tr("The file is read-only. Remove its read-only mark, or save under another name.",
                  "Error message informative text");
    if (info.exists() && !info.isFile())
        return tr("It is not a regular file: folders, devices and pipes cannot be saved over.",
                  "Error message informative text");
    if (!QFileInfo(info.absolutePath()).isWritable())
        return tr("You may not change files in the folder %1. Ask for write access, or save in another folder.",
                  "Error message informative text")
            .arg(folder);
    const QStorageInfo storage(info.absolutePath());
    if (storage.isValid() && storage.bytesAvailable() < size + allocationSlack)
        return tr("The disk is full. Free some space on %1, or save to another drive, then save again.",
                  "Error message informative text")
            .arg(QDir::toNativeSeparators(storage.rootPath()));
    return tr("The system reports: %1. Check the drive and save again.", "Error message informative text")
        .arg(systemReason.isEmpty() ? tr("an unknown error", "Error message informative text") : systemReason);
}
