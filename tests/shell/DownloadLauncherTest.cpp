#include "Clock.h"
#include "DownloadLauncher.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {
// The store as the download program writes it: under its own organisation and program names,
// spelt exactly so, since file names here tell letter case apart.
std::unique_ptr<QSettings> downloadProgramStore()
{
    return std::make_unique<QSettings>(QStringLiteral("TORVANE"), QStringLiteral("TORVANE Dudav Quillet"));
}
} // namespace

class DownloadLauncherTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ageTexts_data();
    void ageTexts();
    void missingProgramIsReported();
    void programThatCannotStartIsReported();
    void fileSavedDuringTheRunIsOfferedForImport();
    void answeringNoImportsNothing();
    void noQuestionWithoutANewerFile();
    void noQuestionWhenNothingWasSaved();
    void runningProgramEndsOnlyWhenTheUserAgrees();

private:
    // A download program that only exits; what it "saved" the test writes itself.
    void installProgram(const QByteArray& script = "#!/bin/sh\nexit 0\n", bool executable = true);
    void storeSavedFile(const QString& path, const QDateTime& modified);
    // Starts the program at `start` and lets it end at `end`.
    void runProgram(const QDateTime& start, const QDateTime& end);

    QTemporaryDir folder;
    QWidget window;
    std::unique_ptr<DownloadLauncher> launcher;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<QSignalSpy> imports;
    QDateTime start = QDateTime(QDate(2026, 7, 3), QTime(9, 0));
};

void DownloadLauncherTest::init()
{
    downloadProgramStore()->clear();
    QFile::remove(folder.filePath(QStringLiteral("TorvaneQuillet")));
    QFile::remove(folder.filePath(QStringLiteral("TorvaneQuillet.ran")));
    launcher = std::make_unique<DownloadLauncher>(&window);
    launcher->setParent(nullptr);
    launcher->setProgramFolder(folder.path());
    prompts = std::make_unique<ScriptedPrompts>();
    imports = std::make_unique<QSignalSpy>(launcher.get(), &DownloadLauncher::importRequested);
}

void DownloadLauncherTest::cleanup()
{
    imports.reset();
    launcher.reset();
    prompts.reset();
    Clock::setFixedNow(QDateTime());
}

void DownloadLauncherTest::installProgram(const QByteArray& script, bool executable)
{
    QFile program(launcher->programPath());
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write(script);
    program.close();
    if (executable)
        program.setPermissions(program.permissions() | QFile::ExeOwner | QFile::ExeUser);
}

void DownloadLauncherTest::storeSavedFile(const QString& path, const QDateTime& modified)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("PVT-Logger,23104877,FW 1.07,2\r\n");
    // Written out first, or closing the file would stamp it with the real time again.
    QVERIFY(file.flush());
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    downloadProgramStore()->setValue(QStringLiteral("Device/LastSavedFilePath"), path);
}

void DownloadLauncherTest::runProgram(const QDateTime& startTime, const QDateTime& endTime)
{
    Clock::setFixedNow(startTime);
    launcher->download();
    // The end is only handled by the event loop, so the clock can move on first.
    Clock::setFixedNow(endTime);
    QTest::qWait(0);
}

void DownloadLauncherTest::ageTexts_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("45 s") << qint64(45) << "45 seconds ago";
    QTest::newRow("119 s") << qint64(119) << "119 seconds ago";
    QTest::newRow("120 s") << qint64(120) << "2 minutes ago";
    QTest::newRow("7,199 s") << qint64(7199) << "119 minutes ago";
    QTest::newRow("7,200 s") << qint64(7200) << "2 hours ago";
    QTest::newRow("86,399 s") << qint64(86399) << "23 hours ago";
    // Calendar days: from 09:00 on the 3rd to 08:00 on the 5th is two days.
    QTest::newRow("47 h") << qint64(47 * 3600) << "2 days ago";
}

void DownloadLauncherTest::ageTexts()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(DownloadLauncher::ageText(start, start.addSecs(seconds)), text);
}

void DownloadLauncherTest::missingProgramIsReported()
{
    launcher->download();
    QCOMPARE(prompts->messageTexts(),
             QStringList { QStringLiteral("Could not find:\n%1/TorvaneQuillet.\nPlease try re-installing %2 again")
                               .arg(folder.path(), QCoreApplication::applicationName()) });
    QCOMPARE(prompts->last().message.icon, QMessageBox::Warning);
}

void DownloadLauncherTest::programThatCannotStartIsReported()
{
    installProgram("not a program", false);
    launcher->download();
    QTRY_COMPARE_WITH_TIMEOUT(prompts->shown().size(), 1, 10000);
    QCOMPARE(prompts->last().message.text,
             QStringLiteral("TorvaneQuillet failed to start. A file may be missing or corrupted. Please install %1 again.")
                 .arg(QCoreApplication::applicationName()));
    QCOMPARE(prompts->last().message.icon, QMessageBox::Critical);
}

void DownloadLauncherTest::fileSavedDuringTheRunIsOfferedForImport()
{
    installProgram();
    const QString saved = folder.filePath(QStringLiteral("results.csv"));
    storeSavedFile(saved, start.addSecs(30));
    prompts->answerMessage(QMessageBox::Yes);
    runProgram(start, start.addSecs(75));
    QTRY_COMPARE_WITH_TIMEOUT(prompts->shown().size(), 1, 10000);

    const MessageRequest& question = prompts->last().message;
    QCOMPARE(question.icon, QMessageBox::Question);
    QCOMPARE(question.text, QStringLiteral("Would you like to import the last file you just downloaded?"));
    QCOMPARE(question.informativeText, QStringLiteral("File: %1 was saved 45 seconds ago.").arg(saved));
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(imports->size(), 1);
    QCOMPARE(imports->first().first().toString(), saved);
}

void DownloadLauncherTest::answeringNoImportsNothing()
{
    installProgram();
    storeSavedFile(folder.filePath(QStringLiteral("results.csv")), start.addSecs(30));
    prompts->answerMessage(QMessageBox::No);
    runProgram(start, start.addSecs(60));
    QTRY_COMPARE_WITH_TIMEOUT(prompts->shown().size(), 1, 10000);
    QTest::qWait(50);
    QVERIFY(imports->isEmpty());
}

void DownloadLauncherTest::noQuestionWithoutANewerFile()
{
    installProgram("#!/bin/sh\necho done > \"$0.ran\"\n");
    storeSavedFile(folder.filePath(QStringLiteral("older.csv")), start.addSecs(-3600));
    runProgram(start, start.addSecs(60));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(launcher->programPath() + QStringLiteral(".ran")), 10000);
    QTest::qWait(300);
    QVERIFY(prompts->shown().isEmpty());
    QVERIFY(imports->isEmpty());
}

void DownloadLauncherTest::noQuestionWhenNothingWasSaved()
{
    installProgram("#!/bin/sh\necho done > \"$0.ran\"\n");
    downloadProgramStore()->setValue(QStringLiteral("Device/LastSavedFilePath"),
                                     folder.filePath(QStringLiteral("deleted.csv")));
    runProgram(start, start.addSecs(60));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(launcher->programPath() + QStringLiteral(".ran")), 10000);
    QTest::qWait(300);
    QVERIFY(prompts->shown().isEmpty());
}

void DownloadLauncherTest::runningProgramEndsOnlyWhenTheUserAgrees()
{
    QVERIFY(launcher->okToEnd());
    QVERIFY(prompts->shown().isEmpty());

    installProgram("#!/bin/sh\necho started > \"$0.ran\"\nexec sleep 30\n");
    Clock::setFixedNow(start);
    launcher->download();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(launcher->programPath() + QStringLiteral(".ran")), 10000);
    storeSavedFile(folder.filePath(QStringLiteral("results.csv")), start.addSecs(30));
    Clock::setFixedNow(start.addSecs(60));

    prompts->answerMessage(QMessageBox::No);
    QVERIFY(!launcher->okToEnd());
    const MessageRequest question = prompts->last().message;
    QCOMPARE(question.text,
             QStringLiteral("TorvaneQuillet is still running. Going on closes it, and a download in progress is lost."));
    QCOMPARE(question.informativeText, QStringLiteral("Choose No to finish the download in TorvaneQuillet first."));
    QCOMPARE(question.defaultButton, QMessageBox::No);
    QCOMPARE(launcher->findChildren<QProcess*>().size(), 1);
    // Qt may not have seen the start yet, though the program already runs.
    QVERIFY(launcher->findChildren<QProcess*>().first()->state() != QProcess::NotRunning);

    // Ended at once, and its end asks nothing about the file it saved.
    prompts->answerMessage(QMessageBox::Yes);
    QVERIFY(launcher->okToEnd());
    QVERIFY(launcher->findChildren<QProcess*>().isEmpty());
    QTest::qWait(300);
    QCOMPARE(prompts->shown().size(), 2);
    QVERIFY(imports->isEmpty());
}

VELTRANO_TEST(DownloadLauncherTest)
#include "DownloadLauncherTest.moc"
