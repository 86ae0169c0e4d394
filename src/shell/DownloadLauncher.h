#pragma once

#include <QDateTime>
#include <QObject>
#include <QProcess>

class QSettings;
class QWidget;

// Starts the download program beside Veltrano and, when it ends, offers to import the file it
// saved during that run. The two programs share nothing but that program's setting
// "Device/LastSavedFilePath".
class DownloadLauncher : public QObject
{
    Q_OBJECT

public:
    // `window` parents the messages and owns the launcher.
    explicit DownloadLauncher(QWidget* window);

    // Where the download program is looked for; the folder of the running program by default.
    void setProgramFolder(const QString& folder);
    QString programPath() const;

    // The download program cannot outlive its launcher. Asks first while it runs, as a download
    // in progress would be lost; true when none runs or the user agreed, and it has been ended.
    bool okToEnd();

    // How long ago a file was saved, in the largest unit that still reads naturally.
    static QString ageText(const QDateTime& saved, const QDateTime& now);
    // The download program's own store, under the exact names it writes.
    static QSettings* openDownloadStore(QObject* parent = nullptr);

public slots:
    void download();

signals:
    // The user wants the file just downloaded imported.
    void importRequested(const QString& path);

private slots:
    void quilletError(QProcess::ProcessError error);
    void quilletFinished(int exitCode, QProcess::ExitStatus status);

private:
    QString savedDuringThisRun() const;
    QList<QProcess*> runningPrograms() const;

    QWidget* window;
    QString programFolder;
    QDateTime launchTime;
};
