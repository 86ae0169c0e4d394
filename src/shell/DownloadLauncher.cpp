#include "DownloadLauncher.h"

#include "AppIdentity.h"
#include "Clock.h"
#include "Prompts.h"
#include "SettingsKeys.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace {
#ifdef Q_OS_WIN
const QString programSuffix = QStringLiteral(".exe");
#else
const QString programSuffix;
#endif

QString programFileName()
{
    return AppIdentity::downloadProgramBaseName + programSuffix;
}
} // namespace

DownloadLauncher::DownloadLauncher(QWidget* window)
    : QObject(window)
    , window(window)
    , programFolder(QCoreApplication::applicationDirPath())
{
}

void DownloadLauncher::setProgramFolder(const QString& folder)
{
    programFolder = folder;
}

QString DownloadLauncher::programPath() const
{
    return QStringLiteral("%1/%2").arg(programFolder, programFileName());
}

QSettings* DownloadLauncher::openDownloadStore(QObject* parent)
{
    // The download program writes its store as "TORVANE" / "TORVANE Dudav Quillet". Windows'
    // registry ignores letter case, so Veltrano's own spelling reaches it there; here files are
    // named by case, so the exact names are used.
    return new QSettings(QStringLiteral("TORVANE"), QStringLiteral("TORVANE Dudav Quillet"), parent);
}

void DownloadLauncher::download()
{
    const QString program = programPath();
    if (!QFileInfo::exists(program)) {
        Prompts::instance().show(window, QMessageBox::Warning,
                                 tr("Could not find:\n%1.\nPlease try re-installing %2 again", "Error Message")
                                     .arg(program, QCoreApplication::applicationName()));
        return;
    }
    auto* process = new QProcess(this);
    connect(process, &QProcess::errorOccurred, this, &DownloadLauncher::quilletError);
    connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this, &DownloadLauncher::quilletFinished);
    // Each run's process goes once it ended; a failed start never finishes, so it goes then.
    connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), process, &QObject::deleteLater);
    process->start(program, QStringList(), QIODevice::ReadWrite);
    launchTime = Clock::now();
}

QList<QProcess*> DownloadLauncher::runningPrograms() const
{
    QList<QProcess*> runs = findChildren<QProcess*>(QString(), Qt::FindDirectChildrenOnly);
    runs.erase(std::remove_if(runs.begin(), runs.end(),
                              [](const QProcess* run) { return run->state() == QProcess::NotRunning; }),
               runs.end());
    return runs;
}

// Ended here and now, so that no import question comes up while the window closes.
bool DownloadLauncher::okToEnd()
{
    const QList<QProcess*> runs = runningPrograms();
    if (runs.isEmpty())
        return true;
    const QMessageBox::StandardButton answer = Prompts::instance().show(
        window, QMessageBox::Question,
        tr("%1 is still running. Going on closes it, and a download in progress is lost.", "User prompt")
            .arg(AppIdentity::downloadProgramBaseName),
        tr("Choose No to finish the download in %1 first.", "User prompt").arg(AppIdentity::downloadProgramBaseName),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    for (QProcess* run : runs) {
        run->disconnect(this);
        delete run;
    }
    launchTime = QDateTime();
    return true;
}

void DownloadLauncher::quilletError(QProcess::ProcessError error)
{
    Prompts::instance().show(window, QMessageBox::Critical,
                             tr("%1 failed to start. A file may be missing or corrupted. Please install %2 again.", "Error Message")
                                 .arg(programFileName(), QCoreApplication::applicationName()));
    if (error == QProcess::FailedToStart)
        sender()->deleteLater();
}

void DownloadLauncher::quilletFinished(int, QProcess::ExitStatus)
{
    const QString path = savedDuringThisRun();
    launchTime = QDateTime();
    if (path.isEmpty())
        return;
    const QString age = ageText(QFileInfo(path).lastModified(), Clock::now());
    const QMessageBox::StandardButton answer = Prompts::instance().show(
        window, QMessageBox::Question, tr("Would you like to import the last file you just downloaded?", "User prompt"),
        tr("File: %1 was saved %2.", "User prompt").arg(path, age), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        emit importRequested(path);
}

QString DownloadLauncher::savedDuringThisRun() const
{
    const std::unique_ptr<QSettings> store(openDownloadStore());
    const QString path = store->value(SettingsKeys::downloadLastSavedFilePath).toString();
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile() || !launchTime.isValid() || launchTime >= file.lastModified())
        return QString();
    return path;
}

QString DownloadLauncher::ageText(const QDateTime& saved, const QDateTime& now)
{
    const qint64 seconds = saved.secsTo(now);
    if (seconds < 120)
        return tr("%1 seconds ago", "User prompt").arg(seconds);
    if (seconds < 7200)
        return tr("%1 minutes ago", "User prompt").arg(seconds / 60);
    if (seconds < 86400)
        return tr("%1 hours ago", "User prompt").arg(seconds / 3600);
    return tr("%1 days ago", "User prompt").arg(saved.date().daysTo(now.date()));
}
