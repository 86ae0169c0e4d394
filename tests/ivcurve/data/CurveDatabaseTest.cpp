#include "CurveCollection.h"
#include "CurveData.h"
#include "CurveDatabase.h"
#include "CurveFileUpkeep.h"
#include "CurveTable.h"
#include "CurveTreeModel.h"
#include "ScriptedPrompts.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// Curve files from the shipped template: the layout update on opening, storing, loading and
// updating curves, and what damaged files and values do.

using namespace IVCurve;

namespace {
QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList curveColumns(const CurveDatabase& database)
{
    QStringList names;
    const QSqlRecord record = database.database().record(QStringLiteral("Curves"));
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

QVariant single(const CurveDatabase& database, const QString& sql)
{
    QSqlQuery query(database.database());
    if (!query.exec(sql) || !query.next())
        return QVariant();
    return query.value(0);
}

CurveData importedCurve()
{
    CurveData curve;
    CurveReadings readings;
    readings.memLocation = 42;
    readings.testDate = QStringLiteral("2026-07-03T09:05:00");
    readings.testerSerNo = QStringLiteral("23104877");
    readings.irradiance = QStringLiteral("812,5");
    readings.ambientTemp = QStringLiteral("24");
    readings.cellTemp = QStringLiteral("41,25");
    readings.voc = QStringLiteral("349,4");
    readings.isc = QStringLiteral("6,5");
    readings.ff = QStringLiteral("0,771234567");
    readings.riso = QStringLiteral(">999");
    readings.fileVersion = 2;
    curve.setReadings(readings);
    curve.addPoint(0.0, 6.5, 812.0);
    curve.addPoint(300.25, 5.9, 0.0);
    curve.addPoint(349.4, 0.0, 815.5);
    return curve;
}

// About 10 kB of points: 400 points of some 25 characters each.
CurveData longCurve(int memoryIndex)
{
    CurveData curve = importedCurve();
    CurveReadings readings = curve.readings();
    readings.memLocation = memoryIndex;
    curve.setReadings(readings);
    for (int point = 0; point < 400; ++point)
        curve.addPoint(point * 0.875, 9.0 - point * 0.0225, 800.0 + point);
    return curve;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The one box shown when the file is refused on opening; an empty one when it opened or more
// boxes were shown.
MessageRequest refusal(const QString& path)
{
    ScriptedPrompts prompts;
    {
        CurveDatabase database(path, TestCurveFile::messageBoxes());
        if (database.isOpen())
            return MessageRequest();
    }
    return prompts.shown().size() == 1 ? prompts.last().message : MessageRequest();
}

// Keeps what the file reports, as a document would before it shows it.
class RecordedFailures : public CurveFailureHandler
{
public:
    void failed(const Failure& failure, Weight weight) override { records.append({failure, weight}); }
    bool failedAgain(const Failure& failure, const QString&) override
    {
        failed(failure, Weight::Warning);
        return true;
    }

    QVector<QPair<Failure, Weight>> records;
};

void setReadOnly(const QString& path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}
} // namespace

class CurveDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void templateGainsTheFileVersionColumnOnce();
    void connectionIsNamedByThePathAndRemovedAfterwards();
    void importedCurveRoundTripsThroughTheFile();
    void detailsAndModuleUpdatesReachFileAndMemory();
    void procedures2And4KeepTheirCoefficients_data();
    void procedures2And4KeepTheirCoefficients();
    void nullsAndTextInNumericColumnsReadAsDefaults();
    void fileThatIsNoDatabaseIsRefused();
    void failuresGoToTheHandlerAndNoBoxOpens();
    void missingTableIsReportedAndCreatedAgain();
    void updateOfACurveNotHeldIsRefused();
    void damagedFileIsRefusedAndLeftAsItWas();
    void onlyARegularFileIsOpened_data();
    void onlyARegularFileIsOpened();
    void orphanCurvesGoOnOpeningUnlessTheFileIsReadOnly();
    void readOnlyFileTakesNoCurveChange();
    void compactionWantsAQuarterAndOneMebibyteFree_data();
    void compactionWantsAQuarterAndOneMebibyteFree();
    void savingAfterRemovingMostCurvesShrinksTheFile();

private:
    QString freshCopyOfTemplate();
    // Curves of about 10 kB each, the first `withNodes` of them with a top-level tree node.
    QString fileWithCurves(int curves, int withNodes);

    QTemporaryDir folder;
    int copies = 0;
};

void CurveDatabaseTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
}

void CurveDatabaseTest::init()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void CurveDatabaseTest::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

QString CurveDatabaseTest::freshCopyOfTemplate()
{
    const QString path = folder.filePath(QStringLiteral("curves%1.arvcrv").arg(++copies));
    if (!QFile::copy(QStringLiteral(":res/reports_en/default.arvcrv"), path))
        return QString();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

void CurveDatabaseTest::templateGainsTheFileVersionColumnOnce()
{
    const QString path = freshCopyOfTemplate();
    {
        ScriptedPrompts prompts;
        CurveDatabase database(path, TestCurveFile::messageBoxes());
        QVERIFY(database.isOpen());
        QCOMPARE(curveColumns(database).size(), 31);
        QCOMPARE(curveColumns(database).at(28), QStringLiteral("Fileversion"));
        QCOMPARE(curveColumns(database).mid(29), QStringList({"STC_N", "STC_epsilon"}));
        QVERIFY(prompts.shown().isEmpty());
    }
    const QByteArray migrated = contentsOf(path);
    {
        CurveDatabase database(path, TestCurveFile::messageBoxes());
        QCOMPARE(curveColumns(database).size(), 31);
        QCOMPARE(single(database, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index'")).toInt(), 3);
    }
    QCOMPARE(contentsOf(path), migrated);
}

void CurveDatabaseTest::connectionIsNamedByThePathAndRemovedAfterwards()
{
    const QString first = freshCopyOfTemplate();
    const QString second = freshCopyOfTemplate();
    {
        CurveDatabase one(first, TestCurveFile::messageBoxes());
        CurveDatabase other(second, TestCurveFile::messageBoxes());
        QVERIFY(QSqlDatabase::contains(first));
        QCOMPARE(one.database().databaseName(), first);
        QCOMPARE(other.database().connectionName(), second);
    }
    QVERIFY(!QSqlDatabase::contains(first));
    QVERIFY(!QSqlDatabase::contains(second));
}

void CurveDatabaseTest::importedCurveRoundTripsThroughTheFile()
{
    const QString path = freshCopyOfTemplate();
    CurveDatabase database(path, TestCurveFile::messageBoxes());
    CurveTable table(database);
    CurveData curve = importedCurve();
    QVERIFY(table.insert(curve));
    QCOMPARE(curve.curveId, 1);

    // In the file: C-locale numbers with 6 significant digits; unreadable text as it was.
    QCOMPARE(single(database, QStringLiteral("SELECT typeof(Irradiance) || ' ' || Irradiance FROM Curves")).toString(),
             QStringLiteral("real 812.5"));
    QCOMPARE(single(database, QStringLiteral("SELECT FF FROM Curves")).toDouble(), 0.771235);
    QCOMPARE(single(database, QStringLiteral("SELECT Riso FROM Curves")).toString(), QStringLiteral(">999"));
    QCOMPARE(single(database, QStringLiteral("SELECT CurvePoints FROM Curves")).toString(),
             QStringLiteral("0.000:6.500:812.000:0#300.250:5.900:0.000:0#349.400:0.000:815.500:0"));
    QCOMPARE(single(database, QStringLiteral("SELECT Fileversion FROM Curves")).toInt(), 2);
    // The method is written, so that the file keeps it whatever later versions default to.
    QCOMPARE(single(database, QStringLiteral("SELECT STCAlgorithm FROM Curves")).toInt(), 1);

    CurveData loaded;
    QCOMPARE(table.load(1, loaded), CurveTable::LoadResult::Loaded);
    QCOMPARE(loaded.curveId, 1);
    QCOMPARE(loaded.points(), curve.points());
    QCOMPARE(loaded.pointInfo().at(2).irradiance, 815.5);
    QCOMPARE(loaded.readings().irradiance, QStringLiteral("812,5"));
    QCOMPARE(loaded.readings().cellTemp, QStringLiteral("41,25"));
    QCOMPARE(loaded.readings().ff, QStringLiteral("0,771235"));
    QCOMPARE(loaded.readings().riso, QStringLiteral(">999"));
    QCOMPARE(loaded.readings().memLocation, 42);
    QCOMPARE(loaded.readings().testDate, QStringLiteral("2026-07-03T09:05:00"));
    QCOMPARE(loaded.parameters().algorithm, 1);
    QCOMPARE(loaded.parameters().a, QStringLiteral("0,06"));
    QVERIFY(loaded.parameters().usePointIrradiance);
    QCOMPARE(loaded.module().series, 1u);
    QCOMPARE(loaded.module().moduleId, 0u);
    QCOMPARE(table.load(2, loaded), CurveTable::LoadResult::NotFound);
}

void CurveDatabaseTest::detailsAndModuleUpdatesReachFileAndMemory()
{
    const QString path = freshCopyOfTemplate();
    CurveDatabase database(path, TestCurveFile::messageBoxes());
    CurveData curve = importedCurve();
    QVERIFY(CurveTable(database).insert(curve));
    {
        CurveCollection collection(database);
        CurveData* held = collection.curve(1);
        QVERIFY(held);
        QCOMPARE(collection.curve(1), held);
        const double iscBefore = held->stcCurve(false).maxI();

        CurveData edited = *held;
        STCparameters parameters = edited.parameters();
        parameters.algorithm = int(Method::Blaesser);
        parameters.kappa = QStringLiteral("0,002");
        parameters.a = QStringLiteral("1.000,5");
        edited.setParameters(parameters);
        CurveReadings readings = edited.readings();
        readings.irradiance = QStringLiteral("900");
        edited.setReadings(readings);
        QVERIFY(collection.updateDetails(edited));
        QCOMPARE(held->parameters().algorithm, 0);
        QVERIFY(held->stcCurve(false).maxI() != iscBefore);

        AssignedModule module;
        module.moduleId = 12;
        module.series = 16;
        module.parallel = 3;
        module.setDataSheet(37.9, 9.4, 31.2, 8.9);
        STCparameters coefficients;
        coefficients.alpha = QStringLiteral("0,0047");
        coefficients.Rs = QStringLiteral("0,4");
        QVERIFY(collection.assignModule(1, module, coefficients));
        QCOMPARE(held->module().parallel, 1u);
        QCOMPARE(held->parameters().alpha, QStringLiteral("0,0047"));
        QCOMPARE(held->parameters().kappa, QStringLiteral("0,002"));
        QCOMPARE(held->nominalCurve().points().size(), 128);
    }
    QCOMPARE(single(database, QStringLiteral("SELECT STC_a FROM Curves")).toDouble(), 1000.5);
    QCOMPARE(single(database, QStringLiteral("SELECT ModuleParallel FROM Curves")).toInt(), 1);

    CurveCollection reopened(database);
    reopened.setModuleLookup([](AssignedModule& module) {
        if (module.moduleId == 12)
            module.setDataSheet(37.9, 9.4, 31.2, 8.9);
    });
    CurveData* reloaded = reopened.curve(1);
    QVERIFY(reloaded);
    QCOMPARE(reloaded->parameters().algorithm, 0);
    QCOMPARE(reloaded->parameters().kappa, QStringLiteral("0,002"));
    QCOMPARE(reloaded->parameters().a, QStringLiteral("1.000,5"));
    QCOMPARE(reloaded->parameters().alpha, QStringLiteral("0,0047"));
    QCOMPARE(reloaded->parameters().Rs, QStringLiteral("0,4"));
    QCOMPARE(reloaded->readings().irradiance, QStringLiteral("900"));
    QCOMPARE(reloaded->module().series, 16u);
    QCOMPARE(reloaded->module().Voc, 37.9);
    QCOMPARE(reloaded->nominalCurve().points().last(), QPointF(16 * 37.9, 0.0));
}

// Procedure 2 keeps its a, Rs' and κ' in the columns of Blässer's a and procedure 1; procedure 4
// its N and ε in columns of their own. An N left empty stays empty, for the module to give it.
void CurveDatabaseTest::procedures2And4KeepTheirCoefficients_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<QString>("bandgap");
    QTest::addColumn<QString>("storedCells");
    QTest::newRow("procedure 2") << int(Method::IEC60891Procedure2) << QString() << QStringLiteral("1,232")
                                 << QStringLiteral("NULL");
    QTest::newRow("procedure 4") << int(Method::IEC60891Procedure4) << QStringLiteral("72")
                                 << QStringLiteral("1,12") << QStringLiteral("72");
}

void CurveDatabaseTest::procedures2And4KeepTheirCoefficients()
{
    QFETCH(int, method);
    QFETCH(QString, cells);
    QFETCH(QString, bandgap);
    QFETCH(QString, storedCells);
    const QString path = freshCopyOfTemplate();
    CurveDatabase database(path);
    CurveData curve = importedCurve();
    QVERIFY(CurveTable(database).insert(curve));
    {
        CurveCollection collection(database);
        CurveData edited = *collection.curve(1);
        STCparameters parameters = edited.parameters();
        parameters.algorithm = method;
        parameters.a = QStringLiteral("0,07");
        parameters.Rs = QStringLiteral("0,45");
        parameters.kappa = QStringLiteral("0,003");
        parameters.alpha = QStringLiteral("0,0051");
        parameters.cellsInSeries = cells;
        parameters.bandgap = bandgap;
        edited.setParameters(parameters);
        QVERIFY(collection.updateDetails(edited));
    }
    QCOMPARE(single(database, QStringLiteral("SELECT STCAlgorithm FROM Curves")).toInt(), method);
    QCOMPARE(single(database, QStringLiteral("SELECT ifnull(STC_N, 'NULL') FROM Curves")).toString(), storedCells);
    CurveCollection reopened(database);
    const CurveData* reloaded = reopened.curve(1);
    QVERIFY(reloaded);
    QCOMPARE(reloaded->parameters().algorithm, method);
    QCOMPARE(reloaded->parameters().a, QStringLiteral("0,07"));
    QCOMPARE(reloaded->parameters().Rs, QStringLiteral("0,45"));
    QCOMPARE(reloaded->parameters().kappa, QStringLiteral("0,003"));
    QCOMPARE(reloaded->parameters().alpha, QStringLiteral("0,0051"));
    QCOMPARE(reloaded->parameters().cellsInSeries, cells);
    QCOMPARE(reloaded->parameters().bandgap, bandgap);
}

void CurveDatabaseTest::nullsAndTextInNumericColumnsReadAsDefaults()
{
    const QString path = freshCopyOfTemplate();
    CurveDatabase database(path, TestCurveFile::messageBoxes());
    QSqlQuery insert(database.database());
    QVERIFY(insert.exec(QStringLiteral(
        "INSERT INTO Curves (CurveID, CurvePoints, MemLocation, Irradiance, STCAlgorithm, STC_a, STC_b, STC_Rs, "
        "ModuleID, ModuleSeries, ModuleParallel, Fileversion) "
        "VALUES (5, NULL, 'abc', 'dark', NULL, 'x', 0.01, 'nan', -3, 0, 'two', NULL)")));
    QVERIFY(insert.exec(QStringLiteral(
        "INSERT INTO Curves (CurveID, CurvePoints, STCAlgorithm, ModuleSeries, ModuleParallel) "
        "VALUES (6, '5', 'Blaesser', -4, 99999999999)")));

    ScriptedPrompts prompts;
    CurveTable table(database);
    CurveData curve;
    QCOMPARE(table.load(5, curve), CurveTable::LoadResult::Loaded);
    QVERIFY(curve.isEmpty());
    QCOMPARE(curve.readings().memLocation, 0);
    QCOMPARE(curve.readings().irradiance, QStringLiteral("dark"));
    QCOMPARE(curve.readings().voc, QString());
    QCOMPARE(curve.parameters().algorithm, 2);
    QCOMPARE(curve.parameters().a, QStringLiteral("0,06"));
    QCOMPARE(curve.parameters().b, QStringLiteral("0,01"));
    QCOMPARE(curve.parameters().Rs, QStringLiteral("0,35"));
    QVERIFY(!curve.parameters().usePointIrradiance);
    QCOMPARE(curve.module().moduleId, 0u);
    QCOMPARE(curve.module().series, 1u);
    QCOMPARE(curve.module().parallel, 1u);
    QVERIFY(curve.stcCurve(true).isEmpty());

    QCOMPARE(table.load(6, curve), CurveTable::LoadResult::Loaded);
    QCOMPARE(curve.points(), QVector<QPointF>{QPointF(5.0, 0.0)});
    QCOMPARE(curve.pointInfo().first().irradiance, 1000.0);
    QCOMPARE(curve.parameters().algorithm, 2);
    QCOMPARE(curve.module().series, 1u);
    QCOMPARE(curve.module().parallel, 1u);
    QCOMPARE(curve.stcCurve(true).points().size(), 1);
    QVERIFY(prompts.shown().isEmpty());
}

void CurveDatabaseTest::fileThatIsNoDatabaseIsRefused()
{
    const QString path = folder.filePath(QStringLiteral("photo.arvcrv"));
    const QByteArray bytes = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(4096, 'x');
    QVERIFY(writeFile(path, bytes));
    const MessageRequest refused = refusal(path);
    QCOMPARE(refused.icon, QMessageBox::Critical);
    QCOMPARE(refused.title, QStringLiteral("Arventa"));
    QVERIFY2(refused.text.contains(QStringLiteral("not a database")), qPrintable(refused.text));
    QCOMPARE(contentsOf(path), bytes);
    QVERIFY(!QSqlDatabase::contains(path));
}

// The file only reports: what the user sees is the document's to show.
void CurveDatabaseTest::failuresGoToTheHandlerAndNoBoxOpens()
{
    ScriptedPrompts prompts;
    const QString photo = folder.filePath(QStringLiteral("photo.arvcrv"));
    QVERIFY(writeFile(photo, QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(4096, 'x')));
    RecordedFailures failures;
    {
        CurveDatabase refused(photo, &failures);
        QVERIFY(!refused.isOpen());
    }
    QCOMPARE(failures.records.size(), 1);
    QCOMPARE(failures.records.first().second, CurveFailureHandler::Weight::Critical);
    QVERIFY2(failures.records.first().first.text.contains(QDir::toNativeSeparators(photo)),
             qPrintable(failures.records.first().first.text));
    QVERIFY(failures.records.first().first.text.contains(QStringLiteral("not a database")));

    const QString locked = fileWithCurves(1, 1);
    setReadOnly(locked);
    CurveDatabase readOnly(locked, &failures);
    QVERIFY(!readOnly.checkWritable());
    QCOMPARE(failures.records.size(), 2);
    QCOMPARE(failures.records.last().second, CurveFailureHandler::Weight::Warning);
    QCOMPARE(failures.records.last().first.text,
             QDir::toNativeSeparators(locked) + QStringLiteral(" is read-only: nothing has been changed."));

    CurveDatabase unheard(photo);
    QVERIFY(!unheard.isOpen());
    QVERIFY(prompts.shown().isEmpty());
}

void CurveDatabaseTest::missingTableIsReportedAndCreatedAgain()
{
    const QString path = freshCopyOfTemplate();
    CurveDatabase database(path, TestCurveFile::messageBoxes());
    QSqlQuery(database.database()).exec(QStringLiteral("DROP TABLE Curves"));
    ScriptedPrompts prompts;
    CurveTable table(database);
    CurveData curve;
    QCOMPARE(table.load(1, curve), CurveTable::LoadResult::Failed);
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().message.icon, QMessageBox::Critical);
    QCOMPARE(prompts.last().message.title, QStringLiteral("Arventa"));
    QVERIFY(prompts.last().message.text.contains(QStringLiteral("no such table")));
    QCOMPARE(curveColumns(database).size(), 31);
    QCOMPARE(table.load(1, curve), CurveTable::LoadResult::NotFound);
    QCOMPARE(prompts.shown().size(), 1);
}

void CurveDatabaseTest::updateOfACurveNotHeldIsRefused()
{
    const QString path = freshCopyOfTemplate();
    CurveDatabase database(path, TestCurveFile::messageBoxes());
    CurveData curve = importedCurve();
    QVERIFY(CurveTable(database).insert(curve));
    const QByteArray before = contentsOf(path);

    ScriptedPrompts prompts;
    CurveCollection collection(database);
    QVERIFY(!collection.curve(7));
    QVERIFY(!collection.updateDetails(curve));
    QVERIFY(!collection.assignModule(1, AssignedModule(), STCparameters()));
    const QString notFound = QStringLiteral("IV curve data not found in collection");
    QCOMPARE(prompts.messageTexts(), QStringList({notFound, notFound}));
    QCOMPARE(prompts.last().message.title, QStringLiteral("Arventa"));
    QCOMPARE(contentsOf(path), before);
}

QString CurveDatabaseTest::fileWithCurves(int curves, int withNodes)
{
    const QString path = freshCopyOfTemplate();
    CurveDatabase database(path, TestCurveFile::messageBoxes());
    QSqlDatabase connection = database.database();
    connection.transaction();
    CurveTable table(database);
    QSqlQuery node(connection);
    node.prepare(QStringLiteral("INSERT INTO TreeNodes (NodeID, NodeDesc, CurveID, ParentRow) VALUES (?, 'String', ?, ?)"));
    for (int index = 1; index <= curves; ++index) {
        CurveData curve = longCurve(index);
        table.insert(curve);
        if (index > withNodes)
            continue;
        node.addBindValue(index);
        node.addBindValue(curve.curveId);
        node.addBindValue(index - 1);
        node.exec();
    }
    connection.commit();
    return path;
}

void CurveDatabaseTest::damagedFileIsRefusedAndLeftAsItWas()
{
    const QString path = fileWithCurves(40, 40);
    QByteArray bytes = contentsOf(path);
    const int pageSize = (quint8(bytes.at(16)) << 8) | quint8(bytes.at(17));
    QCOMPARE(bytes.size() % pageSize, 0);
    const int middlePage = bytes.size() / pageSize / 2;
    bytes.replace(middlePage * pageSize, 3 * pageSize, QByteArray(3 * pageSize, '\x5a'));
    QVERIFY(writeFile(path, bytes));
    const MessageRequest refused = refusal(path);
    QCOMPARE(refused.icon, QMessageBox::Critical);
    QCOMPARE(refused.text, QDir::toNativeSeparators(path) + QStringLiteral(" cannot be opened: the file is damaged."));
    QVERIFY(refused.informativeText.startsWith(QStringLiteral("The check of the file found: ")));
    QCOMPARE(contentsOf(path), bytes);
    QVERIFY(!QSqlDatabase::contains(path));
}

void CurveDatabaseTest::onlyARegularFileIsOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("folder") << QStringLiteral("folder.arvcrv");
#ifdef Q_OS_UNIX
    QTest::newRow("pipe") << QStringLiteral("pipe.arvcrv");
    QTest::newRow("device") << QStringLiteral("device.arvcrv");
#endif
}

// Reading a pipe waits for a writer that never comes, and what goes to a device is lost.
void CurveDatabaseTest::onlyARegularFileIsOpened()
{
    QFETCH(QString, name);
    const QString path = folder.filePath(name);
    if (name.startsWith(QLatin1String("folder")))
        QVERIFY(QDir(folder.path()).mkdir(name));
#ifdef Q_OS_UNIX
    else if (name.startsWith(QLatin1String("pipe")))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), path));
#endif
    const MessageRequest refused = refusal(path);
    QCOMPARE(refused.icon, QMessageBox::Critical);
    QCOMPARE(refused.text, QDir::toNativeSeparators(path) + QStringLiteral(" cannot be opened: it is not a regular file."));
    QVERIFY(!QFileInfo(path).isFile());
}

void CurveDatabaseTest::orphanCurvesGoOnOpeningUnlessTheFileIsReadOnly()
{
    const QString writable = fileWithCurves(5, 3);
    const QString readOnly = fileWithCurves(5, 3);
    setReadOnly(readOnly);
    const QByteArray untouched = contentsOf(readOnly);
    ScriptedPrompts prompts;
    {
        CurveDatabase database(writable, TestCurveFile::messageBoxes());
        QCOMPARE(single(database, QStringLiteral("SELECT group_concat(CurveID) FROM Curves")).toString(),
                 QStringLiteral("1,2,3"));
    }
    {
        CurveDatabase database(readOnly, TestCurveFile::messageBoxes());
        QVERIFY(database.isOpen());
        QCOMPARE(single(database, QStringLiteral("SELECT count(*) FROM Curves")).toInt(), 5);
    }
    QCOMPARE(contentsOf(readOnly), untouched);
    QVERIFY(prompts.shown().isEmpty());
}

void CurveDatabaseTest::readOnlyFileTakesNoCurveChange()
{
    const QString path = fileWithCurves(1, 1);
    setReadOnly(path);
    const QByteArray untouched = contentsOf(path);
    const QString refused = QDir::toNativeSeparators(path) + QStringLiteral(" is read-only: nothing has been changed.");
    ScriptedPrompts prompts;
    CurveDatabase database(path, TestCurveFile::messageBoxes());
    CurveCollection collection(database);
    CurveData* held = collection.curve(1);
    QVERIFY(held);
    const int storedMethod = held->parameters().algorithm;
    CurveData edited = *held;
    STCparameters parameters = edited.parameters();
    parameters.algorithm = storedMethod == int(Method::Blaesser) ? int(Method::Anderson) : int(Method::Blaesser);
    edited.setParameters(parameters);
    QVERIFY(!collection.updateDetails(edited));
    AssignedModule module;
    module.moduleId = 12;
    QVERIFY(!collection.assignModule(1, module, STCparameters()));
    QCOMPARE(prompts.messageTexts(), QStringList({refused, refused}));
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QCOMPARE(held->parameters().algorithm, storedMethod);
    QCOMPARE(held->module().moduleId, 0u);
    CurveTable table(database);
    CurveData curve = importedCurve();
    QVERIFY(!table.insert(curve));
    QCOMPARE(prompts.last().message.text, refused);
    QCOMPARE(contentsOf(path), untouched);
}

void CurveDatabaseTest::compactionWantsAQuarterAndOneMebibyteFree_data()
{
    QTest::addColumn<qint64>("pages");
    QTest::addColumn<qint64>("freePages");
    QTest::addColumn<qint64>("pageSize");
    QTest::addColumn<bool>("worth");
    QTest::newRow("1 MiB, a quarter") << qint64(1024) << qint64(256) << qint64(4096) << true;
    QTest::newRow("a page short of 1 MiB") << qint64(1020) << qint64(255) << qint64(4096) << false;
    QTest::newRow("a page short of a quarter") << qint64(1025) << qint64(256) << qint64(4096) << false;
    QTest::newRow("1 MiB of 1 KiB pages") << qint64(4096) << qint64(1024) << qint64(1024) << true;
    QTest::newRow("49 MB, all but 1 MB free") << qint64(12544) << qint64(12288) << qint64(4096) << true;
    QTest::newRow("empty") << qint64(0) << qint64(0) << qint64(4096) << false;
}

void CurveDatabaseTest::compactionWantsAQuarterAndOneMebibyteFree()
{
    QFETCH(qint64, pages);
    QFETCH(qint64, freePages);
    QFETCH(qint64, pageSize);
    QFETCH(bool, worth);
    QCOMPARE(CurveFileUpkeep::worthCompacting(pages, freePages, pageSize), worth);
}

// 400 curves of 10 kB fill 4 MB; the 10 left need some 100 kB.
void CurveDatabaseTest::savingAfterRemovingMostCurvesShrinksTheFile()
{
    const QString path = fileWithCurves(400, 400);
    QVERIFY(QFileInfo(path).size() > 4000000);
    ScriptedPrompts prompts;
    {
        CurveDatabase database(path, TestCurveFile::messageBoxes());
        CurveTreeModel tree(database);
        QVERIFY(tree.load());
        QCOMPARE(tree.rowCount(), 400);
        QVERIFY(tree.removeRows(10, 390));
        QVERIFY(tree.save());
        QCOMPARE(single(database, QStringLiteral("SELECT count(*) FROM Curves")).toInt(), 10);
    }
    QVERIFY2(QFileInfo(path).size() < 500000, qPrintable(QString::number(QFileInfo(path).size())));
    QVERIFY(prompts.shown().isEmpty());
}

VELTRANO_TEST(CurveDatabaseTest)
#include "CurveDatabaseTest.moc"
