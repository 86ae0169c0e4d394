#include "CurveModuleDatabase.h"
#include "ModuleDatabaseFixture.h"
#include "ScriptedPrompts.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

using IVCurve::CurveModuleDatabase;

namespace {
const QString columns = QStringLiteral("Description, Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, UserModule, Favourite");

// `count` modules in place of the shipped ones, each described by `description`.
QStringList replacedModules(int count, const QString& description = QStringLiteral("'PV-M 300'"))
{
    return {QStringLiteral("DELETE FROM Modules"),
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "INSERT INTO Modules (%2) SELECT %3, 9.5, 40.1, 9, 33, 0.004, -0.12, 0.085, 0.3, 1, 0 FROM n")
                .arg(count)
                .arg(columns, description)};
}
} // namespace

class HostileModuleDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void limitsHoldBeforeAnyModuleIsRead_data();
    void limitsHoldBeforeAnyModuleIsRead();
    void fifoInPlaceOfTheFileIsRefused();
};

void HostileModuleDatabaseTest::limitsHoldBeforeAnyModuleIsRead_data()
{
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<int>("modules");
    QTest::addColumn<QString>("cause");
    const QString longText = QStringLiteral("a module's description is longer than 500 characters, or one of its values "
                                            "longer than 64");
    QTest::newRow("50,000 modules") << replacedModules(50000) << 50000 << QString();
    QTest::newRow("50,001 modules") << replacedModules(50001) << 0 << QStringLiteral("it holds more than 50000 modules");
    QTest::newRow("500-character description") << replacedModules(2, QStringLiteral("printf('%.500c', 'x')")) << 2
                                               << QString();
    QTest::newRow("501-character description") << replacedModules(2, QStringLiteral("printf('%.501c', 'x')")) << 0
                                               << longText;
    QTest::newRow("10 MB description") << replacedModules(1, QStringLiteral("printf('%.10000000c', 'x')")) << 0
                                       << longText;
    QTest::newRow("65-character text for Isc")
        << QStringList{QStringLiteral("UPDATE Modules SET Isc = printf('%.65c', 'x') WHERE _id = 1")} << 0 << longText;
    // SQLite's max() of several values is NULL when one is: a NULL must not hide a long value.
    QTest::newRow("NULL Isc beside a 65-character text for Voc")
        << QStringList{QStringLiteral("UPDATE Modules SET Isc = NULL, Voc = printf('%.65c', 'x') WHERE _id = 1")} << 0
        << longText;
    QTest::newRow("64-character text for Kappa")
        << QStringList{QStringLiteral("UPDATE Modules SET Kappa = printf('%.64c', 'x') WHERE _id = 1")} << 32 << QString();
    QTest::newRow("65-character text for CellsInSeries")
        << QStringList{QStringLiteral("UPDATE Modules SET CellsInSeries = printf('%.65c', 'x') WHERE _id = 1")} << 0
        << longText;
    // Never ended.
    QTest::newRow("recursive view")
        << QStringList{QStringLiteral("DROP TABLE Modules"),
                       QStringLiteral("CREATE VIEW Modules AS WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 "
                                      "FROM r) SELECT n AS _id, 'm' AS Description, 1 AS Isc, 1 AS Voc, 1 AS Imp, "
                                      "1 AS Vmp, 0 AS alpha, 0 AS beta, 0 AS delta, 0 AS Rs, 0 AS UserModule, "
                                      "0 AS Favourite FROM r")}
        << 0 << QStringLiteral("its Modules are not a plain table");
    QTest::newRow("generated description")
        << QStringList{QStringLiteral("DROP TABLE Modules"),
                       QStringLiteral("CREATE TABLE Modules (_id INTEGER PRIMARY KEY, Description TEXT GENERATED ALWAYS "
                                      "AS (hex(zeroblob(100000000))), Isc REAL, Voc REAL, Imp REAL, Vmp REAL, alpha REAL, "
                                      "beta REAL, delta REAL, Rs REAL, UserModule INTEGER, Favourite INTEGER)"),
                       QStringLiteral("INSERT INTO Modules (Isc) VALUES (1)")}
        << 0 << QStringLiteral("its Modules are not a plain table");
}

void HostileModuleDatabaseTest::limitsHoldBeforeAnyModuleIsRead()
{
    QFETCH(QStringList, statements);
    QFETCH(int, modules);
    QFETCH(QString, cause);
    ModuleDatabaseFixture fixture;
    for (const QString& statement : statements)
        QVERIFY2(fixture.execute(statement), qPrintable(statement));
    ScriptedPrompts prompts;
    QCOMPARE(CurveModuleDatabase(TestCurveFile::messageBoxes()).allModules().size(), modules);
    if (cause.isEmpty()) {
        QVERIFY(prompts.shown().isEmpty());
        return;
    }
    QCOMPARE(prompts.messageTexts(),
             QStringList{QStringLiteral("The module database %1 cannot be read: %2.\n\nReplace it with the copy installed "
                                        "with the program.")
                             .arg(QDir::toNativeSeparators(fixture.path()), cause)});
    QCOMPARE(prompts.last().message.title, QStringLiteral("Arventa"));
}

void HostileModuleDatabaseTest::fifoInPlaceOfTheFileIsRefused()
{
    ModuleDatabaseFixture fixture;
    QVERIFY(QFile::remove(fixture.path()));
    QCOMPARE(mkfifo(QFile::encodeName(fixture.path()).constData(), 0600), 0);
    ScriptedPrompts prompts;
    QVERIFY(!CurveModuleDatabase(TestCurveFile::messageBoxes()).isAvailable());
    QCOMPARE(prompts.messageTexts(),
             QStringList{QStringLiteral("The module database %1 cannot be read: it is not a regular file.\n\nReplace it "
                                        "with the copy installed with the program.")
                             .arg(QDir::toNativeSeparators(fixture.path()))});
}

VELTRANO_TEST(HostileModuleDatabaseTest)
#include "HostileModuleDatabaseTest.moc"
