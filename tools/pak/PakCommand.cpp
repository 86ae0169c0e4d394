#include "PakCommand.h"

#include "ReportContainer.h"
#include "ReportXmlGuard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QRegularExpression>

namespace {
// Names come from inside a file that may be hostile: never let one leave the target folder.
QString safeFileName(const QString& name, int index)
{
    QString safe = name;
    safe.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    if (safe.isEmpty() || safe == QLatin1String(".") || safe == QLatin1String(".."))
        safe = QStringLiteral("blob");
    return QStringLiteral("%1_%2").arg(index, 3, 10, QLatin1Char('0')).arg(safe);
}
} // namespace

PakCommand::PakCommand(QTextStream& out, QTextStream& err)
    : out(out)
    , err(err)
{
}

int PakCommand::run(const QStringList& arguments)
{
    const QString command = arguments.value(0);
    if (command == QLatin1String("list") && arguments.size() == 2)
        return list(arguments.at(1));
    if (command == QLatin1String("extract") && arguments.size() == 3)
        return extract(arguments.at(1), arguments.at(2));
    if (command == QLatin1String("create") && arguments.size() >= 3)
        return create(arguments.at(1), arguments.mid(2));
    return usage();
}

int PakCommand::usage()
{
    err << "usage: pak list FILE\n"
           "       pak extract FILE DIR\n"
           "       pak create FILE NAME=PATH [NAME=PATH...]   (the first pair is the report XML, named \"xml\")\n";
    return 2;
}

int PakCommand::list(const QString& fileName)
{
    BlobList blobs;
    const ReportContainer::Status status = ReportContainer::read(fileName, blobs);
    if (status != ReportContainer::Status::Ok) {
        err << ReportContainer::describe(status, fileName) << '\n';
        return 1;
    }
    for (const NamedBlob& blob : blobs)
        out << blob.name << '\t' << blob.data.size() << '\n';
    return 0;
}

int PakCommand::extract(const QString& fileName, const QString& folder)
{
    BlobList blobs;
    const ReportContainer::Status status = ReportContainer::read(fileName, blobs);
    if (status != ReportContainer::Status::Ok) {
        err << ReportContainer::describe(status, fileName) << '\n';
        return 1;
    }
    if (!QDir().mkpath(folder)) {
        err << "Could not create the folder \"" << folder << "\".\n";
        return 1;
    }
    for (int i = 0; i < blobs.size(); ++i) {
        const QString target = QDir(folder).filePath(safeFileName(blobs.at(i).name, i));
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(blobs.at(i).data) != blobs.at(i).data.size()
            || !file.commit()) {
            err << "Could not write \"" << target << "\": " << file.errorString() << '\n';
            return 1;
        }
        out << target << '\n';
    }
    return 0;
}

// A pipe or a device would block or never end.
bool PakCommand::readableFile(QFile& source)
{
    const QFileInfo info(source.fileName());
    if (!info.isFile() || info.size() > ReportContainer::maximumPayloadSize) {
        err << "Could not read \"" << source.fileName() << "\": not a regular file of at most "
            << ReportContainer::maximumPayloadSize / (1024 * 1024) << " MB\n";
        return false;
    }
    if (!source.open(QIODevice::ReadOnly)) {
        err << "Could not read \"" << source.fileName() << "\": " << source.errorString() << '\n';
        return false;
    }
    return true;
}

int PakCommand::create(const QString& fileName, const QStringList& pairs)
{
    BlobList blobs;
    for (const QString& pair : pairs) {
        const int equals = pair.indexOf(QLatin1Char('='));
        if (equals < 0)
            return usage();
        QFile source(pair.mid(equals + 1));
        if (!readableFile(source))
            return 1;
        ReportContainer::append(blobs, pair.left(equals), source.readAll());
    }
    // What the program would refuse to open is not packed either.
    ReportXmlGuard guard(QFileInfo(fileName).absolutePath());
    if (!blobs.isEmpty() && !guard.check(blobs.first().data)) {
        err << "The report XML of \"" << fileName << "\" is refused: " << guard.cause() << '\n';
        return 1;
    }
    const ReportContainer::Status status = ReportContainer::write(fileName, blobs);
    if (status != ReportContainer::Status::Ok) {
        err << ReportContainer::describe(status, fileName) << '\n';
        return 1;
    }
    return 0;
}
