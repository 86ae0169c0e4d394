#pragma once

#include <QFile>
#include <QStringList>
#include <QTextStream>

// The command line of `pak`: lists, extracts and creates report containers, so that the build
// and support staff can look inside any report file.
class PakCommand
{
public:
    PakCommand(QTextStream& out, QTextStream& err);

    // Returns the process exit code: 0 success, 1 failure, 2 wrong usage.
    int run(const QStringList& arguments);

private:
    int list(const QString& fileName);
    int extract(const QString& fileName, const QString& folder);
    int create(const QString& fileName, const QStringList& pairs);
    int usage();
    bool readableFile(QFile& source);

    QTextStream& out;
    QTextStream& err;
};
