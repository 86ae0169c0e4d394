#include "CsvLineChecksum.h"
#include "CurveCsvImporter.h"
#include "CurveTreeModel.h"
#include "MeasurementStatus.h"
#include "ScriptedPrompts.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace IVCurve;

namespace {
const QByteArray instrumentLine = "PVT-Logger,23104877,FW 1.07,2\r\n";
const QByteArray header = "Index,DD/MM/YYYY,HH:MM:SS,Irr (W/m2),Tpv (C),FF,IVCurve,StatusCode,Checksum\r\n";
const QString notResults = QStringLiteral(" is not a results file of a PV tester: its second line names no columns of "
                                          "results.");

QByteArray signedLine(const QByteArray& withoutChecksum)
{
    const QString text = QString::fromLatin1(withoutChecksum) + QLatin1Char(',');
    const quint16 sum = CsvLineChecksum::sum(text, text.size(), QLatin1Char(','), QLatin1Char('.'));
    return text.toLatin1() + QByteArray::number(sum, 16) + "\r\n";
}

QByteArray resultLine(int index, const QByteArray& points = "0:8:1000:0,400:0:1000:0")
{
    return signedLine(QByteArray::number(index) + ",07/03/2015,09:05:00,1000,25,0.7," + points + ",0");
}

QByteArray badLine(int index)
{
    return QByteArray::number(index) + ",07/03/2015,09:05:00,1000,25,0.7,0:8:1000:0,0,FFFF\r\n";
}

// Currents from 6 A down to 1 A in the middle and up again, 0.0001 A a step.
QByteArray vShapedPoints(int count)
{
    QByteArray points;
    points.reserve(count * 24);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            points += ',';
        points += QByteArray::number(i * 0.01, 'f', 2) + ':' + QByteArray::number(1.0 + std::abs(i - count / 2) * 0.0001, 'f', 4)
            + ":1000:0";
    }
    return points;
}

struct Import
{
    Import(TestCurveFile& file, const QString& path)
        : tree(file.database())
        , importer(path, file.database(), tree)
    {
        imported = importer.run();
    }

    uint status(int row) const
    {
        const QModelIndex fileIndex = tree.indexFor(importer.fileNode());
        return tree.itemFor(tree.index(row, 0, fileIndex))->value(TreeItem::Status).toUInt();
    }

    CurveTreeModel tree;
    CurveCsvImporter importer;
    bool imported = false;
};
} // namespace

class HostileCurveImportTest : public QObject
{
    Q_OBJECT

private slots:
    void filesWithoutResultsAreRefused_data();
    void filesWithoutResultsAreRefused();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void fileSizeIsBounded_data();
    void fileSizeIsBounded();
    void pointsPerLineAreBounded();
    void longVShapedLineLosesItsDips();
    void checksumFailuresAfterTheFirstAreSummedUp_data();
    void checksumFailuresAfterTheFirstAreSummedUp();

private:
    QString write(const QString& name, const QByteArray& bytes);
    void verifyRefused(TestCurveFile& file, const QString& path, const QString& text);

    QTemporaryDir folder;
};

QString HostileCurveImportTest::write(const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

void HostileCurveImportTest::verifyRefused(TestCurveFile& file, const QString& path, const QString& text)
{
    ScriptedPrompts prompts;
    Import import(file, path);
    QVERIFY(!import.imported);
    QCOMPARE(prompts.messageTexts(), QStringList{text});
    QCOMPARE(import.tree.rowCount(), 0);
    QCOMPARE(file.count("Curves"), 0);
}

void HostileCurveImportTest::filesWithoutResultsAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("cause");
    QByteArray noise(1024 * 1024, Qt::Uninitialized);
    QRandomGenerator random(11);
    for (char& byte : noise)
        byte = char(1 + random.bounded(255));
    QTest::newRow("empty") << QByteArray() << notResults;
    QTest::newRow("instrument line only") << instrumentLine << notResults;
    QTest::newRow("NUL bytes") << QByteArray(4096, '\0') << notResults;
    QTest::newRow("photo") << QByteArray::fromHex("ffd8ffe000104a4649460001010000010001") << notResults;
    QTest::newRow("binary garbage") << noise << notResults;
    QTest::newRow("carriage returns only")
        << QByteArray(instrumentLine + header + resultLine(1)).replace("\r\n", "\r") << notResults;
    QTest::newRow("header only") << QByteArray(instrumentLine + header)
                                 << QStringLiteral(" holds no results: nothing has been imported.");
    QTest::newRow("blank lines after the header")
        << QByteArray(instrumentLine + header + " \r\n\r\n") << QStringLiteral(" holds no results: nothing has been imported.");
}

void HostileCurveImportTest::filesWithoutResultsAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, cause);
    TestCurveFile file;
    const QString path = write(QStringLiteral("bad.csv"), bytes);
    verifyRefused(file, path, QDir::toNativeSeparators(path) + cause);
}

void HostileCurveImportTest::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("link to /dev/zero") << QStringLiteral("zero");
    QTest::newRow("folder") << QStringLiteral("folder");
}

// A FIFO froze the program for good; /dev/zero was read up to 2 GB and then "imported".
void HostileCurveImportTest::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    TestCurveFile file;
    const QString path = folder.filePath(kind + QStringLiteral(".csv"));
    if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("zero"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else
        QVERIFY(QDir(folder.path()).mkdir(kind + QStringLiteral(".csv")));
    verifyRefused(file, path, QDir::toNativeSeparators(path) + QStringLiteral(" cannot be imported: it is not a regular file."));
}

void HostileCurveImportTest::fileSizeIsBounded_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("imports");
    QTest::newRow("16 MB") << 16 * 1024 * 1024 << true;
    QTest::newRow("16 MB and a byte") << 16 * 1024 * 1024 + 1 << false;
}

// The file is padded with one blank line to the size wanted.
void HostileCurveImportTest::fileSizeIsBounded()
{
    QFETCH(int, size);
    QFETCH(bool, imports);
    const QByteArray results = instrumentLine + header + resultLine(1);
    TestCurveFile file;
    const QString path = write(QStringLiteral("large.csv"), results + QByteArray(size - results.size() - 2, ' ') + "\r\n");
    if (!imports) {
        verifyRefused(file, path, QDir::toNativeSeparators(path)
                                      + QStringLiteral(" cannot be imported: it is larger than 16 MB, more than a "
                                                       "tester's memory holds."));
        return;
    }
    ScriptedPrompts prompts;
    Import import(file, path);
    QVERIFY(import.imported);
    QCOMPARE(file.count("Curves"), 1);
}

void HostileCurveImportTest::pointsPerLineAreBounded()
{
    TestCurveFile file;
    const QString path = write(QStringLiteral("long.csv"), instrumentLine + header + resultLine(1, vShapedPoints(100001)));
    verifyRefused(file, path, QStringLiteral("Line 3 of %1 holds more than 100000 points; the file is damaged or is not a "
                                             "results file.")
                                  .arg(QDir::toNativeSeparators(path)));
}

// One point went per pass, over the whole curve each time: 117 s. A symmetric V loses both sides
// of its dip a pass until only its ends are left.
void HostileCurveImportTest::longVShapedLineLosesItsDips()
{
    TestCurveFile file;
    ScriptedPrompts prompts;
    Import import(file, write(QStringLiteral("v.csv"), instrumentLine + header + resultLine(1, vShapedPoints(100000))));
    QVERIFY(import.imported);
    QCOMPARE(file.rows("SELECT CurvePoints FROM Curves"), QStringList{"0.000:6.000:1000.000:0#999.990:6.000:1000.000:0"});
}

void HostileCurveImportTest::checksumFailuresAfterTheFirstAreSummedUp_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("3 failures") << 3 << QStringList{"Checksum failed on line number 5", "Checksum failed on line number 4",
                                                    "Checksum failed on line number 3"};
    QTest::newRow("4 failures") << 4
                                << QStringList{"Checksum failed on line number 6", "Checksum failed on line number 5",
                                               "Checksum failed on line number 4",
                                               "4 lines failed the checksum: 3, 4, 5, 6"};
    QTest::newRow("12 failures") << 12
                                 << QStringList{"Checksum failed on line number 14", "Checksum failed on line number 13",
                                                "Checksum failed on line number 12",
                                                QString::fromUtf8("12 lines failed the checksum: 3, 4, 5, 6, 7, 8, 9, 10, "
                                                                  "11, 12, \u2026")};
}

// 10,000 bad lines brought 10,000 boxes.
void HostileCurveImportTest::checksumFailuresAfterTheFirstAreSummedUp()
{
    QFETCH(int, failures);
    QFETCH(QStringList, messages);
    QByteArray results = instrumentLine + header;
    for (int i = 1; i <= failures; ++i)
        results += badLine(i);
    results += resultLine(failures + 1);
    TestCurveFile file;
    ScriptedPrompts prompts;
    for (int i = 0; i < 3; ++i)
        prompts.answerMessage(QMessageBox::Ok, true);
    Import import(file, write(QStringLiteral("sums.csv"), results));
    QVERIFY(import.imported);
    QCOMPARE(prompts.messageTexts(), messages);
    for (int row = 0; row < failures; ++row)
        QVERIFY(import.status(row) & ChecksumFailed);
    QVERIFY(!(import.status(failures) & ChecksumFailed));
}

VELTRANO_TEST(HostileCurveImportTest)
#include "HostileCurveImportTest.moc"
