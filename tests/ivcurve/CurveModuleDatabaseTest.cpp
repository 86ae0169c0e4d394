#include "CurveModuleDatabase.h"
#include "ModuleDatabaseFixture.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace IVCurve;

namespace {
CurveModuleRow userModule(const QString& description)
{
    CurveModuleRow row;
    row.description = description;
    row.Isc = 9.5;
    row.Voc = 40.1;
    row.Imp = 9.0;
    row.Vmp = 33.4;
    row.alpha = 0.0048;
    row.beta = -0.115;
    row.delta = 0.085;
    row.Rs = 0.28;
    row.userModule = true;
    return row;
}
} // namespace

class CurveModuleDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void insertReadUpdateAndDeleteAModule();
    void favouritesAreTheMarkedModulesOnly();
    void moduleByIdNeedsExactlyOneRow();
    void quotesAndLongDescriptionsAreStoredAsTyped();
    void missingFileWarnsOnEveryAttempt();
    void fileThatIsNotSqliteShowsTheDriverText();
    void fileWithoutTheTableShowsTheDriverText();
    void readOnlyFileRefusesChangesAndKeepsItsRows();
    void nullsAndTextInNumericColumnsReadAsZero();
};

void CurveModuleDatabaseTest::insertReadUpdateAndDeleteAModule()
{
    ModuleDatabaseFixture fixture;
    ScriptedPrompts prompts;
    CurveModuleDatabase modules;
    CurveModuleRow row = userModule("Zeta 400");
    QVERIFY(modules.insert(row));
    QVERIFY(row.id > 32);
    CurveModuleRow read;
    QVERIFY(modules.moduleById(row.id, read));
    QCOMPARE(read.description, QStringLiteral("Zeta 400"));
    QCOMPARE(read.Vmp, 33.4);
    QCOMPARE(read.beta, -0.115);
    QVERIFY(read.userModule && !read.favourite);
    QCOMPARE(modules.allModules().last().id, row.id);

    read.description = "Zeta 405";
    read.Rs = 0.31;
    read.favourite = true;
    QVERIFY(modules.update(read));
    CurveModuleRow updated;
    QVERIFY(modules.moduleById(row.id, updated));
    QCOMPARE(updated.description, QStringLiteral("Zeta 405"));
    QCOMPARE(updated.Rs, 0.31);
    QVERIFY(updated.favourite && updated.userModule);
    QCOMPARE(fixture.count(), 33);

    QVERIFY(modules.remove(row.id));
    QVERIFY(!modules.moduleById(row.id, updated));
    QCOMPARE(fixture.count(), 32);
    QCOMPARE(prompts.shown().size(), 0);
}

void CurveModuleDatabaseTest::favouritesAreTheMarkedModulesOnly()
{
    ModuleDatabaseFixture fixture;
    CurveModuleDatabase modules;
    QVERIFY(modules.favourites().isEmpty());
    QVERIFY(fixture.execute("UPDATE Modules SET Favourite = 1 WHERE Description LIKE 'Sharp%'"));
    const QVector<CurveModuleRow> favourites = modules.favourites();
    QVERIFY(favourites.size() >= 2);
    for (const CurveModuleRow& row : favourites)
        QVERIFY(row.description.startsWith("Sharp") && row.favourite);
}

void CurveModuleDatabaseTest::moduleByIdNeedsExactlyOneRow()
{
    ModuleDatabaseFixture fixture;
    CurveModuleRow row;
    row.description = "unchanged";
    QVERIFY(!CurveModuleDatabase().moduleById(0, row));
    QVERIFY(!CurveModuleDatabase().moduleById(9999, row));
    QCOMPARE(row.description, QStringLiteral("unchanged"));
    QVERIFY(CurveModuleDatabase().moduleById(1, row));
}

void CurveModuleDatabaseTest::quotesAndLongDescriptionsAreStoredAsTyped()
{
    ModuleDatabaseFixture fixture;
    CurveModuleDatabase modules;
    CurveModuleRow quoted = userModule("O'Brien \"Solar\" 300'); DROP TABLE Modules; --");
    CurveModuleRow longName = userModule(QString(10000, QLatin1Char('M')));
    QVERIFY(modules.insert(quoted));
    QVERIFY(modules.insert(longName));
    CurveModuleRow read;
    QVERIFY(modules.moduleById(quoted.id, read));
    QCOMPARE(read.description, quoted.description);
    QVERIFY(modules.moduleById(longName.id, read));
    QCOMPARE(read.description.size(), 10000);
    QCOMPARE(fixture.count(), 34);
}

void CurveModuleDatabaseTest::missingFileWarnsOnEveryAttempt()
{
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    const QString path = folder.filePath("modules.db");
    CurveModuleDatabase::relocate(path, {});
    CurveModuleDatabase modules;
    CurveModuleRow row = userModule("never stored");
    QVERIFY(!modules.isAvailable());
    QVERIFY(modules.allModules().isEmpty());
    QVERIFY(!modules.insert(row));
    QCOMPARE(row.id, 0u);
    QCOMPARE(prompts.shown().size(), 3);
    QCOMPARE(prompts.last().message.title, QStringLiteral("Arventa"));
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QCOMPARE(prompts.last().message.text, "File is missing:\n " + path);
    QVERIFY(!QFile::exists(path));
    CurveModuleDatabase::relocate(QString(), {});
}

void CurveModuleDatabaseTest::fileThatIsNotSqliteShowsTheDriverText()
{
    ModuleDatabaseFixture fixture;
    QFile file(fixture.path());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray bytes("Description;Isc\nnot a database at all\n");
    file.write(bytes.repeated(200));
    file.close();
    ScriptedPrompts prompts;
    CurveModuleRow row = userModule("never stored");
    QVERIFY(CurveModuleDatabase().allModules().isEmpty());
    QVERIFY(!CurveModuleDatabase().insert(row));
    QCOMPARE(prompts.shown().size(), 2);
    QVERIFY2(prompts.last().message.text.contains("not a database"), qPrintable(prompts.last().message.text));
    QCOMPARE(prompts.last().message.informativeText, "Module database: " + fixture.path());
    QCOMPARE(file.size(), bytes.size() * 200);
}

void CurveModuleDatabaseTest::fileWithoutTheTableShowsTheDriverText()
{
    ModuleDatabaseFixture fixture;
    QVERIFY(fixture.execute("DROP TABLE Modules"));
    ScriptedPrompts prompts;
    QVERIFY(CurveModuleDatabase().allModules().isEmpty());
    QVERIFY(!CurveModuleDatabase().remove(1));
    QCOMPARE(prompts.shown().size(), 2);
    QVERIFY(prompts.last().message.text.contains("no such table"));
}

void CurveModuleDatabaseTest::readOnlyFileRefusesChangesAndKeepsItsRows()
{
    ModuleDatabaseFixture fixture;
    QFile::setPermissions(fixture.path(), QFile::ReadOwner);
    if (QFile(fixture.path()).open(QIODevice::WriteOnly))
        QSKIP("running with permissions that ignore a read-only file");
    ScriptedPrompts prompts;
    CurveModuleDatabase modules;
    CurveModuleRow row = userModule("never stored");
    QCOMPARE(modules.allModules().size(), 32);
    QVERIFY(!modules.insert(row));
    QVERIFY(!modules.remove(1));
    QCOMPARE(prompts.shown().size(), 2);
    QVERIFY2(prompts.last().message.text.contains("readonly"), qPrintable(prompts.last().message.text));
    QCOMPARE(modules.allModules().size(), 32);
}

void CurveModuleDatabaseTest::nullsAndTextInNumericColumnsReadAsZero()
{
    ModuleDatabaseFixture fixture;
    QVERIFY(fixture.execute("INSERT INTO Modules (Description, Isc, Voc, UserModule, Favourite) "
                            "VALUES (NULL, 'eight point two', NULL, NULL, 'yes')"));
    ScriptedPrompts prompts;
    const QVector<CurveModuleRow> rows = CurveModuleDatabase().allModules();
    QCOMPARE(rows.size(), 33);
    const CurveModuleRow& odd = rows.first();
    QVERIFY(odd.description.isEmpty());
    QCOMPARE(odd.Isc, 0.0);
    QCOMPARE(odd.Voc, 0.0);
    QVERIFY(!odd.userModule && !odd.favourite);
    QCOMPARE(prompts.shown().size(), 0);
}

VELTRANO_TEST(CurveModuleDatabaseTest)
#include "CurveModuleDatabaseTest.moc"
