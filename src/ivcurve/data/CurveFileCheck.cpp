#include "CurveFileCheck.h"

#include "FileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace IVCurve {

namespace {
// SQLite's primary result code for a write it refuses: on a connection opened for writing, to a
// file still in its place, it means the file there is no longer the one that was opened.
const QLatin1String refusedWriteCode("8");
} // namespace

QString CurveFileCheck::shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool CurveFileCheck::isMarkedReadOnly(const QString& path)
{
    const QFileInfo file(path);
    return FileWriter::isMarkedReadOnly(path) || (file.exists() && !file.isWritable());
}

Failure CurveFileCheck::beforeOpening(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists() || file.isFile())
        return {};
    return {tr("%1 cannot be opened: it is not a regular file.", "Error Message").arg(shown(path)),
            tr("Devices, pipes and folders are never opened as curve files. Choose the curve file itself.",
               "Error message informative text")};
}

Failure CurveFileCheck::unreadable(const QString& path, const QSqlError& error)
{
    return {tr("%1 cannot be opened: %2", "Error Message").arg(shown(path), error.text()),
            tr("The file has been left as it is.", "Error message informative text")};
}

// The quick look at the schema tells a file that is no database at all; the full check then
// reads every page, which a damaged file fails although its schema still reads.
Failure CurveFileCheck::ofContents(const QString& path, QSqlDatabase& database)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master;")))
        return unreadable(path, query.lastError());
    QString verdict;
    if (!query.exec(QStringLiteral("PRAGMA integrity_check(1);")))
        verdict = query.lastError().text();
    else if (query.next())
        verdict = query.value(0).toString();
    query.finish();
    if (verdict == QLatin1String("ok"))
        return {};
    return {tr("%1 cannot be opened: the file is damaged.", "Error Message").arg(shown(path)),
            tr("The check of the file found: %1\nThe file has been left as it is. Open a backup copy of it instead.",
               "Error message informative text")
                .arg(verdict)};
}

Failure CurveFileCheck::beyondLimits(const QString& path, const QString& cause)
{
    return {tr("%1 cannot be opened: %2.", "Error Message").arg(shown(path), cause),
            tr("The file is damaged or was not written by this program. It has been left as it is.",
               "Error message informative text")};
}

Failure CurveFileCheck::readOnly(const QString& path)
{
    return {tr("%1 is read-only: nothing has been changed.", "Error Message").arg(shown(path)),
            tr("To change its curves or its tree, remove the read-only mark in the file's properties and open "
               "the file again.",
               "Error message informative text")};
}

Failure CurveFileCheck::gone(const QString& path)
{
    return {tr("%1 has been deleted, moved or replaced since it was opened: nothing has been saved.", "Error Message")
                .arg(shown(path)),
            tr("Put the file back in its place and try again, or close this document without saving and open the "
               "file where it is now.",
               "Error message informative text")};
}

Failure CurveFileCheck::beforeWriting(const QString& path, bool openedReadOnly)
{
    if (!QFileInfo(path).isFile())
        return gone(path);
    if (openedReadOnly || isMarkedReadOnly(path))
        return readOnly(path);
    return {};
}

Failure CurveFileCheck::ofFailedWrite(const QString& path, bool openedReadOnly,
                                                      const QSqlError& error)
{
    const Failure problem = beforeWriting(path, openedReadOnly);
    if (problem.failed() || error.nativeErrorCode() != refusedWriteCode)
        return problem;
    return gone(path);
}

} // namespace IVCurve
