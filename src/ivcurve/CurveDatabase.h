#pragma once

#include <QSqlDatabase>
#include <QString>

class QWidget;

// The connection of one curve document to its file. The connection is named by the file's
// path, so documents on different files never share one; it is removed from the driver's
// registry when this object goes. Opening brings the file up to the current layout.
class CurveDatabase
{
public:
    // Shows the driver's error text when the file cannot be opened; isOpen() then says false.
    explicit CurveDatabase(const QString& filePath, QWidget* messageParent = nullptr);
    ~CurveDatabase();
    CurveDatabase(const CurveDatabase&) = delete;
    CurveDatabase& operator=(const CurveDatabase&) = delete;

    bool isOpen() const;
    QString filePath() const;
    QSqlDatabase database() const;
    QWidget* messageParent() const;

    // Run again after a failing statement: they create a table the file lacks.
    void runCurveSchema();
    void runTreeSchema();

private:
    const QString path;
    QWidget* const parent;
    bool opened = false;
};
