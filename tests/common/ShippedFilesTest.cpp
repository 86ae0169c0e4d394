#include "ShippedFiles.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ShippedFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void installedProgramReadsFromShareVeltrano();
    void buildTreeProgramReadsBesideItself();
    void onlyAFolderCountsAsAnInstallation();
    void reportNamesEveryPathAndFailsOnOneMissing();
    void checkIsAskedForByTheOptionAlone();
};

void ShippedFilesTest::installedProgramReadsFromShareVeltrano()
{
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath("bin"));
    QVERIFY(QDir(prefix.path()).mkpath("share/veltrano"));
    QCOMPARE(ShippedFiles::folderFor(prefix.path() + "/bin"), prefix.path() + "/share/veltrano");
    // A folder given with a trailing slash or a dot leads to the same place.
    QCOMPARE(ShippedFiles::folderFor(prefix.path() + "/bin/./"), prefix.path() + "/share/veltrano");
}

void ShippedFilesTest::buildTreeProgramReadsBesideItself()
{
    QTemporaryDir build;
    QVERIFY(QDir(build.path()).mkpath("bin/Translations"));
    // share/ alone, without the veltrano folder, belongs to something else.
    QVERIFY(QDir(build.path()).mkpath("share/other"));
    QCOMPARE(ShippedFiles::folderFor(build.path() + "/bin"), build.path() + "/bin");
}

void ShippedFilesTest::onlyAFolderCountsAsAnInstallation()
{
    QTemporaryDir build;
    QVERIFY(QDir(build.path()).mkpath("bin"));
    QVERIFY(QDir(build.path()).mkpath("share"));
    QFile stray(build.path() + "/share/veltrano");
    QVERIFY(stray.open(QIODevice::WriteOnly));
    stray.close();
    QCOMPARE(ShippedFiles::folderFor(build.path() + "/bin"), build.path() + "/bin");
}

void ShippedFilesTest::reportNamesEveryPathAndFailsOnOneMissing()
{
    QTemporaryDir folder;
    const QString present = folder.filePath("modules.db");
    QFile file(present);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString absent = folder.filePath("Help/page.html");

    QString text;
    QTextStream out(&text);
    QCOMPARE(ShippedFiles::report({present}, out), 0);
    QCOMPARE(text, "found: " + present + "\n");

    text.clear();
    QCOMPARE(ShippedFiles::report({present, absent}, out), 1);
    QCOMPARE(text, "found: " + present + "\nmissing: " + absent + "\n");
}

void ShippedFilesTest::checkIsAskedForByTheOptionAlone()
{
    QVERIFY(ShippedFiles::checkRequested({"Veltrano", "--check-installation"}));
    QVERIFY(!ShippedFiles::checkRequested({"Veltrano"}));
    QVERIFY(!ShippedFiles::checkRequested({"Veltrano", "/home/user/report.arvatr"}));
    QVERIFY(!ShippedFiles::checkRequested({"Veltrano", "--check-installation", "more"}));
    QVERIFY(!ShippedFiles::checkRequested({"Veltrano", "--check-installation="}));
}

VELTRANO_TEST(ShippedFilesTest)
#include "ShippedFilesTest.moc"
