#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QLockFile>
#include <QString>

class QWidget;

// Installers share one projects folder on a network drive or a synced folder: an open document
// holds a lock file beside itself, so that a second person is told who has it open instead of
// silently saving over their work. The lock goes when the document closes; one left behind by a
// program that crashed on this computer is taken as stale and replaced.
class DocumentLock
{
    Q_DECLARE_TR_FUNCTIONS(DocumentLock)

public:
    enum class Outcome { Locked, ReadOnly, Cancelled };

    explicit DocumentLock(const QString& documentPath);

    // Takes the lock. When someone else holds it, says who and since when and asks whether to
    // open the document read-only. A folder that takes no lock file opens without one: nobody can
    // save there anyway.
    Outcome acquire(QWidget* parent);

    // Hidden, so that the project tree and the desktop's folder views leave it out.
    static QString lockPathOf(const QString& documentPath);

private:
    QString heldByText() const;

    QString documentPath;
    QLockFile lockFile;
};
