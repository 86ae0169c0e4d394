#include "FirstBlobReader.h"
#include "ReportContainer.h"
#include "TestMain.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
QByteArray textOfSize(int size)
{
    QByteArray text;
    for (int line = 0; text.size() < size; ++line)
        text += "<text id=\"f" + QByteArray::number(line) + "\">value " + QByteArray::number(line * 7) + "</text>\n";
    return text.left(size);
}

QByteArray noise(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 state = 99;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = char(state >> 23);
    }
    return bytes;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Reading
{
    QByteArray blob;
    QList<int> pieceSizes;
    FirstBlobReader::Status last = FirstBlobReader::Status::Piece;
    bool atEndAfterLastPiece = false;
};

Reading readAll(const QString& path)
{
    Reading reading;
    FirstBlobReader reader(path);
    QByteArray piece;
    while ((reading.last = reader.next(piece)) == FirstBlobReader::Status::Piece) {
        reading.blob += piece;
        reading.pieceSizes << piece.size();
        reading.atEndAfterLastPiece = reader.atEnd();
    }
    return reading;
}
} // namespace

class FirstBlobReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheXmlInPiecesAndLeavesThePictures();
    void smallXmlComesInOnePiece();
    void truncatedContainerFailsInsideTheBlob();
    void whatIsNoContainerFailsAtOnce();
    void emptyFirstBlobIsDoneWithoutAPiece();

private:
    QTemporaryDir folder;
};

void FirstBlobReaderTest::readsTheXmlInPiecesAndLeavesThePictures()
{
    const QByteArray xml = textOfSize(150000);
    const QString path = folder.filePath(QStringLiteral("large.arvir"));
    QCOMPARE(ReportContainer::write(path, {{QStringLiteral("xml"), xml}, {QStringLiteral("jpg"), noise(1 << 20)}}),
             ReportContainer::Status::Ok);
    const Reading reading = readAll(path);
    QCOMPARE(reading.last, FirstBlobReader::Status::Done);
    QCOMPARE(reading.blob, xml);
    // The payload starts with 14 bytes of fields: the name's length, "xml" in UTF-16, the
    // data's length. 150,000 bytes then fill 65,536 - 14, 65,536 and the rest.
    QCOMPARE(reading.pieceSizes, (QList<int>{65522, 65536, 18942}));
    QVERIFY(reading.atEndAfterLastPiece);
}

void FirstBlobReaderTest::smallXmlComesInOnePiece()
{
    const QString path = folder.filePath(QStringLiteral("small.arvatr"));
    // Written by hand as the format describes it: a version-7 stream of name and data, compressed.
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(7);
    stream << QStringLiteral("notxml") << QByteArray("<a>b</a>") << QStringLiteral("png") << QByteArray("p");
    QVERIFY(writeBytes(path, qCompress(payload)));
    FirstBlobReader reader(path);
    QByteArray piece;
    QCOMPARE(reader.next(piece), FirstBlobReader::Status::Piece);
    QCOMPARE(piece, QByteArray("<a>b</a>"));
    QVERIFY(reader.atEnd());
    QCOMPARE(reader.next(piece), FirstBlobReader::Status::Done);
    QVERIFY(piece.isEmpty());
}

void FirstBlobReaderTest::truncatedContainerFailsInsideTheBlob()
{
    const QByteArray whole = ReportContainer::encode({{QStringLiteral("xml"), noise(300000)}});
    const QString path = folder.filePath(QStringLiteral("cut.arvir"));
    QVERIFY(writeBytes(path, whole.left(whole.size() / 2)));
    const Reading reading = readAll(path);
    QCOMPARE(reading.last, FirstBlobReader::Status::Failed);
    QVERIFY(reading.blob.size() < 300000);
}

void FirstBlobReaderTest::whatIsNoContainerFailsAtOnce()
{
    const QString garbage = folder.filePath(QStringLiteral("garbage.arvir"));
    QVERIFY(writeBytes(garbage, QByteArray("\x00\x00\x00\x20not zlib at all", 19)));
    const QString fourBytes = folder.filePath(QStringLiteral("four.arvir"));
    QVERIFY(writeBytes(fourBytes, QByteArray("\x00\x00\x00\x00", 4)));
    // Claims one byte more than a report may hold.
    QByteArray oversized = qCompress(QByteArray("x"));
    const quint32 tooLarge = ReportContainer::maximumPayloadSize + 1;
    oversized[0] = char(tooLarge >> 24);
    oversized[1] = char(tooLarge >> 16);
    oversized[2] = char(tooLarge >> 8);
    oversized[3] = char(tooLarge);
    const QString claimsTooMuch = folder.filePath(QStringLiteral("huge.arvir"));
    QVERIFY(writeBytes(claimsTooMuch, oversized));
    const QString pipe = folder.filePath(QStringLiteral("pipe.arvir"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    for (const QString& path : {garbage, fourBytes, claimsTooMuch, pipe, folder.path(),
                                folder.filePath(QStringLiteral("missing.arvir"))}) {
        FirstBlobReader reader(path);
        QByteArray piece;
        QCOMPARE(reader.next(piece), FirstBlobReader::Status::Failed);
        QVERIFY(piece.isEmpty());
    }
}

void FirstBlobReaderTest::emptyFirstBlobIsDoneWithoutAPiece()
{
    const QString path = folder.filePath(QStringLiteral("null.arvir"));
    // A name, then a null byte array: the length 0xFFFFFFFF and no data.
    QByteArray payload("\x00\x00\x00\x06\x00x\x00m\x00l\xFF\xFF\xFF\xFF", 14);
    QVERIFY(writeBytes(path, qCompress(payload)));
    const Reading reading = readAll(path);
    QCOMPARE(reading.last, FirstBlobReader::Status::Done);
    QVERIFY(reading.pieceSizes.isEmpty());
}

VELTRANO_TEST(FirstBlobReaderTest)
#include "FirstBlobReaderTest.moc"
