#include "ReportContainer.h"
#include "SmallDisk.h"
#include "TestMain.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

Q_DECLARE_METATYPE(ReportContainer::Status)

namespace {
// Builds a container the way any other program following the format would: a data stream of
// version 7, framed by qCompress.
QByteArray foreignContainer(const QList<QPair<QString, QByteArray>>& pairs)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_3);
    for (const auto& pair : pairs)
        stream << pair.first << pair.second;
    return qCompress(payload, -1);
}

QByteArray bigEndianLength(quint32 length)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(length, bytes.data());
    return bytes;
}
} // namespace

class ReportContainerTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsEveryByteAndTheOrder();
    void readsWhatAnotherWriterProduced();
    void readsAndWritesTheBytesOfEarlierVersions();
    void packsExactlyAsTheStreamFormatDefines();
    void fieldLengthMayReachTheEndOfThePayloadButNotPassIt();
    void firstBlobIsTheXmlWhateverItsName();
    void rejectsDamagedContainers_data();
    void rejectsDamagedContainers();
    void missingFileCannotBeOpened();
    void failedWriteKeepsTheOldFile();
    void fullDiskKeepsTheOldFileAndSaysWhy();
};

void ReportContainerTest::roundTripKeepsEveryByteAndTheOrder()
{
    QTemporaryDir folder;
    QByteArray picture(70000, '\0');
    for (int i = 0; i < picture.size(); ++i)
        picture[i] = char(i * 7919 % 251);
    BlobList written;
    QCOMPARE(ReportContainer::append(written, QStringLiteral("xml"), "<document/>\r\n"), 0);
    QCOMPARE(ReportContainer::append(written, QStringLiteral("svg"), picture), 1);
    QCOMPARE(ReportContainer::append(written, QStringLiteral("jpgé€"), QByteArray()), 2);
    const QString path = folder.filePath(QStringLiteral("Prüfbericht.arvatr"));
    QCOMPARE(ReportContainer::write(path, written), ReportContainer::Status::Ok);

    BlobList read;
    QCOMPARE(ReportContainer::read(path, read), ReportContainer::Status::Ok);
    QCOMPARE(read.size(), 3);
    for (int i = 0; i < read.size(); ++i) {
        QCOMPARE(read.at(i).name, written.at(i).name);
        QCOMPARE(read.at(i).data, written.at(i).data);
    }

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.mid(4, 2), QByteArray("\x78\x9c"));
    QCOMPARE(ReportContainer::encode(read), bytes);
}

void ReportContainerTest::readsWhatAnotherWriterProduced()
{
    const QByteArray xml = "<document resPak=\"arvatr_rev3.pak\"/>";
    BlobList blobs;
    QCOMPARE(ReportContainer::decode(foreignContainer({{QStringLiteral("xml"), xml}}), blobs),
             ReportContainer::Status::Ok);
    QCOMPARE(blobs.size(), 1);
    QCOMPARE(blobs.first().data, xml);
}

// Saved by an earlier version of the program; the payload also checked by hand: ("xml", 57 bytes
// of XML with CR LF and UTF-8 umlauts), ("svg", "<svg/>"), ("jpg\u00e9", empty), 121 bytes.
void ReportContainerTest::readsAndWritesTheBytesOfEarlierVersions()
{
    const QByteArray saved(
        "\x00\x00\x00\x79\x78\x9c\x63\x60\x60\x60\x63\xa8\x60\xc8\x65\xc8\x61\x60\x60\x70\xb7\x49\xc9\x4f"
        "\x2e\xcd\x4d\xcd\x2b\xb1\xe3\xe5\x52\x50\xb0\x29\x49\xad\x28\x51\xc8\x4c\xb1\x55\xca\xcb\x2f\x49"
        "\x2d\x56\xb2\xf3\x3d\xbc\x27\x27\x27\xb5\x48\x47\x21\xb8\xa4\x28\xf1\xf0\xfc\x54\x05\x73\x1b\x7d"
        "\x90\x1a\xa0\x6a\x1b\x7d\x24\xad\x0c\x20\x43\x8b\x19\xca\x18\xd2\x41\x2c\x9b\xe2\xb2\x74\x7d\x3b"
        "\x20\x8b\x83\x21\x8b\xa1\x00\x28\xf6\x12\xc8\x66\x00\x00\xee\x27\x1f\x4f",
        114);
    const QByteArray xml = "<document>\r\n  <text id=\"notes\">M\xc3\xbcller, Stra\xc3\x9f" "e 7</text>\r\n</document>\r\n";
    BlobList blobs;
    QCOMPARE(ReportContainer::decode(saved, blobs), ReportContainer::Status::Ok);
    QCOMPARE(blobs.size(), 3);
    QCOMPARE(blobs.at(0).name, QStringLiteral("xml"));
    QCOMPARE(blobs.at(0).data, xml);
    QCOMPARE(blobs.at(1).name, QStringLiteral("svg"));
    QCOMPARE(blobs.at(1).data, QByteArray("<svg/>"));
    QCOMPARE(blobs.at(2).name, QString::fromUtf8("jpg\xc3\xa9"));
    QVERIFY(blobs.at(2).data.isEmpty());

    QCOMPARE(ReportContainer::encode(blobs), saved);
}

// Large pictures pass zlib in many pieces; the file must not depend on how they were cut.
void ReportContainerTest::packsExactlyAsTheStreamFormatDefines()
{
    QByteArray photo(3 * 1024 * 1024 + 17, Qt::Uninitialized);
    quint32 state = 99;
    for (char& byte : photo) {
        state = state * 1103515245u + 12345u;
        byte = char(state >> 23);
    }
    QByteArray xml;
    for (int i = 0; i < 40000; ++i)
        xml += "  <text id=\"f" + QByteArray::number(i) + "\">value " + QByteArray::number(i % 97) + "</text>\r\n";
    const QList<QPair<QString, QByteArray>> pairs{{QStringLiteral("xml"), xml},
                                                  {QStringLiteral("jpg"), photo},
                                                  {QString(), QByteArray("svg without a name")},
                                                  {QStringLiteral("png"), QByteArray()},
                                                  {QStringLiteral("x\u20ac"), QByteArray(70000, 'a')}};
    BlobList blobs;
    for (const auto& pair : pairs)
        ReportContainer::append(blobs, pair.first, pair.second);
    QCOMPARE(ReportContainer::encode(blobs), foreignContainer(pairs));
    QCOMPARE(ReportContainer::encode({}), QByteArray(4, '\0'));
}

void ReportContainerTest::fieldLengthMayReachTheEndOfThePayloadButNotPassIt()
{
    const QByteArray name = bigEndianLength(6) + QByteArray("\0x\0m\0l", 6);
    BlobList blobs;
    QCOMPARE(ReportContainer::decode(qCompress(name + bigEndianLength(3) + "abc"), blobs), ReportContainer::Status::Ok);
    QCOMPARE(blobs.first().data, QByteArray("abc"));
    QCOMPARE(ReportContainer::decode(qCompress(name + bigEndianLength(4) + "abc"), blobs),
             ReportContainer::Status::Damaged);
    QCOMPARE(ReportContainer::decode(qCompress(name + bigEndianLength(3) + "abcd"), blobs),
             ReportContainer::Status::Damaged);
}

void ReportContainerTest::firstBlobIsTheXmlWhateverItsName()
{
    BlobList blobs;
    const QByteArray file = foreignContainer({{QStringLiteral("png"), "picture"}, {QString(), "xml"}});
    QCOMPARE(ReportContainer::decode(file, blobs), ReportContainer::Status::Ok);
    QCOMPARE(blobs.first().name, QStringLiteral("png"));
    QVERIFY(blobs.at(1).name.isNull());
}

void ReportContainerTest::rejectsDamagedContainers_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<ReportContainer::Status>("expected");

    const QByteArray good = foreignContainer({{QStringLiteral("xml"), QByteArray(5000, 'x')}});
    QTest::newRow("empty file") << QByteArray() << ReportContainer::Status::Damaged;
    QTest::newRow("length zero only") << bigEndianLength(0) << ReportContainer::Status::Empty;
    QTest::newRow("truncated stream") << good.left(good.size() / 2) << ReportContainer::Status::Damaged;
    QByteArray noise(300000, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 2654435761u) >> 13);
    const QByteArray incompressible = foreignContainer({{QStringLiteral("jpg"), noise}});
    QTest::newRow("truncated incompressible stream")
        << incompressible.left(incompressible.size() - 100) << ReportContainer::Status::Damaged;
    QByteArray wrongLength = good;
    qToBigEndian(quint32(100), wrongLength.data());
    QTest::newRow("length field too small") << wrongLength << ReportContainer::Status::Damaged;
    QTest::newRow("garbage after length") << bigEndianLength(100) + QByteArray(50, '\x55')
                                          << ReportContainer::Status::Damaged;
    QTest::newRow("claims 4 GiB") << bigEndianLength(0xFFFFFFF0u) + good.mid(4)
                                  << ReportContainer::Status::Damaged;
    QTest::newRow("claims 300 MiB") << bigEndianLength(300u << 20) + QByteArray(400000, 'a')
                                    << ReportContainer::Status::Damaged;

    QByteArray cutPayload;
    QDataStream stream(&cutPayload, QIODevice::WriteOnly);
    stream << QStringLiteral("xml") << QByteArray(100, 'x');
    QTest::newRow("pair cut short") << qCompress(cutPayload.left(cutPayload.size() - 10))
                                    << ReportContainer::Status::Damaged;
    QTest::newRow("name without data") << qCompress(cutPayload.left(10)) << ReportContainer::Status::Damaged;
    QTest::newRow("length beyond payload")
        << qCompress(bigEndianLength(6) + QByteArray("\0x\0m\0l", 6) + bigEndianLength(0x7FFFFFFF))
        << ReportContainer::Status::Damaged;
}

void ReportContainerTest::rejectsDamagedContainers()
{
    QFETCH(QByteArray, contents);
    QFETCH(ReportContainer::Status, expected);
    BlobList blobs{{QStringLiteral("stale"), "left over"}};
    QCOMPARE(ReportContainer::decode(contents, blobs), expected);
    QVERIFY(blobs.isEmpty());
}

void ReportContainerTest::missingFileCannotBeOpened()
{
    BlobList blobs;
    QCOMPARE(ReportContainer::read(QStringLiteral("/nonexistent/report.arvir"), blobs),
             ReportContainer::Status::CannotOpen);
    QVERIFY(ReportContainer::describe(ReportContainer::Status::CannotOpen, QStringLiteral("/x/r.arvir"))
                .contains(QStringLiteral("/x/r.arvir")));
}

void ReportContainerTest::failedWriteKeepsTheOldFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.arvir"));
    BlobList original{{QStringLiteral("xml"), "<old/>"}};
    QCOMPARE(ReportContainer::write(path, original), ReportContainer::Status::Ok);
    QFile(folder.path()).setPermissions(QFile::ReadOwner | QFile::ExeOwner);

    const bool runningAsRoot = QFileInfo(folder.path()).isWritable();
    if (!runningAsRoot)
        QVERIFY(ReportContainer::write(path, {{QStringLiteral("xml"), "<new/>"}})
                != ReportContainer::Status::Ok);
    QCOMPARE(ReportContainer::write(QStringLiteral("/nonexistent/folder/report.arvir"), original),
             ReportContainer::Status::CannotWrite);
    QFile(folder.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    BlobList read;
    QCOMPARE(ReportContainer::read(path, read), ReportContainer::Status::Ok);
    QCOMPARE(read.first().data, QByteArray("<old/>"));
}

// The small save is the one that went wrong: it fits in the toolkit's own write buffer.
void ReportContainerTest::fullDiskKeepsTheOldFileAndSaysWhy()
{
    SmallDisk disk;
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.reason()));
    const QString path = disk.filePath(QStringLiteral("Inspection Report.arvir"));
    const BlobList original {{QStringLiteral("xml"), "<old/>"}};
    QCOMPARE(ReportContainer::write(path, original), ReportContainer::Status::Ok);
    QVERIFY(disk.fillLeaving(0));
    QByteArray photo(12 * 1024, Qt::Uninitialized);
    for (int i = 0; i < photo.size(); ++i)
        photo[i] = char((i * 7919) >> 3);

    QString failure;
    QCOMPARE(ReportContainer::write(path, {{QStringLiteral("xml"), "<new/>"}, {QStringLiteral("png"), photo}}, &failure),
             ReportContainer::Status::CannotWrite);

    QVERIFY2(failure.startsWith(QStringLiteral("The disk is full.")), qPrintable(failure));
    BlobList read;
    QCOMPARE(ReportContainer::read(path, read), ReportContainer::Status::Ok);
    QCOMPARE(read.first().data, QByteArray("<old/>"));
}

VELTRANO_TEST(ReportContainerTest)
#include "ReportContainerTest.moc"
