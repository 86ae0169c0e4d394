#include "DocumentLock.h"

#include "Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

DocumentLock::DocumentLock(const QString& documentPath)
    : documentPath(documentPath)
    , lockFile(lockPathOf(documentPath))
{
    // A document stays open for hours: only a holder that is gone makes a lock stale, never its age.
    lockFile.setStaleLockTime(0);
}

QString DocumentLock::lockPathOf(const QString& documentPath)
{
    const QFileInfo document(documentPath);
    return document.dir().filePath(QStringLiteral(".%1.lock").arg(document.fileName()));
}

DocumentLock::Outcome DocumentLock::acquire(QWidget* parent)
{
    if (lockFile.tryLock(0) || lockFile.error() != QLockFile::LockFailedError)
        return Outcome::Locked;
    const auto answer = Prompts::instance().show(
        parent, QMessageBox::Question, heldByText(),
        tr("Do you want to open it read-only? You can read and print it, but you cannot save it until it "
           "has been closed there.",
           "User prompt"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes ? Outcome::ReadOnly : Outcome::Cancelled;
}

QString DocumentLock::heldByText() const
{
    qint64 pid = 0;
    QString host;
    QString program;
    lockFile.getLockInfo(&pid, &host, &program);
    const QDateTime since = QFileInfo(lockPathOf(documentPath)).lastModified();
    return tr("\"%1\" is already open in %2 on the computer \"%3\" since %4.", "User prompt")
        .arg(QFileInfo(documentPath).fileName(), program.isEmpty() ? QStringLiteral("?") : program,
             host.isEmpty() ? QStringLiteral("?") : host, QLocale().toString(since, QLocale::ShortFormat));
}
