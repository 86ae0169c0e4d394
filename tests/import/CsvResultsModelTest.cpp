#include "CsvResultsModel.h"
#include "ResultsFiles.h"
#include "ResultsSeparator.h"
#include "TestMain.h"

#include <QBuffer>
#include <QColor>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(CsvResultsModel::ReadStatus)

namespace {
// Parses `bytes` with a model made under the current default locale.
struct Parsed
{
    explicit Parsed(const QByteArray& bytes)
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        parsed = model.parse(buffer);
    }

    CsvResultsModel model;
    bool parsed = false;
};

QVector<QStringList> allRows(const CsvResultsModel& model)
{
    QVector<QStringList> rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.rowFields(row);
    return rows;
}

bool isRed(const CsvResultsModel& model, int row)
{
    return model.data(model.index(row, 0), Qt::ForegroundRole) == QVariant(QColor(Qt::red));
}
} // namespace

class CsvResultsModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readsAnInstrumentFile();
    void lineEndsReadTheSame_data();
    void lineEndsReadTheSame();
    void decimalCommaLocaleSplitsAtSemicolons();
    void redRowsFollowTheStatusCode_data();
    void redRowsFollowTheStatusCode();
    void spreadsheetPaddingIsNoColumn();
    void titleIsTheTrimmedSecondField_data();
    void titleIsTheTrimmedSecondField();
    void shortRowsBlankLinesAndTextAfterNulAreDropped();
    void notAResultsFileGivesWhatCouldBeRead_data();
    void notAResultsFileGivesWhatCouldBeRead();
    void onlyTheTestTypeCanBeChanged();
    void separatorComesFromTheHeaderLine();
    void filesBeyondTheLimitsAreRefusedWhole_data();
    void filesBeyondTheLimitsAreRefusedWhole();
    void parsingAgainReplacesEverything();
};

void CsvResultsModelTest::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void CsvResultsModelTest::cleanup()
{
    QLocale::setDefault(QLocale::system());
}

void CsvResultsModelTest::readsAnInstrumentFile()
{
    Parsed file(ResultsFiles::sample(QStringLiteral("results-point.csv")));
    const CsvResultsModel& model = file.model;
    QVERIFY(file.parsed);
    QCOMPARE(model.separator(), QLatin1Char(','));
    QCOMPARE(model.title(), QStringLiteral("23104877"));
    QCOMPARE(model.columnCount(), 18);
    QCOMPARE(model.header().mid(14), (QStringList{"Vmpp (V)", "Impp(A)", "StatusCode", "Checksum"}));
    QCOMPARE(model.headerData(10, Qt::Horizontal).toString(), QStringLiteral("Riso (MOhm)"));
    QCOMPARE(model.testTypeColumn(), 1);
    QCOMPARE(model.rowCount(), 6);
    QCOMPARE(model.rowFields(0).size(), 78);
    QCOMPARE(model.rowFields(0).mid(76), (QStringList{"3", "F2C1"}));
    QCOMPARE(model.data(model.index(2, 10)).toString(), QStringLiteral("631.7"));
    QCOMPARE(model.data(model.index(2, 11), Qt::EditRole).toString(), QString());
    QCOMPARE(model.testTypeCode(model.index(3, 0)), 8u);
    QVERIFY(!model.index(6, 0).isValid());
    QVERIFY(!model.index(0, 18).isValid());
    QVERIFY(!model.data(QModelIndex()).isValid());
}

void CsvResultsModelTest::lineEndsReadTheSame_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("line feed") << QByteArray("\n");
    QTest::newRow("carriage return, line feed") << QByteArray("\r\n");
    QTest::newRow("two carriage returns, line feed") << QByteArray("\r\r\n");
}

void CsvResultsModelTest::lineEndsReadTheSame()
{
    QFETCH(QByteArray, lineEnd);
    const QByteArray original = ResultsFiles::sample(QStringLiteral("results-point.csv"));
    Parsed expected(original);
    Parsed file(QByteArray(original).replace("\r\n", "\n").replace("\n", lineEnd));
    QCOMPARE(file.model.title(), expected.model.title());
    QCOMPARE(file.model.header(), expected.model.header());
    QCOMPARE(allRows(file.model), allRows(expected.model));
    QCOMPARE(file.model.rowCount(), 6);
}

void CsvResultsModelTest::decimalCommaLocaleSplitsAtSemicolons()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Parsed file(ResultsFiles::sample(QStringLiteral("results-comma.csv")));
    QCOMPARE(file.model.separator(), QLatin1Char(';'));
    QCOMPARE(file.model.title(), QStringLiteral("23104877"));
    QCOMPARE(file.model.columnCount(), 18);
    QCOMPARE(file.model.rowCount(), 6);
    QCOMPARE(file.model.field(0, 4), QStringLiteral("349,4"));
    QCOMPARE(file.model.field(0, 16), QStringLiteral("0,00:6,497:690:0"));
    QVERIFY(isRed(file.model, 0));
}

void CsvResultsModelTest::redRowsFollowTheStatusCode_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<bool>("red");
    QTest::newRow("status 3") << QByteArray("1,4,631.7,3,0908") << true;
    QTest::newRow("status 0") << QByteArray("1,4,631.7,0,0908") << false;
    QTest::newRow("status text") << QByteArray("1,4,631.7,E3,0908") << false;
    QTest::newRow("status negative") << QByteArray("1,4,631.7,-2,0908") << false;
    QTest::newRow("curve points before status") << QByteArray("1,16,1:2:3:0,4:5:6:0,7,F2C1") << true;
    QTest::newRow("padded by a spreadsheet") << QByteArray("1,4,631.7,3,0908,,,") << true;
}

void CsvResultsModelTest::redRowsFollowTheStatusCode()
{
    QFETCH(QByteArray, row);
    QFETCH(bool, red);
    Parsed file("PVT,1\r\nIndex,TestType,Riso (MOhm),IVCurve,StatusCode,Checksum\r\n" + row + "\r\n");
    QCOMPARE(file.model.rowCount(), 1);
    QCOMPARE(isRed(file.model, 0), red);
}

void CsvResultsModelTest::spreadsheetPaddingIsNoColumn()
{
    Parsed file(ResultsFiles::sample(QStringLiteral("results-spreadsheet.csv")));
    QCOMPARE(file.model.title(), QStringLiteral("23104877"));
    QCOMPARE(file.model.header().size(), 18);
    QCOMPARE(file.model.header().last(), QStringLiteral("Checksum"));
    QCOMPARE(file.model.rowCount(), 6);
    QVERIFY(isRed(file.model, 0));
    QVERIFY(!isRed(file.model, 1));
}

void CsvResultsModelTest::titleIsTheTrimmedSecondField_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");
    QTest::newRow("padded serial") << QByteArray("PVT-Logger,  23104877\t ,FW 1.07\nIndex\n") << "23104877";
    QTest::newRow("no separator") << QByteArray("PVT-Logger 23104877\nIndex\n") << "";
    QTest::newRow("only the instrument line") << QByteArray("PVT-Logger,23104877") << "";
}

void CsvResultsModelTest::titleIsTheTrimmedSecondField()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    Parsed file(bytes);
    QCOMPARE(file.model.title(), title);
}

void CsvResultsModelTest::shortRowsBlankLinesAndTextAfterNulAreDropped()
{
    Parsed file(QByteArray("PVT,1\r\nA,TestType,B\r\n1,2\r\n\r\n,,\r\n 2 , 4 ,x,y\r\n3,8,z") + '\0'
                + QByteArray("\r\n4,4,late\r\n"));
    QCOMPARE(file.model.rowCount(), 2);
    QCOMPARE(file.model.rowFields(0), (QStringList{"2", "4", "x", "y"}));
    QCOMPARE(file.model.rowFields(1), (QStringList{"3", "8", "z"}));
}

void CsvResultsModelTest::notAResultsFileGivesWhatCouldBeRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("rows");
    QByteArray garbage(4 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char& byte : garbage)
        byte = char(1 + random.bounded(255));
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("one line") << QByteArray("PVT-Logger,23104877,FW 1.07,2\r\n") << 0;
    QTest::newRow("photo") << QByteArray::fromHex("ffd8ffe000104a46494600010100") << 0;
    QTest::newRow("one column") << QByteArray("PVT\r\nIndex\r\n1\r\n") << 0;
    QTest::newRow("4 MB without NUL") << garbage << -1;
}

void CsvResultsModelTest::notAResultsFileGivesWhatCouldBeRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, rows);
    Parsed file(bytes);
    // Random bytes may also break a limit: refused, never half read.
    if (rows < 0 && !file.parsed) {
        QVERIFY(file.model.status() != CsvResultsModel::ReadStatus::Ok);
        QCOMPARE(file.model.rowCount(), 0);
        return;
    }
    QVERIFY(file.parsed);
    if (rows >= 0) {
        QCOMPARE(file.model.rowCount(), rows);
        QCOMPARE(file.model.status(), CsvResultsModel::ReadStatus::NotResults);
        QCOMPARE(file.model.failure(QStringLiteral("x.csv")).text,
                 QStringLiteral("x.csv is not a results file of a PV tester: its second line names no columns."));
    }
    for (int row = 0; row < file.model.rowCount(); ++row)
        QVERIFY(file.model.rowFields(row).size() >= file.model.columnCount());
}

void CsvResultsModelTest::onlyTheTestTypeCanBeChanged()
{
    Parsed file(ResultsFiles::sample(QStringLiteral("results-point.csv")));
    CsvResultsModel& model = file.model;
    const QStringList before = model.rowFields(2);
    const QModelIndex testType = model.index(2, 1);
    QVERIFY(model.flags(testType).testFlag(Qt::ItemIsEditable));
    QVERIFY(!model.flags(model.index(2, 0)).testFlag(Qt::ItemIsEditable));
    QVERIFY(!model.setData(model.index(2, 0), QStringLiteral("9")));
    QVERIFY(!model.setData(testType, QStringLiteral("8"), Qt::DisplayRole));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(testType, QStringLiteral("1024")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex(), testType);
    QCOMPARE(model.testTypeCode(testType), 1024u);
    QStringList after = before;
    after[1] = QStringLiteral("1024");
    QCOMPARE(model.rowFields(2), after);
}

void CsvResultsModelTest::parsingAgainReplacesEverything()
{
    Parsed file(ResultsFiles::sample(QStringLiteral("results-point.csv")));
    QSignalSpy reset(&file.model, &QAbstractItemModel::modelReset);
    QBuffer unopened;
    QVERIFY(!file.model.parse(unopened));
    QCOMPARE(file.model.rowCount(), 6);
    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    QVERIFY(file.model.parse(empty));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(file.model.rowCount(), 0);
    QCOMPARE(file.model.columnCount(), 0);
    QCOMPARE(file.model.title(), QString());
    QCOMPARE(file.model.testTypeColumn(), -1);
    QCOMPARE(file.model.testTypeCode(file.model.index(0, 1)), 0u);
}

void CsvResultsModelTest::separatorComesFromTheHeaderLine()
{
    // A tester's file with "," opened in a German session, and a saved ";" file in an English one.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Parsed comma(ResultsFiles::sample(QStringLiteral("results-point.csv")));
    QCOMPARE(comma.model.separator(), QLatin1Char(','));
    QCOMPARE(comma.model.columnCount(), 18);
    QCOMPARE(comma.model.title(), QStringLiteral("23104877"));
    QCOMPARE(comma.model.data(comma.model.index(2, 10)).toString(), QStringLiteral("631.7"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    Parsed semicolon(ResultsFiles::sample(QStringLiteral("results-comma.csv")));
    QCOMPARE(semicolon.model.separator(), QLatin1Char(';'));
    QCOMPARE(semicolon.model.field(0, 4), QStringLiteral("349,4"));
    QCOMPARE(semicolon.model.columnCount(), 18);
    // Where the header cannot tell, the locale decides.
    QCOMPARE(ResultsSeparator::detect(QStringLiteral("Index"), QLatin1Char(';')), QLatin1Char(';'));
    QCOMPARE(ResultsSeparator::detect(QStringLiteral("a;b,c;d"), QLatin1Char(',')), QLatin1Char(';'));
}

void CsvResultsModelTest::filesBeyondTheLimitsAreRefusedWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<CsvResultsModel::ReadStatus>("status");
    QTest::addColumn<QString>("message");
    const QByteArray start = "PVT,1\nIndex,TestType,Voc (VDC)\n";
    QTest::newRow("17 MB") << QByteArray(17 * 1024 * 1024, 'x') << CsvResultsModel::ReadStatus::TooLarge
                           << QStringLiteral("big.csv is larger than 16 MB, more than a tester's memory holds.");
    QTest::newRow("2 MB header line") << "PVT,1\n" + QByteArray(2 * 1024 * 1024, ',') + "\n1,2\n"
                                      << CsvResultsModel::ReadStatus::LineTooLong
                                      << QStringLiteral("Line 2 of big.csv is longer than 1024 KB; the file is damaged "
                                                        "or is not a results file.");
    QTest::newRow("1001 columns") << "PVT,1\n" + QByteArray("a,").repeated(1001) + "\n"
                                  << CsvResultsModel::ReadStatus::TooManyColumns
                                  << QStringLiteral("big.csv names more than 1000 columns; the file is damaged or is "
                                                    "not a results file.");
    QTest::newRow("100001 rows") << start + QByteArray("1,4,2\n").repeated(100001)
                                 << CsvResultsModel::ReadStatus::TooManyRows
                                 << QStringLiteral("big.csv holds more than 100000 results. Please split it into "
                                                   "smaller files.");
    QTest::newRow("long Voc") << start + "1,2," + QByteArray(2000, '9') + "\n"
                              << CsvResultsModel::ReadStatus::FieldTooLong
                              << QStringLiteral("Line 3 of big.csv holds a value longer than 1000 characters; the "
                                                "file is damaged or is not a results file.");
}

void CsvResultsModelTest::filesBeyondTheLimitsAreRefusedWhole()
{
    QFETCH(QByteArray, bytes);
    QFETCH(CsvResultsModel::ReadStatus, status);
    QFETCH(QString, message);
    Parsed file(ResultsFiles::sample(QStringLiteral("results-point.csv")));
    QSignalSpy reset(&file.model, &QAbstractItemModel::modelReset);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QVERIFY(!file.model.parse(buffer));
    QCOMPARE(file.model.status(), status);
    QCOMPARE(file.model.failure(QStringLiteral("big.csv")).text, message);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(file.model.rowCount(), 6);
    QCOMPARE(file.model.title(), QStringLiteral("23104877"));
}

VELTRANO_TEST(CsvResultsModelTest)
#include "CsvResultsModelTest.moc"
