#pragma once

#include "CurveFileCheck.h"

#include <QMessageBox>
#include <QSqlDatabase>
#include <QString>

class QSqlError;
class QWidget;

// The connection of one curve document to its file. The connection is named by the file's
// path, so documents on different files never share one; it is removed from the driver's
// registry when this object goes. Opening brings the file up to the current layout and removes
// the curves that no tree node reaches, unless the file is read-only.
class CurveDatabase
{
public:
    // Refuses, with a message naming the file and the cause, what is no regular file, no
    // database or damaged; isOpen() then says false and the file is left as it was.
    explicit CurveDatabase(const QString& filePath, QWidget* messageParent = nullptr);
    ~CurveDatabase();
    CurveDatabase(const CurveDatabase&) = delete;
    CurveDatabase& operator=(const CurveDatabase&) = delete;

    bool isOpen() const;
    // Opened with the read-only mark, or while someone else had the file open: nothing is written.
    bool isReadOnly() const;
    // From now on every change is refused as for a read-only file.
    void refuseWrites();
    // Closes the file for what was found in it after opening, and says so; isOpen() then says false.
    void refuse(const IVCurve::CurveFileCheck::Problem& problem);
    QString filePath() const;
    QSqlDatabase database() const;
    QWidget* messageParent() const;

    // True when the file may be written now; otherwise the user has been told why nothing was
    // changed. Asked before every change, so that none is made in memory that cannot be saved.
    bool checkWritable() const;
    // Shows why a statement that would have written failed: the file's state when that made it
    // fail (the driver's text would only say that the database is read-only), else the driver's text.
    void reportWriteFailure(const QSqlError& error) const;

    // Run again after a failing statement: they create a table the file lacks.
    void runCurveSchema();
    void runTreeSchema();

private:
    IVCurve::CurveFileCheck::Problem open();
    void tidy();
    void show(const IVCurve::CurveFileCheck::Problem& problem, QMessageBox::Icon icon) const;

    const QString path;
    QWidget* const parent;
    bool readOnly;
    bool opened = false;
};
