#include "MainWindow.h"
#include "ScriptedPrompts.h"
#include "Startup.h"
#include "TestMain.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
const QString lastSavedKey = QStringLiteral("Device/LastSavedFilePath");
} // namespace

// Where the save dialog opens: the Documents folder the first time, then the folder of the last
// save, never with the previous job's file name filled in (it would be overwritten by a hasty
// Enter).
class SaveDialogStartTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void firstSaveStartsInDocuments();
    void laterSaveStartsInTheLastFolderWithoutItsName();
    void vanishedLastFolderFallsBackToDocuments();

private:
    // The folder the save dialog was asked to open, after the user cancelled it.
    QString startOfCancelledSave();
    QString documents() const;

    QTemporaryDir folder;
    std::unique_ptr<ScriptedPrompts> prompts;
};

void SaveDialogStartTest::initTestCase()
{
    Startup::setIdentity();
}

void SaveDialogStartTest::cleanupTestCase()
{
    QSettings().clear();
    QCoreApplication::setOrganizationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Veltrano"));
}

void SaveDialogStartTest::init()
{
    QSettings().clear();
    prompts = std::make_unique<ScriptedPrompts>();
}

void SaveDialogStartTest::cleanup()
{
    prompts.reset();
}

QString SaveDialogStartTest::startOfCancelledSave()
{
    MainWindow window;
    window.saveFile();
    return prompts->shown().isEmpty() ? QStringLiteral("<no dialog>") : prompts->last().files.directory;
}

QString SaveDialogStartTest::documents() const
{
    return qEnvironmentVariable("HOME") + QStringLiteral("/Documents");
}

void SaveDialogStartTest::firstSaveStartsInDocuments()
{
    QCOMPARE(startOfCancelledSave(), documents());
    // Offered, so it has to be there to be shown.
    QVERIFY(QFileInfo(documents()).isDir());
}

void SaveDialogStartTest::laterSaveStartsInTheLastFolderWithoutItsName()
{
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("site 7")));
    QSettings().setValue(lastSavedKey, folder.filePath(QStringLiteral("site 7/job 41.csv")));
    QCOMPARE(startOfCancelledSave(), folder.filePath(QStringLiteral("site 7")));
    // A cancelled dialog leaves the last saved file as it was.
    QCOMPARE(QSettings().value(lastSavedKey).toString(), folder.filePath(QStringLiteral("site 7/job 41.csv")));
}

void SaveDialogStartTest::vanishedLastFolderFallsBackToDocuments()
{
    QSettings().setValue(lastSavedKey, folder.filePath(QStringLiteral("unplugged stick/job 41.csv")));
    QCOMPARE(startOfCancelledSave(), documents());
}

VELTRANO_TEST(SaveDialogStartTest)
#include "SaveDialogStartTest.moc"
