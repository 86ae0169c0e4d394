#include "Folders.h"
#include "KnownFolders.h"
#include "ScriptedPrompts.h"
#include "SettingsKeys.h"
#include "TestMain.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class FoldersTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void storedRootIsUsedWithoutAsking();
    void readingTheRootNeverAsks();
    void missingRootCancelledFallsBackToTheDefault();
    void chosenRootThatMayNotBeCreatedChangesNothing();
    void rootThatCannotBeCreatedIsReported();
    void dataFolderIsCreatedOnFirstUse();

private:
    Folders& freshFolders();
};

void FoldersTest::init()
{
    QSettings().clear();
    QDir(KnownFolders::publicDocuments()).removeRecursively();
}

Folders& FoldersTest::freshFolders()
{
    return Folders::instance(true);
}

void FoldersTest::storedRootIsUsedWithoutAsking()
{
    QTemporaryDir root;
    QSettings().setValue(SettingsKeys::rootDir, root.path());
    ScriptedPrompts prompts;
    Folders& folders = freshFolders();
    QSignalSpy changed(&folders, &Folders::projectsFolderChanged);

    QVERIFY(folders.resolveRootDir());
    QVERIFY(folders.resolveRootDir());
    QCOMPARE(folders.rootDir(), root.path());
    QCOMPARE(changed.count(), 1);
    QVERIFY(prompts.shown().isEmpty());
}

// Reading the root is a plain read anywhere in the program: only resolving it may ask.
void FoldersTest::readingTheRootNeverAsks()
{
    ScriptedPrompts prompts;
    Folders& folders = freshFolders();
    QSignalSpy changed(&folders, &Folders::projectsFolderChanged);

    QCOMPARE(folders.rootDir(), QString());
    QCOMPARE(folders.rootDir(), QString());
    QVERIFY(prompts.shown().isEmpty());
    QVERIFY(changed.isEmpty());
    QVERIFY(!QDir(folders.defaultProjectsFolder()).exists());
}

void FoldersTest::missingRootCancelledFallsBackToTheDefault()
{
    ScriptedPrompts prompts;
    Folders& folders = freshFolders();
    const QString expected = KnownFolders::publicDocuments() + QStringLiteral("/Veltrano Projects");
    QCOMPARE(folders.defaultProjectsFolder(), expected);

    QVERIFY(folders.resolveRootDir());
    QCOMPARE(folders.rootDir(), expected);

    QCOMPARE(prompts.shown().size(), 3);
    QCOMPARE(prompts.shown().at(0).message.icon, QMessageBox::Critical);
    QCOMPARE(prompts.shown().at(0).message.text, QStringLiteral("Could not find the projects root directory: ") + expected);
    QCOMPARE(prompts.shown().at(0).message.informativeText, QStringLiteral("Please select a new projects root directory."));
    QCOMPARE(prompts.shown().at(1).files.caption, QStringLiteral("Select Projects Root Directory"));
    QCOMPARE(prompts.shown().at(1).files.directory, expected);
    QCOMPARE(prompts.shown().at(2).message.text,
             QStringLiteral("No projects directory was set. Defaulting to the public documents directory"));
    QVERIFY(QDir(expected).exists());
    QCOMPARE(QSettings().value(SettingsKeys::rootDir).toString(), expected);
}

void FoldersTest::chosenRootThatMayNotBeCreatedChangesNothing()
{
    QTemporaryDir base;
    const QString wanted = base.filePath(QStringLiteral("Solar Jobs/2026"));
    ScriptedPrompts prompts;
    Folders& folders = freshFolders();
    QSignalSpy changed(&folders, &Folders::projectsFolderChanged);

    prompts.answerMessage(QMessageBox::No);
    QVERIFY(!folders.setRootDir(wanted));
    QCOMPARE(prompts.last().message.text,
             QStringLiteral("The path \"%1\" does not exist. Would you like to create it?").arg(wanted));
    QVERIFY(!QDir(wanted).exists());
    QVERIFY(changed.isEmpty());
    QVERIFY(!QSettings().contains(SettingsKeys::rootDir));

    prompts.answerMessage(QMessageBox::Yes);
    QVERIFY(folders.setRootDir(wanted));
    QVERIFY(QDir(wanted).exists());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), wanted);
}

void FoldersTest::rootThatCannotBeCreatedIsReported()
{
    QTemporaryDir base;
    QFile blocker(base.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString impossible = blocker.fileName() + QStringLiteral("/Projects");
    ScriptedPrompts prompts;
    prompts.answerMessage(QMessageBox::Yes);

    QVERIFY(!freshFolders().setRootDir(impossible));
    QCOMPARE(prompts.last().message.icon, QMessageBox::Critical);
    QCOMPARE(prompts.last().message.text, QStringLiteral("Error creating \"%1\"").arg(impossible));
    QVERIFY(!QSettings().contains(SettingsKeys::rootDir));
}

void FoldersTest::dataFolderIsCreatedOnFirstUse()
{
    const QString folder = freshFolders().dataFolder();
    QCOMPARE(folder, KnownFolders::programData() + QStringLiteral("/Torvane/Veltrano"));
    QVERIFY(QDir(folder).exists());
}

VELTRANO_TEST(FoldersTest)
#include "FoldersTest.moc"
