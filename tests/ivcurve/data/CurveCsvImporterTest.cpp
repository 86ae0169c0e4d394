#include "CsvLineChecksum.h"
#include "CurveCsvImporter.h"
#include "CurveCsvRow.h"
#include "CurveDatabase.h"
#include "CurveTreeModel.h"
#include "MeasurementStatus.h"
#include "ScriptedPrompts.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QColor>
#include <QCryptographicHash>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using IVCurve::CsvLineChecksum;
using IVCurve::CurveCsvImporter;
using IVCurve::CurveCsvRow;
using IVCurve::CurveTreeModel;
using IVCurve::TreeItem;

namespace {
const QByteArray instrumentLine = "PVT-Logger,23104877,FW 1.07,1\r\n";
const QByteArray header = "Index,DD/MM/YYYY,HH:MM:SS,Irr (W/m2),Tpv (C),FF,IVCurve,StatusCode,Checksum\r\n";

QString samplePath(const QString& name)
{
    return QStringLiteral(TEST_DATA_DIR "/") + name;
}

// A result line with the checksum that the tester would have written.
QByteArray signedLine(const QByteArray& withoutChecksum)
{
    const QString text = QString::fromLatin1(withoutChecksum) + QLatin1Char(',');
    const quint16 sum = CsvLineChecksum::sum(text, text.size(), QLatin1Char(','), QLatin1Char('.'));
    return text.toLatin1() + QByteArray::number(sum, 16).toUpper() + "\r\n";
}

struct Import
{
    Import(TestCurveFile& file, const QString& path)
        : tree(file.database())
        , importer(path, file.database(), tree)
    {
        imported = importer.run();
    }

    QModelIndex fileIndex() const { return tree.indexFor(importer.fileNode()); }

    QStringList children() const
    {
        QStringList names;
        for (int row = 0; row < tree.rowCount(fileIndex()); ++row)
            names << tree.index(row, 0, fileIndex()).data().toString();
        return names;
    }

    uint status(int row) const
    {
        return tree.itemFor(tree.index(row, 0, fileIndex()))->value(TreeItem::Status).toUInt();
    }

    CurveTreeModel tree;
    CurveCsvImporter importer;
    bool imported = false;
};

QString writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}
} // namespace

class CurveCsvImporterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void checksumReadsHexInEitherCase_data();
    void checksumReadsHexInEitherCase();
    void decimalCommaLineSumsAsTheTesterWroteIt();
    void testDateFormats_data();
    void testDateFormats();
    void importsTheResultsFileInFileOrder();
    void storesTheRowsOfTheCurveFile();
    void badChecksumsAreShownAndMarked();
    void testersLowStatusBitIsNoChecksumFailure();
    void untickingStopsTheChecksumBoxes();
    void spreadsheetMarkSkipsTheChecksum();
    void decimalCommaFileReadsUnderItsLocale();
    void decimalPointFileReadsInADecimalCommaSession();
    void irradianceSpreadOverTenPercent_data();
    void irradianceSpreadOverTenPercent();
    void unreadablePointsAreLeftOut();
    void pointsWithoutIrradianceAreKept();
    void currentDipsGoFromFormatTwoOn();
    void storedPointsOfTheSamplesStayTheSame_data();
    void storedPointsOfTheSamplesStayTheSame();
    void equalCurrentsCountAsADip_data();
    void equalCurrentsCountAsADip();
    void badFilesGiveWhatCouldBeRead_data();
    void badFilesGiveWhatCouldBeRead();
    void unopenableFileChangesNothing();
    void failedInsertLeavesFileAndTreeAsTheyWere();
    void shippedTemplateKeepsImportsAcrossReopening();
    void importedCurvesNeverLackTheirNodes();

private:
    QTemporaryDir folder;
};

void CurveCsvImporterTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
}

void CurveCsvImporterTest::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void CurveCsvImporterTest::cleanup()
{
    QLocale::setDefault(QLocale::system());
}

void CurveCsvImporterTest::checksumReadsHexInEitherCase_data()
{
    // 1 + 'A' + 21 * 'z' + 'L' + ',' = 0x0ABC
    const QString sums = "A" + QString(21, 'z') + "L,";
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("valid");
    QTest::newRow("lower case") << sums + "abc" << true;
    QTest::newRow("upper case") << sums + "ABC" << true;
    QTest::newRow("leading zero") << sums + "0ABC" << true;
    QTest::newRow("one off") << sums + "ABD" << false;
    QTest::newRow("not hexadecimal") << sums + "XYZ" << false;
    QTest::newRow("empty field") << sums << false;
    QTest::newRow("no separator") << "ABC" << false;
}

void CurveCsvImporterTest::checksumReadsHexInEitherCase()
{
    QFETCH(QString, line);
    QFETCH(bool, valid);
    QCOMPARE(CsvLineChecksum::isValid(line, ',', '.'), valid);
}

void CurveCsvImporterTest::decimalCommaLineSumsAsTheTesterWroteIt()
{
    const QString tester = "1,16,349.4,0.00:6.497:690:0,";
    const QString rewritten = "1;16;349,4;0,00:6,497:690:0;";
    QCOMPARE(CsvLineChecksum::sum(rewritten, rewritten.size(), ';', ','),
             CsvLineChecksum::sum(tester, tester.size(), ',', '.'));
    QVERIFY(CsvLineChecksum::sum(rewritten, rewritten.size(), ',', '.')
            != CsvLineChecksum::sum(tester, tester.size(), ',', '.'));
}

void CurveCsvImporterTest::testDateFormats_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("iso");
    QTest::newRow("short digits") << "7/3/2015" << "9:05:00" << "2015-03-07T09:05:00";
    QTest::newRow("two digits") << "07/03/2015" << "19:05:09" << "2015-03-07T19:05:09";
    QTest::newRow("dots") << "07.03.2015" << "" << "2015-03-07";
    QTest::newRow("commas") << "07,03,2015" << "garbage" << "2015-03-07";
    QTest::newRow("time only") << "31/02/2015" << "09:05:00" << "T09:05:00";
    QTest::newRow("neither") << "" << "" << "";
}

void CurveCsvImporterTest::testDateFormats()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, iso);
    QCOMPARE(CurveCsvRow::isoTestDate(date, time), iso);
}

void CurveCsvImporterTest::importsTheResultsFileInFileOrder()
{
    TestCurveFile file;
    ScriptedPrompts prompts;
    Import import(file, samplePath("results-point.csv"));
    QVERIFY(import.imported);
    QVERIFY(prompts.shown().isEmpty());
    QCOMPARE(import.tree.rowCount(), 1);
    QCOMPARE(import.fileIndex().data().toString(), QStringLiteral("results-point.csv"));
    QCOMPARE(import.children(), (QStringList{"String 1", "String 2", "String 3", "String 4", "String 5", "String 6"}));
    QCOMPARE(import.importer.curveIds(), (QVector<int>{6, 5, 4, 3, 2, 1}));
    const QModelIndex first = import.tree.index(0, 0, import.fileIndex());
    QCOMPARE(first.sibling(0, 1).data().toInt(), 1);
    QCOMPARE(first.sibling(0, 2).data().toString(), QStringLiteral("03/07/2026 09:00:00"));
    QCOMPARE(first.sibling(0, 3).data().toString(), QStringLiteral("697"));
    QCOMPARE(first.sibling(0, 4).data().toString(), QStringLiteral("51.2"));
    QCOMPARE(first.sibling(0, 5).data().toString(), QStringLiteral("0.77"));
    QCOMPARE(import.status(2), uint(IVCurve::NoIrradiance | IVCurve::NoCellTemperature));
    // Imported strings have no module yet: their STC values are estimates until one is assigned.
    QCOMPARE(import.tree.index(1, 0, import.fileIndex()).data(Qt::ToolTipRole).toString(),
             QStringLiteral("String 2\napproximate: no module assigned"));
    QVERIFY(first.data(Qt::DecorationRole).isValid());
}

void CurveCsvImporterTest::storesTheRowsOfTheCurveFile()
{
    TestCurveFile file;
    ScriptedPrompts prompts;
    {
        Import import(file, samplePath("results-point.csv"));
        QVERIFY(import.tree.save());
    }
    QCOMPARE(file.rows("SELECT CurveID, MemLocation, TestDate, TesterSerNo, Irradiance, CellTemp, Riso, Viso, FF, "
                       "FileVersion FROM Curves WHERE MemLocation IN (1, 3) ORDER BY MemLocation"),
             (QStringList{"6|1|2026-07-03T09:00:00|23104877|697|51.2|||0.77|2",
                          "4|3|2026-07-05T09:02:14|23104877|||631.7|1000||2"}));
    QCOMPARE(file.rows("SELECT typeof(Irradiance), typeof(Riso) FROM Curves WHERE MemLocation = 1"),
             QStringList{"real|text"});
    QCOMPARE(file.rows("SELECT NodeID, ParentNodeID, ParentRow, NodeDesc, CurveID, Status FROM TreeNodes "
                       "ORDER BY NodeID LIMIT 3"),
             (QStringList{"1|NULL|0|results-point.csv|NULL|NULL", "2|1|5|String 6|1|0",
                          "3|1|4|String 5|2|201326592"}));
    QCOMPARE(file.rows("SELECT CurvePoints = '' FROM Curves WHERE MemLocation = 3"), QStringList{"1"});
    QVERIFY(file.rows("SELECT CurvePoints FROM Curves WHERE MemLocation = 1").first().startsWith("0.000:6.497:690.000:0#"));
}

void CurveCsvImporterTest::badChecksumsAreShownAndMarked()
{
    TestCurveFile file;
    ScriptedPrompts prompts;
    Import import(file, samplePath("results-badsum.csv"));
    QVERIFY(import.imported);
    QCOMPARE(prompts.messageTexts(), (QStringList{"Checksum failed on line number 11", "Checksum failed on line number 8",
                                                  "Checksum failed on line number 5"}));
    const MessageRequest& box = prompts.last().message;
    QCOMPARE(box.title, QStringLiteral("Arventa"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.checkBoxText, QStringLiteral("Continue showing errors during this import"));
    QVERIFY(box.checkBoxChecked);
    QCOMPARE(import.tree.rowCount(import.fileIndex()), 9);
    // The first result carries the tester's status 3, whose low bit is the same.
    for (int row = 1; row < 9; ++row)
        QCOMPARE(bool(import.status(row) & IVCurve::ChecksumFailed), row % 3 == 2);
    const QString tip = import.tree.index(2, 0, import.fileIndex()).data(Qt::ToolTipRole).toString();
    QVERIFY(tip.startsWith("Invalid checksum."));
}

// The first line of the sample carries the tester's status 3 and a correct checksum (0xF2C1).
void CurveCsvImporterTest::testersLowStatusBitIsNoChecksumFailure()
{
    TestCurveFile file;
    ScriptedPrompts prompts;
    Import sample(file, samplePath("results-point.csv"));
    QCOMPARE(sample.status(0), 0x10000003u);
    const QModelIndex first = sample.tree.index(0, 0, sample.fileIndex());
    QVERIFY(!first.data(Qt::ForegroundRole).isValid());
    QCOMPARE(first.data(Qt::ToolTipRole).toString().split('\n').mid(0, 2),
             (QStringList{"String 1", "Status code of the test instrument: 3"}));

    const QByteArray good = signedLine("1,07/03/2015,09:05:00,800,40,0.7,0:8:800:0,1:0:800:0,3");
    const QByteArray bad = QByteArray(good).replace("0.7", "0.8");
    const QByteArray padded = QByteArray(good).replace("\r\n", ",,\r\n");
    Import lines(file, writeFile(folder, "status3.csv", instrumentLine + header + good + bad));
    QCOMPARE(lines.status(0), 0x10000003u);
    QCOMPARE(lines.status(1), 3u);
    const QModelIndex failed = lines.tree.index(1, 0, lines.fileIndex());
    QCOMPARE(failed.data(Qt::ForegroundRole), QVariant(QColor(Qt::red)));
    QVERIFY(failed.data(Qt::ToolTipRole).toString().startsWith("Invalid checksum."));
    QVERIFY(!failed.data(Qt::ToolTipRole).toString().contains("Status code"));
    // A spreadsheet's file is not checked at all: its bit 0x1 can only be the tester's.
    Import spreadsheet(file, writeFile(folder, "padded3.csv", instrumentLine + header + padded));
    QCOMPARE(spreadsheet.status(0), 0x10000043u);
    QCOMPARE(spreadsheet.tree.index(0, 0, spreadsheet.fileIndex()).data(Qt::ForegroundRole),
             QVariant(QColor(Qt::darkGreen)));
}

void CurveCsvImporterTest::untickingStopsTheChecksumBoxes()
{
    TestCurveFile file;
    ScriptedPrompts prompts;
    prompts.answerMessage(QMessageBox::Ok, false);
    Import import(file, samplePath("results-badsum.csv"));
    QVERIFY(import.imported);
    QCOMPARE(prompts.messageTexts(), QStringList{"Checksum failed on line number 11"});
    QVERIFY(import.status(2) & IVCurve::ChecksumFailed);
    QVERIFY(import.status(5) & IVCurve::ChecksumFailed);
    QVERIFY(import.status(8) & IVCurve::ChecksumFailed);
    QVERIFY(!(import.status(7) & IVCurve::ChecksumFailed));
    // The choice lasts for one import only.
    Import again(file, samplePath("results-badsum.csv"));
    QCOMPARE(prompts.messageTexts().size(), 4);
}

void CurveCsvImporterTest::spreadsheetMarkSkipsTheChecksum()
{
    TestCurveFile file;
    ScriptedPrompts prompts;
    const QByteArray padded = QByteArray(instrumentLine).replace("\r\n", ",,\r\n") + header
        + "1,07/03/2015,09:05:00,800,40,0.7,0:8:800:0,1:0:800:0,0,BADC,,,\r\n";
    Import import(file, writeFile(folder, "padded.csv", padded));
    QVERIFY(prompts.shown().isEmpty());
    QCOMPARE(import.status(0), uint(IVCurve::SpreadsheetModified));
    const QModelIndex node = import.tree.index(0, 0, import.fileIndex());
    QCOMPARE(node.data(Qt::ToolTipRole).toString(),
             QStringLiteral("Checksum ignored. Spreadsheet data modification was detected\n"
                            "approximate: no module assigned"));
    QCOMPARE(node.data(Qt::ForegroundRole), QVariant(QColor(Qt::darkGreen)));
    Import sample(file, samplePath("results-spreadsheet.csv"));
    QVERIFY(prompts.shown().isEmpty());
    QCOMPARE(sample.tree.rowCount(sample.fileIndex()), 6);
    for (int row = 0; row < 6; ++row)
        QVERIFY(sample.status(row) & IVCurve::SpreadsheetModified);
}

void CurveCsvImporterTest::decimalCommaFileReadsUnderItsLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TestCurveFile file;
    ScriptedPrompts prompts;
    {
        Import import(file, samplePath("results-comma.csv"));
        QVERIFY(prompts.shown().isEmpty());
        QCOMPARE(import.children().size(), 6);
        QCOMPARE(import.tree.index(0, 4, import.fileIndex()).data().toString(), QStringLiteral("51,2"));
        QVERIFY(import.tree.save());
    }
    QCOMPARE(file.rows("SELECT Voc, CellTemp, substr(CurvePoints, 1, 22) FROM Curves WHERE MemLocation = 1"),
             QStringList{"349.4|51.2|0.000:6.497:690.000:0#"});
}

// A tester file saved on an English machine and imported in a German session: the header tells
// the separator, the checksums hold, and the readings come out in the session's decimal mark.
void CurveCsvImporterTest::decimalPointFileReadsInADecimalCommaSession()
{
    const auto importSample = [](const QLocale& locale, QStringList& statuses, QStringList& cellTemperatures) {
        QLocale::setDefault(locale);
        TestCurveFile file;
        ScriptedPrompts prompts;
        Import import(file, samplePath("results-point.csv"));
        QVERIFY(prompts.shown().isEmpty());
        for (int row = 0; row < import.tree.rowCount(import.fileIndex()); ++row) {
            statuses << QString::number(import.status(row), 16);
            cellTemperatures << import.tree.index(row, 4, import.fileIndex()).data().toString();
        }
    };
    QStringList englishStatuses, englishTemperatures, germanStatuses, germanTemperatures;
    importSample(QLocale(QLocale::English, QLocale::UnitedKingdom), englishStatuses, englishTemperatures);
    importSample(QLocale(QLocale::German, QLocale::Germany), germanStatuses, germanTemperatures);
    QCOMPARE(germanStatuses.size(), 6);
    QCOMPARE(germanStatuses, englishStatuses);
    QCOMPARE(germanTemperatures.first(), QStringLiteral("51,2"));
    QCOMPARE(germanTemperatures.join('|'), englishTemperatures.join('|').replace('.', ','));
}

void CurveCsvImporterTest::irradianceSpreadOverTenPercent_data()
{
    QTest::addColumn<QByteArray>("points");
    QTest::addColumn<bool>("spread");
    QTest::newRow("850 to 1000") << QByteArray("0:8:1000:0,100:7:850:0,200:0:900:0") << true;
    QTest::newRow("901 to 1000") << QByteArray("0:8:1000:0,100:7:901:0,200:0:950:0") << false;
    QTest::newRow("zero does not count") << QByteArray("0:8:1000:0,100:7:0:0,200:0:950:0") << false;
    QTest::newRow("no point irradiance") << QByteArray("0:8,100:7,200:0") << false;
}

void CurveCsvImporterTest::irradianceSpreadOverTenPercent()
{
    QFETCH(QByteArray, points);
    QFETCH(bool, spread);
    TestCurveFile file;
    ScriptedPrompts prompts;
    const QByteArray bytes = instrumentLine + header + signedLine("1,07/03/2015,09:05:00,800,40,0.7," + points + ",0");
    Import import(file, writeFile(folder, "spread.csv", bytes));
    QVERIFY(prompts.shown().isEmpty());
    QCOMPARE(import.status(0), spread ? uint(IVCurve::IrradianceSpread) : 0u);
}

void CurveCsvImporterTest::unreadablePointsAreLeftOut()
{
    TestCurveFile file;
    ScriptedPrompts prompts;
    const QByteArray bytes = instrumentLine + header
        + signedLine("1,07/03/2015,09:05:00,800,40,0.7,5,1:2:3:4:5,2:x,3:7.5:800,4:6:800:1,,5:0:0:0:,0");
    Import import(file, writeFile(folder, "points.csv", bytes));
    QVERIFY(import.tree.save());
    QCOMPARE(file.rows("SELECT CurvePoints FROM Curves"),
             QStringList{"1.000:2.000:3.000:4#3.000:7.500:800.000:0#4.000:6.000:800.000:1"});
}

// Older testers write "V:I" alone: the points are kept, with no irradiance and no tag.
void CurveCsvImporterTest::pointsWithoutIrradianceAreKept()
{
    TestCurveFile file;
    ScriptedPrompts prompts;
    const QByteArray bytes =
        instrumentLine + header + signedLine("1,07/03/2015,09:05:00,800,40,0.7,0:8.25,150.5:7.5,300:0,0");
    Import import(file, writeFile(folder, "plain.csv", bytes));
    QVERIFY(import.tree.save());
    QVERIFY(prompts.shown().isEmpty());
    QCOMPARE(file.rows("SELECT CurvePoints FROM Curves"),
             QStringList{"0.000:8.250:0.000:0#150.500:7.500:0.000:0#300.000:0.000:0.000:0"});
}

void CurveCsvImporterTest::currentDipsGoFromFormatTwoOn()
{
    TestCurveFile file;
    ScriptedPrompts prompts;
    // At 1000 W/m² and 25 °C the converted curve is the measured one.
    const QByteArray line = signedLine("1,07/03/2015,09:05:00,1000,25,0.7,0:8:1000:0,100:7.9:1000:0,200:7.5:1000:0,"
                                       "300:7.6:1000:0,400:7:1000:0,500:0:1000:0,0");
    Import formatOne(file, writeFile(folder, "one.csv", instrumentLine + header + line));
    QByteArray formatTwoLine = instrumentLine;
    formatTwoLine.replace(",1\r\n", ",2\r\n");
    Import formatTwo(file, writeFile(folder, "two.csv", formatTwoLine + header + line));
    QCOMPARE(file.rows("SELECT length(CurvePoints) - length(replace(CurvePoints, '#', '')) + 1 FROM Curves "
                       "ORDER BY CurveID"),
             (QStringList{"6", "5"}));
    QVERIFY(!file.rows("SELECT CurvePoints FROM Curves WHERE FileVersion = 2").first().contains("7.500"));
}

// Curve files are passed around and compared: a tester's file must give the very same stored
// text wherever and whenever it is imported. The two samples hold the same results, one with
// the decimal point and one with the decimal comma; the digest pins what both store.
void CurveCsvImporterTest::storedPointsOfTheSamplesStayTheSame_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("decimal point") << "results-point.csv" << QLocale(QLocale::English, QLocale::UnitedKingdom);
    QTest::newRow("decimal comma") << "results-comma.csv" << QLocale(QLocale::German, QLocale::Germany);
}

void CurveCsvImporterTest::storedPointsOfTheSamplesStayTheSame()
{
    QFETCH(QString, sample);
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    TestCurveFile file;
    ScriptedPrompts prompts;
    {
        Import import(file, samplePath(sample));
        QVERIFY(import.tree.save());
    }
    const QStringList points = file.rows("SELECT CurvePoints FROM Curves ORDER BY MemLocation");
    QCOMPARE(file.rows("SELECT length(CurvePoints) - length(replace(CurvePoints, '#', '')) + (CurvePoints <> '') "
                       "FROM Curves ORDER BY MemLocation"),
             (QStringList{"23", "22", "0", "0", "0", "0"}));
    QCOMPARE(QCryptographicHash::hash(points.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha1).toHex(),
             QByteArray("88dbf31c674893103ab2929fe70fb6a274b25c61"));
}

// A point whose current merely equals a neighbour's, lower than the other, is a dip as well.
void CurveCsvImporterTest::equalCurrentsCountAsADip_data()
{
    QTest::addColumn<QByteArray>("points");
    QTest::addColumn<QString>("kept");
    QTest::newRow("equal to the point after")
        << QByteArray("0:8:1000:0,100:7:1000:0,200:7:1000:0,300:5:1000:0,400:0:1000:0")
        << "0.000:8.000:1000.000:0#200.000:7.000:1000.000:0#300.000:5.000:1000.000:0#400.000:0.000:1000.000:0";
    QTest::newRow("equal to the point before")
        << QByteArray("0:6:1000:0,100:6:1000:0,200:7:1000:0,300:0:1000:0")
        << "0.000:6.000:1000.000:0#200.000:7.000:1000.000:0#300.000:0.000:1000.000:0";
    QTest::newRow("falling only")
        << QByteArray("0:8:1000:0,100:7:1000:0,200:5:1000:0,300:0:1000:0")
        << "0.000:8.000:1000.000:0#100.000:7.000:1000.000:0#200.000:5.000:1000.000:0#300.000:0.000:1000.000:0";
}

void CurveCsvImporterTest::equalCurrentsCountAsADip()
{
    QFETCH(QByteArray, points);
    QFETCH(QString, kept);
    TestCurveFile file;
    ScriptedPrompts prompts;
    QByteArray formatTwo = instrumentLine;
    formatTwo.replace(",1\r\n", ",2\r\n");
    // At 1000 W/m² and 25 °C the converted curve is the measured one.
    const QByteArray line = signedLine("1,07/03/2015,09:05:00,1000,25,0.7," + points + ",0");
    Import import(file, writeFile(folder, "dips.csv", formatTwo + header + line));
    QVERIFY(import.tree.save());
    QCOMPARE(file.rows("SELECT CurvePoints FROM Curves"), QStringList{kept});
}

void CurveCsvImporterTest::badFilesGiveWhatCouldBeRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("curves");
    QTest::newRow("lines longer than the header")
        << QByteArray(instrumentLine + "Index,Irr (W/m2)\r\n" + signedLine("4,800,9,9,9,9,0")) << 1;
    QTest::newRow("no IVCurve") << QByteArray(instrumentLine + "Index,Tpv (C)\r\n5,40,0:8,1:7,0,XYZ\r\n") << 1;
}

void CurveCsvImporterTest::badFilesGiveWhatCouldBeRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, curves);
    TestCurveFile file;
    file.addCurve(99);
    ScriptedPrompts prompts;
    prompts.answerMessage(QMessageBox::Ok, false);
    Import import(file, writeFile(folder, "bad.csv", bytes));
    QVERIFY(import.imported);
    QCOMPARE(import.tree.rowCount(), 1);
    QCOMPARE(import.fileIndex().data().toString(), QStringLiteral("bad.csv"));
    QCOMPARE(import.tree.rowCount(import.fileIndex()), curves);
    QCOMPARE(file.count("Curves"), curves + 1);
    QCOMPARE(file.rows("SELECT MemLocation FROM Curves WHERE CurveID = 1"), QStringList{"99"});
}

void CurveCsvImporterTest::unopenableFileChangesNothing()
{
    TestCurveFile file;
    ScriptedPrompts prompts;
    const QString path = folder.filePath("missing.csv");
    CurveTreeModel tree(file.database());
    QSignalSpy modified(&tree, &CurveTreeModel::modified);
    CurveCsvImporter importer(path, file.database(), tree);
    QVERIFY(!importer.run());
    QCOMPARE(prompts.messageTexts(), QStringList{"Error opening " + path + " for reading."});
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QVERIFY(!prompts.last().message.informativeText.isEmpty());
    QVERIFY(!importer.fileNode());
    QCOMPARE(tree.rowCount(), 0);
    QCOMPARE(modified.count(), 0);
}

void CurveCsvImporterTest::failedInsertLeavesFileAndTreeAsTheyWere()
{
    TestCurveFile file;
    file.addCurve(99);
    QVERIFY(file.execute("CREATE TRIGGER full BEFORE INSERT ON Curves WHEN NEW.MemLocation = 2 "
                         "BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
    ScriptedPrompts prompts;
    Import import(file, samplePath("results-point.csv"));
    QVERIFY(!import.imported);
    QVERIFY(!import.importer.fileNode());
    QVERIFY(import.importer.curveIds().isEmpty());
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().message.icon, QMessageBox::Critical);
    QVERIFY(prompts.last().message.text.contains("disk is full"));
    QCOMPARE(import.tree.rowCount(), 0);
    QCOMPARE(file.count("Curves"), 1);
}

void CurveCsvImporterTest::shippedTemplateKeepsImportsAcrossReopening()
{
    const QString path = folder.filePath("template.arvcrv");
    QVERIFY(QFile::copy(":res/reports_en/default.arvcrv", path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    ScriptedPrompts prompts;
    {
        CurveDatabase database(path, TestCurveFile::messageBoxes());
        CurveTreeModel tree(database);
        QVERIFY(tree.load());
        QVERIFY(CurveCsvImporter(samplePath("results-point.csv"), database, tree).run());
        QVERIFY(CurveCsvImporter(samplePath("results-badsum.csv"), database, tree).run());
        QVERIFY(tree.save());
    }
    CurveDatabase database(path, TestCurveFile::messageBoxes());
    CurveTreeModel tree(database);
    QVERIFY(tree.load());
    QCOMPARE(tree.rowCount(), 2);
    const QModelIndex badsum = tree.index(0, 0);
    const QModelIndex point = tree.index(1, 0);
    QCOMPARE(badsum.data().toString(), QStringLiteral("results-badsum.csv"));
    QCOMPARE(point.data().toString(), QStringLiteral("results-point.csv"));
    QCOMPARE(tree.rowCount(badsum), 9);
    QCOMPARE(tree.index(8, 0, badsum).data().toString(), QStringLiteral("String 9"));
    QCOMPARE(tree.index(2, 0, badsum).data(Qt::ForegroundRole), QVariant(QColor(Qt::red)));
    QCOMPARE(tree.index(1, 2, point).data().toString(), QStringLiteral("04/07/2026 09:01:07"));
    QCOMPARE(tree.lastNodeId(), 17);
    QCOMPARE(prompts.messageTexts().size(), 3);
}

// The curves and the nodes that reach them are committed together, with no moment between.
void CurveCsvImporterTest::importedCurvesNeverLackTheirNodes()
{
    TestCurveFile file;
    ScriptedPrompts prompts;
    CurveTreeModel tree(file.database());
    QSignalSpy modified(&tree, &CurveTreeModel::modified);
    QVERIFY(CurveCsvImporter(samplePath("results-point.csv"), file.database(), tree).run());
    QCOMPARE(file.count("Curves"), 6);
    QCOMPARE(file.count("TreeNodes"), 7);
    QCOMPARE(file.rows("SELECT count(*) FROM Curves c LEFT JOIN TreeNodes t ON t.CurveID = c.CurveID "
                       "WHERE t.NodeID IS NULL"),
             QStringList{"0"});
    QVERIFY(!modified.isEmpty());
    QCOMPARE(modified.last().first().toBool(), false);
}

VELTRANO_TEST(CurveCsvImporterTest)
#include "CurveCsvImporterTest.moc"
