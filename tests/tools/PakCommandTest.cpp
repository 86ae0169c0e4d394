#include "PakCommand.h"
#include "ReportContainer.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Run
{
    int exitCode;
    QString out;
    QString err;
};

Run pak(const QStringList& arguments)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int exitCode = PakCommand(outStream, errStream).run(arguments);
    outStream.flush();
    errStream.flush();
    return {exitCode, out, err};
}

QString writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& contents)
{
    QFile file(folder.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(contents);
    return file.fileName();
}
} // namespace

class PakCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void createListExtractRoundTrip();
    void hostileNamesStayInsideTheTargetFolder();
    void failuresNameTheFile();
    void hostileContainersAreRefusedBeforeAnythingIsWritten();
};

void PakCommandTest::createListExtractRoundTrip()
{
    QTemporaryDir folder;
    const QString xml = writeFile(folder, QStringLiteral("report.xml"), "<document/>\n");
    const QString logo = writeFile(folder, QStringLiteral("logo.svg"), QByteArray(3000, 's'));
    const QString container = folder.filePath(QStringLiteral("default.arvatr"));

    QCOMPARE(pak({QStringLiteral("create"), container, "xml=" + xml, "svg=" + logo}).exitCode, 0);
    const Run listed = pak({QStringLiteral("list"), container});
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.out, QStringLiteral("xml\t12\nsvg\t3000\n"));

    const QString out = folder.filePath(QStringLiteral("out"));
    QCOMPARE(pak({QStringLiteral("extract"), container, out}).exitCode, 0);
    QFile extracted(out + QStringLiteral("/001_svg"));
    QVERIFY(extracted.open(QIODevice::ReadOnly));
    QCOMPARE(extracted.readAll(), QByteArray(3000, 's'));
}

void PakCommandTest::hostileNamesStayInsideTheTargetFolder()
{
    QTemporaryDir folder;
    const QString container = folder.filePath(QStringLiteral("evil.arvir"));
    ReportContainer::write(container, {{QStringLiteral("../../escaped"), "x"}, {QStringLiteral(".."), "y"}});
    const QString out = folder.filePath(QStringLiteral("out"));

    QCOMPARE(pak({QStringLiteral("extract"), container, out}).exitCode, 0);
    QCOMPARE(QDir(out).entryList(QDir::Files), (QStringList{QStringLiteral("000_.._.._escaped"), QStringLiteral("001_blob")}));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("escaped"))));
}

void PakCommandTest::failuresNameTheFile()
{
    QTemporaryDir folder;
    const QString notAContainer = writeFile(folder, QStringLiteral("photo.jpg"), "\xff\xd8\xff\xe0 not a report");
    const Run damaged = pak({QStringLiteral("list"), notAContainer});
    QCOMPARE(damaged.exitCode, 1);
    QVERIFY(damaged.err.contains(notAContainer));

    QCOMPARE(pak({QStringLiteral("create"), folder.filePath(QStringLiteral("x.pak")), QStringLiteral("xml=/nonexistent.xml")}).exitCode, 1);
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("x.pak"))));
    QCOMPARE(pak({QStringLiteral("bogus")}).exitCode, 2);
}

void PakCommandTest::hostileContainersAreRefusedBeforeAnythingIsWritten()
{
    QTemporaryDir folder;
    // A few kilobytes declaring a million empty entries.
    const QString flood = writeFile(folder, QStringLiteral("flood.arvir"), qCompress(QByteArray(8000000, '\0')));
    const QString out = folder.filePath(QStringLiteral("out"));
    const Run extracted = pak({QStringLiteral("extract"), flood, out});
    QCOMPARE(extracted.exitCode, 1);
    QVERIFY(extracted.err.contains(QStringLiteral("holds more than 999 pictures")));
    QVERIFY(!QFileInfo::exists(out));

    const QString deep = writeFile(folder, QStringLiteral("deep.xml"),
                                   "<document>" + QByteArray("<page>").repeated(5000) + "</document>");
    const QString target = folder.filePath(QStringLiteral("deep.arvir"));
    const Run packed = pak({QStringLiteral("create"), target, "xml=" + deep});
    QCOMPARE(packed.exitCode, 1);
    QVERIFY(packed.err.contains(QStringLiteral("nested more than 32 levels deep")));
    const Run device = pak({QStringLiteral("create"), target, QStringLiteral("xml=/dev/zero")});
    QCOMPARE(device.exitCode, 1);
    QVERIFY(device.err.contains(QStringLiteral("not a regular file")));
    QVERIFY(!QFileInfo::exists(target));
}

VELTRANO_TEST(PakCommandTest)
#include "PakCommandTest.moc"
