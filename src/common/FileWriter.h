#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Every file either program saves goes through here, so that a save is all or nothing: the file
// holds the new contents, or, after any failure, exactly what it held before.
class FileWriter
{
    Q_DECLARE_TR_FUNCTIONS(FileWriter)

public:
    // False leaves the file as it was and sets failure to the reason in the user's words,
    // saying what to do about it.
    static bool write(const QString& path, const QByteArray& contents, QString& failure);

    // A file the user marked read-only stays as it is, even for a user the system would let write.
    static bool isMarkedReadOnly(const QString& path);

    // Writes a copy of source (a file or a resource) as a new file: read and write as the user's
    // umask allows, whatever the source's permissions.
    static bool copy(const QString& source, const QString& target, QString& failure);

    // Why writing size bytes to path failed, in the user's words; systemReason is the fallback.
    static QString reasonFor(const QString& path, qint64 size, const QString& systemReason);
};
