#pragma once

#include "Failure.h"

#include <QCoreApplication>
#include <QString>

class QSqlDatabase;
class QSqlError;

namespace IVCurve {

// Whether a curve file may be opened and written, and what the user is told when it may not.
// The file is only looked at here: a file refused on opening is left exactly as it was.
class CurveFileCheck
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::CurveFileCheck)

public:
    // Permission bits without any write bit are the user's read-only mark. It holds even for a
    // user whom the system would let write (an administrator); a file that this user may not
    // write counts the same.
    static bool isMarkedReadOnly(const QString& path);

    // Only a regular file is opened: a pipe would block the program on its first read, and what
    // is written to a device is gone. A path where nothing is yet passes: the file is created.
    static Failure beforeOpening(const QString& path);
    // The driver could not open or read the file.
    static Failure unreadable(const QString& path, const QSqlError& error);
    // A damaged file opens like an intact one and fails later, when the user's work is at stake.
    static Failure ofContents(const QString& path, QSqlDatabase& database);
    // What the file holds passes what a curve file may hold; `cause` ends the sentence.
    static Failure beyondLimits(const QString& path, const QString& cause);

    // Why nothing may be written to the file now: it is marked read-only or was opened so, or it
    // is no longer where it was opened.
    static Failure beforeWriting(const QString& path, bool openedReadOnly);
    // A statement that would have written failed; what that means for the file, when it is the
    // file's state that made it fail.
    static Failure ofFailedWrite(const QString& path, bool openedReadOnly, const QSqlError& error);

private:
    static QString shown(const QString& path);
    static Failure readOnly(const QString& path);
    static Failure gone(const QString& path);
};

} // namespace IVCurve
