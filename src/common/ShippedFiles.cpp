#include "ShippedFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ShippedFiles::folderFor(const QString& programFolder)
{
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../share/veltrano"));
    return QFileInfo(installed).isDir() ? installed : QDir::cleanPath(programFolder);
}

QString ShippedFiles::folder()
{
    return folderFor(QCoreApplication::applicationDirPath());
}

QString ShippedFiles::path(const QString& relative)
{
    return folder() + QLatin1Char('/') + relative;
}

bool ShippedFiles::checkRequested(const QStringList& arguments)
{
    return arguments.size() == 2 && arguments.at(1) == QLatin1String("--check-installation");
}

int ShippedFiles::report(const QStringList& paths, QTextStream& out)
{
    int missing = 0;
    for (const QString& path : paths) {
        const bool found = QFileInfo::exists(path);
        out << (found ? "found: " : "missing: ") << QDir::toNativeSeparators(path) << '\n';
        missing += found ? 0 : 1;
    }
    out.flush();
    return missing == 0 ? 0 : 1;
}
