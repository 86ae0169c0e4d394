#include "RecycleBin.h"

#include "FileWriter.h"
#include "KnownFolders.h"
#include "Prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {
// Qt writes the original path as it stands, but the desktop reads the Path line URL-escaped:
// without this, items with spaces, umlauts or "%" in their names cannot be restored.
void escapeRecordedPath(const QString& trashedFile, const QString& originalPath)
{
    const QFileInfo trashed(trashedFile);
    const QString infoPath = trashed.dir().filePath(QStringLiteral("../info/%1.trashinfo").arg(trashed.fileName()));
    QFile info(infoPath);
    if (!info.open(QIODevice::ReadOnly))
        return;
    QByteArray content = info.readAll();
    info.close();
    const QByteArray plain = "\nPath=" + originalPath.toUtf8() + "\n";
    const QByteArray escaped = "\nPath=" + QUrl::toPercentEncoding(originalPath, "/") + "\n";
    if (!content.contains(plain))
        return;
    content.replace(plain, escaped);
    // On failure the plain line stays: the item is in the trash all the same.
    QString failure;
    FileWriter::write(infoPath, content, failure);
}
} // namespace

bool RecycleBin::moveToTrash(const QStringList& paths, QWidget* parent)
{
    if (paths.isEmpty() || !confirm(paths, parent))
        return false;
    QStringList failed;
    for (const QString& path : paths) {
        if (!trashOne(path))
            failed << QDir::toNativeSeparators(path);
    }
    if (failed.isEmpty())
        return true;
    Prompts::instance().show(parent, QMessageBox::Warning,
                             tr("Could not move to the trash:\n%1", "Error Message").arg(failed.join('\n')),
                             tr("Close any program that uses these files and check that you may change "
                                "the folder, then try again.",
                                "Error message informative text"));
    return false;
}

bool RecycleBin::confirm(const QStringList& paths, QWidget* parent)
{
    QStringList names;
    for (const QString& path : paths)
        names << QFileInfo(path).fileName();
    const QString text = paths.size() == 1
                             ? tr("Move \"%1\" to the trash?", "User prompt").arg(names.first())
                             : tr("Move these %1 items to the trash?\n%2", "User prompt")
                                   .arg(paths.size())
                                   .arg(names.join('\n'));
    const QString restore = paths.size() == 1 ? tr("You can restore it from the trash.", "User prompt")
                                              : tr("You can restore them from the trash.", "User prompt");
    return Prompts::instance().show(parent, QMessageBox::Question, text, restore,
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
           == QMessageBox::Yes;
}

bool RecycleBin::trashOne(const QString& path)
{
    // Without the data folder Qt 5.15 "succeeds" by putting the item into ./files.
    QDir().mkpath(KnownFolders::programData());
    const QString original = QFileInfo(path).absoluteFilePath();
    QFile file(path);
    if (!file.moveToTrash() || !QFileInfo(file.fileName()).isAbsolute() || QFileInfo::exists(path))
        return false;
    escapeRecordedPath(file.fileName(), original);
    return true;
}
