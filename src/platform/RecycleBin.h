#pragma once

#include <QCoreApplication>
#include <QStringList>

class QWidget;

// Deletes files and folders the way a user can take back: one confirmation naming the items,
// then each goes to the desktop's trash.
class RecycleBin
{
    Q_DECLARE_TR_FUNCTIONS(RecycleBin)

public:
    // Returns true when every item went to the trash; false when the user declined or an item
    // could not be moved (the user is told which).
    static bool moveToTrash(const QStringList& paths, QWidget* parent);

private:
    static bool confirm(const QStringList& paths, QWidget* parent);
    static bool trashOne(const QString& path);
};
