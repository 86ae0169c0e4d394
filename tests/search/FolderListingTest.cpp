#include "FolderListing.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QStringList namesOf(const QVector<FolderListing::Item>& items)
{
    QStringList names;
    for (const FolderListing::Item& item : items)
        names << item.name;
    return names;
}

// By the bytes of its name: the toolkit would turn a name that is not UTF-8 into another one.
void writeFile(const QByteArray& path, int size)
{
    const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(file >= 0);
    QCOMPARE(::write(file, QByteArray(size, 'x').constData(), size_t(size)), ssize_t(size));
    ::close(file);
}
} // namespace

class FolderListingTest : public QObject
{
    Q_OBJECT

private slots:
    void listsFilesAndFoldersApartByNameWithoutCase();
    void leavesOutLinksAndPipes();
    void keepsNamesThatAreNotUtf8Apart();
    void missingFolderListsNothing();
};

void FolderListingTest::listsFilesAndFoldersApartByNameWithoutCase()
{
    QTemporaryDir root;
    const QByteArray at = QFile::encodeName(root.path()) + '/';
    for (const char* name : {"b.txt", "B.txt", "a.arvir", ".hidden", "C.jpg"})
        writeFile(at + name, 1);
    for (const char* name : {"Zeta", "alpha", ".cache"})
        QVERIFY(QDir().mkdir(root.filePath(QString::fromLatin1(name))));

    const FolderListing listing(root.path());
    QCOMPARE(namesOf(listing.files()), (QStringList{".hidden", "a.arvir", "B.txt", "b.txt", "C.jpg"}));
    QCOMPARE(namesOf(listing.folders()), (QStringList{".cache", "alpha", "Zeta"}));
    QCOMPARE(listing.folders().at(2).info.filePath(), root.filePath(QStringLiteral("Zeta")));
    QVERIFY(listing.unreadableFiles().isEmpty() && listing.unreadableFolders().isEmpty());
}

// A link to a parent folder would make a walk endless; a pipe would block whoever opens it.
void FolderListingTest::leavesOutLinksAndPipes()
{
    QTemporaryDir root;
    writeFile(QFile::encodeName(root.filePath(QStringLiteral("real.txt"))), 1);
    QVERIFY(QFile::link(root.filePath(QStringLiteral("real.txt")), root.filePath(QStringLiteral("link.txt"))));
    QVERIFY(QFile::link(root.path(), root.filePath(QStringLiteral("loop"))));
    QVERIFY(QFile::link(root.filePath(QStringLiteral("gone")), root.filePath(QStringLiteral("dangling"))));
    QCOMPARE(::mkfifo(QFile::encodeName(root.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);

    const FolderListing listing(root.path());
    QCOMPARE(namesOf(listing.files()), QStringList{"real.txt"});
    QVERIFY(listing.folders().isEmpty());
}

void FolderListingTest::keepsNamesThatAreNotUtf8Apart()
{
    QTemporaryDir root;
    const QByteArray at = QFile::encodeName(root.path()) + '/';
    writeFile(at + "Bericht M\xfcller.txt", 1025);
    QCOMPARE(::mkdir((at + "Stra\xdf" "e").constData(), 0755), 0);
    writeFile(at + "M\xc3\xbcller.txt", 1);

    const FolderListing listing(root.path());
    QCOMPARE(namesOf(listing.files()), QStringList{QString::fromUtf8("M\xc3\xbcller.txt")});
    QCOMPARE(listing.unreadableFiles().size(), 1);
    const FoundEntry file = listing.unreadableFiles().first();
    QCOMPARE(file.path, root.path() + "/Bericht M" + QChar(QChar::ReplacementCharacter) + "ller.txt");
    QCOMPARE(file.size, qint64(1025));
    QVERIFY(!file.nameReadable && !file.folder);
    QCOMPARE(listing.unreadableFolders().size(), 1);
    QVERIFY(listing.unreadableFolders().first().folder);
    QVERIFY(listing.folders().isEmpty());
}

void FolderListingTest::missingFolderListsNothing()
{
    const FolderListing listing(QStringLiteral("/nonexistent/folder"));
    QVERIFY(listing.files().isEmpty() && listing.folders().isEmpty() && listing.unreadableFiles().isEmpty());
}

VELTRANO_TEST(FolderListingTest)
#include "FolderListingTest.moc"
