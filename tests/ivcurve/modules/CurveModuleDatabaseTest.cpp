#include "AssignedModule.h"
#include "CurveModuleDatabase.h"
#include "ModuleDatabaseFixture.h"
#include "ScriptedPrompts.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QFile>
#include <QTest>

using namespace IVCurve;

class CurveModuleDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void insertReadUpdateAndDeleteAModule();
    void dataSheetsFollowChangesToTheModules();
    void quotesAndLongDescriptionsAreStoredAsTyped();
    void brokenFileShowsTheDriverText_data();
    void brokenFileShowsTheDriverText();
    void nullsAndTextInNumericColumnsReadAsZero();
    void olderFileGainsCellsInSeriesAndKappa();
    void olderFileThatCannotBeWrittenIsStillRead();
};

void CurveModuleDatabaseTest::insertReadUpdateAndDeleteAModule()
{
    ModuleDatabaseFixture fixture;
    ScriptedPrompts prompts;
    CurveModuleDatabase modules(TestCurveFile::messageBoxes());
    CurveModuleRow row;
    row.description = "Zeta 400";
    row.Vmp = 33.4;
    row.beta = -0.115;
    row.userModule = true;
    QVERIFY(modules.insert(row));
    CurveModuleRow read;
    QVERIFY(modules.moduleById(row.id, read));
    QCOMPARE(read.description, QStringLiteral("Zeta 400"));
    QCOMPARE(read.Vmp, 33.4);
    QVERIFY(read.userModule && !read.favourite);

    read.Rs = 0.31;
    read.favourite = true;
    QVERIFY(modules.update(read));
    QVERIFY(modules.moduleById(row.id, read));
    QCOMPARE(read.Rs, 0.31);
    QVERIFY(read.favourite && read.userModule);
    QCOMPARE(modules.favourites().size(), 1);

    QVERIFY(modules.remove(row.id));
    QVERIFY(!modules.moduleById(row.id, read));
    QVERIFY(!modules.moduleById(0, read));
    QCOMPARE(fixture.count(), 32);
    QCOMPARE(prompts.shown().size(), 0);
}

// Data sheets are read once for many curves; a module changed, deleted or in another file is
// read afresh.
void CurveModuleDatabaseTest::dataSheetsFollowChangesToTheModules()
{
    ModuleDatabaseFixture fixture;
    CurveModuleDatabase modules(TestCurveFile::messageBoxes());
    CurveModuleRow row;
    row.description = "Kappa 310";
    row.Voc = 40.0;
    row.Isc = 10.0;
    row.Vmp = 32.0;
    row.Imp = 9.5;
    QVERIFY(modules.insert(row));
    AssignedModule module;
    module.moduleId = row.id;
    modules.lookUpDataSheet(module);
    QCOMPARE(module.Voc, 40.0);
    QCOMPARE(module.Impp, 9.5);

    row.Voc = 41.5;
    QVERIFY(modules.update(row));
    modules.lookUpDataSheet(module);
    QCOMPARE(module.Voc, 41.5);

    ModuleDatabaseFixture other;
    QVERIFY(other.execute(QStringLiteral("INSERT INTO Modules (_id, Description, Isc, Voc, Imp, Vmp, UserModule, "
                                         "Favourite) VALUES (%1, 'Other', 10, 45, 9.5, 32, 1, 0)")
                              .arg(row.id)));
    modules.lookUpDataSheet(module);
    QCOMPARE(module.Voc, 45.0);

    QVERIFY(modules.remove(row.id));
    AssignedModule gone;
    gone.moduleId = row.id;
    modules.lookUpDataSheet(gone);
    QCOMPARE(gone.Voc, 0.0);
}

void CurveModuleDatabaseTest::quotesAndLongDescriptionsAreStoredAsTyped()
{
    ModuleDatabaseFixture fixture;
    CurveModuleDatabase modules(TestCurveFile::messageBoxes());
    CurveModuleRow quoted;
    quoted.description = "O'Brien \"Solar\" 300'); DROP TABLE Modules; --";
    CurveModuleRow longName;
    longName.description = QString(10000, QLatin1Char('M'));
    QVERIFY(modules.insert(quoted) && modules.insert(longName));
    CurveModuleRow read;
    QVERIFY(modules.moduleById(quoted.id, read));
    QCOMPARE(read.description, quoted.description);
    QVERIFY(modules.moduleById(longName.id, read));
    QCOMPARE(read.description.size(), 10000);
    QCOMPARE(fixture.count(), 34);
}

void CurveModuleDatabaseTest::brokenFileShowsTheDriverText_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QByteArray>("replacement");
    QTest::addColumn<QString>("driverText");
    QTest::newRow("not SQLite") << QString() << QByteArray("Description;Isc\n").repeated(300) << "not a database";
    QTest::newRow("no table") << "DROP TABLE Modules" << QByteArray() << "no such table";
}

void CurveModuleDatabaseTest::brokenFileShowsTheDriverText()
{
    QFETCH(QString, statement);
    QFETCH(QByteArray, replacement);
    QFETCH(QString, driverText);
    ModuleDatabaseFixture fixture;
    if (!statement.isEmpty())
        QVERIFY(fixture.execute(statement));
    QFile file(fixture.path());
    if (!replacement.isEmpty()) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(replacement);
        file.close();
    }
    const qint64 size = file.size();
    ScriptedPrompts prompts;
    CurveModuleRow row;
    QVERIFY(CurveModuleDatabase(TestCurveFile::messageBoxes()).allModules().isEmpty());
    QVERIFY(!CurveModuleDatabase(TestCurveFile::messageBoxes()).insert(row));
    QCOMPARE(prompts.shown().size(), 2);
    const QString text = prompts.last().message.text;
    QVERIFY2(text.contains(driverText) && text.endsWith("Module database: " + fixture.path()), qPrintable(text));
    QCOMPARE(file.size(), size);
}

void CurveModuleDatabaseTest::nullsAndTextInNumericColumnsReadAsZero()
{
    ModuleDatabaseFixture fixture;
    QVERIFY(fixture.execute("INSERT INTO Modules (Description, Isc, Voc, UserModule, Favourite) "
                            "VALUES (NULL, 'eight point two', NULL, NULL, 'yes')"));
    ScriptedPrompts prompts;
    const QVector<CurveModuleRow> rows = CurveModuleDatabase(TestCurveFile::messageBoxes()).allModules();
    QCOMPARE(rows.size(), 33);
    QVERIFY(rows.first().description.isEmpty());
    QCOMPARE(rows.first().Isc, 0.0);
    QVERIFY(!rows.first().userModule && !rows.first().favourite);
    QCOMPARE(prompts.shown().size(), 0);
}

namespace {
// The table as files made before the cells in series and κ were kept have it.
bool makeOlderTable(const ModuleDatabaseFixture& fixture)
{
    return fixture.execute("DROP TABLE Modules")
        && fixture.execute("CREATE TABLE Modules ( _id INTEGER PRIMARY KEY , Description TEXT , Isc REAL , Voc REAL , "
                           "Imp REAL , Vmp REAL , alpha REAL , beta REAL , delta REAL , Rs REAL , "
                           "UserModule INTEGER DEFAULT 0 , Favourite INTEGER DEFAULT 0 )")
        && fixture.execute("INSERT INTO Modules (_id, Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs) "
                           "VALUES (7, 'Older 250', 8.9, 37.6, 8.3, 30.1, 0.0045, -0.12, 0.085, 0.3)");
}
} // namespace

void CurveModuleDatabaseTest::olderFileGainsCellsInSeriesAndKappa()
{
    ModuleDatabaseFixture fixture;
    QVERIFY(makeOlderTable(fixture));
    ScriptedPrompts prompts;
    CurveModuleDatabase modules;
    CurveModuleRow older;
    QVERIFY(modules.moduleById(7, older));
    QCOMPARE(older.Voc, 37.6);
    QCOMPARE(older.cellsInSeries, 0);
    QCOMPARE(older.kappa, 0.0);
    QCOMPARE(fixture.count("CellsInSeries IS NULL AND Kappa IS NULL"), 1);

    older.cellsInSeries = 60;
    older.kappa = 0.0021;
    QVERIFY(modules.update(older));
    CurveModuleRow added;
    added.description = "Newer 400";
    added.cellsInSeries = 1001;
    QVERIFY(modules.insert(added));
    CurveModuleRow read;
    QVERIFY(modules.moduleById(7, read));
    QCOMPARE(read.cellsInSeries, 60);
    QCOMPARE(read.kappa, 0.0021);
    AssignedModule module;
    module.moduleId = 7;
    modules.lookUpDataSheet(module);
    QCOMPARE(module.cellsInSeries, 60);
    // More cells than any module has read as unknown.
    QVERIFY(modules.moduleById(added.id, read));
    QCOMPARE(read.cellsInSeries, 0);
    QCOMPARE(prompts.shown().size(), 0);
}

void CurveModuleDatabaseTest::olderFileThatCannotBeWrittenIsStillRead()
{
    ModuleDatabaseFixture fixture;
    QVERIFY(makeOlderTable(fixture));
    QFile::setPermissions(fixture.path(), QFile::ReadOwner);
    ScriptedPrompts prompts;
    const QVector<CurveModuleRow> rows = CurveModuleDatabase().allModules();
    QFile::setPermissions(fixture.path(), QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().description, QStringLiteral("Older 250"));
    QCOMPARE(rows.first().cellsInSeries, 0);
    QCOMPARE(prompts.shown().size(), 0);
}

VELTRANO_TEST(CurveModuleDatabaseTest)
#include "CurveModuleDatabaseTest.moc"
