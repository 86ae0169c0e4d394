#include "FileWriter.h"
#include "SmallDisk.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}
} // namespace

class FileWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskKeepsTheOldFileAndSaysSo_data();
    void fullDiskKeepsTheOldFileAndSaysSo();
    void writeThatFitsLandsWhole();
    void readOnlyMarkHoldsEvenForTheSuperuser();
    void vanishedFolderIsNamed();
    void copiesAreNewFilesThatFollowTheUmask();
};

void FileWriterTest::fullDiskKeepsTheOldFileAndSaysSo_data()
{
    QTest::addColumn<int>("newSize");
    // Below and above the 16 KB that Qt would otherwise hold back in its own buffer.
    QTest::newRow("small save") << 10 * 1024;
    QTest::newRow("large save") << 200 * 1024;
}

void FileWriterTest::fullDiskKeepsTheOldFileAndSaysSo()
{
    QFETCH(int, newSize);
    SmallDisk disk;
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.reason()));
    const QString path = disk.filePath(QStringLiteral("Array Test Report.arvatr"));
    const QByteArray old(3000, 'o');
    put(path, old);
    QVERIFY(disk.fillLeaving(4096));

    QString failure;
    QVERIFY(!FileWriter::write(path, QByteArray(newSize, 'n'), failure));

    QCOMPARE(contentsOf(path), old);
    QVERIFY2(failure.startsWith(QStringLiteral("The disk is full.")), qPrintable(failure));
    // No half-written temporary file is left behind to fill the disk further.
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files), QStringList {QStringLiteral("Array Test Report.arvatr")});
}

void FileWriterTest::writeThatFitsLandsWhole()
{
    SmallDisk disk;
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.reason()));
    const QString path = disk.filePath(QStringLiteral("diagram.arvid"));
    put(path, "old");
    QVERIFY(disk.fillLeaving(64 * 1024));
    QByteArray contents(20 * 1024, 'x');
    contents.append("end");

    QString failure;
    QVERIFY2(FileWriter::write(path, contents, failure), qPrintable(failure));
    QCOMPARE(contentsOf(path), contents);
}

void FileWriterTest::readOnlyMarkHoldsEvenForTheSuperuser()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("signed.arvvc"));
    put(path, "signed");
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    QString failure;
    QVERIFY(!FileWriter::write(path, "changed", failure));
    QCOMPARE(contentsOf(path), QByteArray("signed"));
    QCOMPARE(failure, QStringLiteral("The file is read-only. Remove its read-only mark, or save under another name."));
}

void FileWriterTest::vanishedFolderIsNamed()
{
    QTemporaryDir folder;
    const QString gone = folder.filePath(QStringLiteral("Miller"));
    QString failure;
    QVERIFY(!FileWriter::write(gone + QStringLiteral("/report.arvir"), "x", failure));
    QVERIFY2(failure.startsWith(QStringLiteral("The folder %1 no longer exists.").arg(gone)), qPrintable(failure));
}

// A copy of a read-only template, or of a file everyone may write, is the user's own new file.
void FileWriterTest::copiesAreNewFilesThatFollowTheUmask()
{
    QTemporaryDir folder;
    const QString readOnly = folder.filePath(QStringLiteral("shipped.arvatr"));
    const QString everyones = folder.filePath(QStringLiteral("shared.arvatr"));
    put(readOnly, "template");
    put(everyones, "favourite");
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(QFile::setPermissions(everyones, QFile::Permissions(0x6666)));
    const QString fromReadOnly = folder.filePath(QStringLiteral("a.arvatr"));
    const QString fromEveryones = folder.filePath(QStringLiteral("b.arvatr"));

    const mode_t before = ::umask(027);
    QString failure;
    const bool copied = FileWriter::copy(readOnly, fromReadOnly, failure) && FileWriter::copy(everyones, fromEveryones, failure);
    ::umask(before);

    QVERIFY2(copied, qPrintable(failure));
    QCOMPARE(contentsOf(fromReadOnly), QByteArray("template"));
    QCOMPARE(contentsOf(fromEveryones), QByteArray("favourite"));
    const QFile::Permissions ownerReadWriteGroupRead
        = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup;
    QCOMPARE(QFile::permissions(fromReadOnly), ownerReadWriteGroupRead);
    QCOMPARE(QFile::permissions(fromEveryones), ownerReadWriteGroupRead);
}

VELTRANO_TEST(FileWriterTest)
#include "FileWriterTest.moc"
