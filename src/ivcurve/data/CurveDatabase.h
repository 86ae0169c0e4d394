#pragma once

#include "CurveFailureHandler.h"
#include "CurveFileCheck.h"

#include <QSqlDatabase>
#include <QString>

class QSqlError;

// The connection of one curve document to its file. The connection is named by the file's
// path, so documents on different files never share one; it is removed from the driver's
// registry when this object goes. Opening brings the file up to the current layout and removes
// the curves that no tree node reaches, unless the file is read-only.
class CurveDatabase
{
public:
    // Refuses, with a failure naming the file and the cause, what is no regular file, no
    // database or damaged; isOpen() then says false and the file is left as it was. Every failure
    // goes to `failures`, which must outlive this object; without one they go unseen, as where
    // no user is there to read them.
    explicit CurveDatabase(const QString& filePath, CurveFailureHandler* failures = nullptr);
    ~CurveDatabase();
    CurveDatabase(const CurveDatabase&) = delete;
    CurveDatabase& operator=(const CurveDatabase&) = delete;

    bool isOpen() const;
    // Opened with the read-only mark, or while someone else had the file open: nothing is written.
    bool isReadOnly() const;
    // From now on every change is refused as for a read-only file.
    void refuseWrites();
    // Closes the file for what was found in it after opening, and says so; isOpen() then says false.
    void refuse(const Failure& problem);
    QString filePath() const;
    QSqlDatabase database() const;
    // Hands a failure of the work on this file to the handler.
    void report(const Failure& failure, CurveFailureHandler::Weight weight) const;
    // Whether the user wants to hear of the next failures of the same kind.
    bool reportAgain(const Failure& failure, const QString& goOnText) const;

    // True when the file may be written now; otherwise the handler has been told why nothing was
    // changed. Asked before every change, so that none is made in memory that cannot be saved.
    bool checkWritable() const;
    // Reports why a statement that would have written failed: the file's state when that made it
    // fail (the driver's text would only say that the database is read-only), else the driver's text.
    void reportWriteFailure(const QSqlError& error) const;

    // Run again after a failing statement: they create a table the file lacks.
    void runCurveSchema();
    void runTreeSchema();

private:
    Failure open();
    void tidy();

    const QString path;
    CurveFailureHandler* const failures;
    bool readOnly;
    bool opened = false;
};
