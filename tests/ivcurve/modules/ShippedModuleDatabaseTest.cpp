#include "CurveModuleDatabase.h"
#include "ModuleDatabaseFixture.h"
#include "ScriptedPrompts.h"
#include "ShippedModuleDatabase.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace IVCurve;

namespace {
QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

class ShippedModuleDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void buildShipsTheThirtyTwoModules();
    void firstUseCopiesAWritableFileAndNeverOverwrites();
    void onlyWithoutAnyShippedCopyIsTheFileMissing();
};

void ShippedModuleDatabaseTest::buildShipsTheThirtyTwoModules()
{
    ModuleDatabaseFixture modules;
    const QVector<CurveModuleRow> rows = CurveModuleDatabase(TestCurveFile::messageBoxes()).allModules();
    QCOMPARE(rows.size(), 32);
    for (const CurveModuleRow& row : rows) {
        QVERIFY2(!row.userModule && !row.favourite, qPrintable(row.description));
        QVERIFY2(row.Isc > row.Imp && row.Voc > row.Vmp && row.beta < 0 && row.Rs > 0, qPrintable(row.description));
        QVERIFY(row.delta == 0.085 || row.delta == 0.110 || row.delta == 0.063);
        QVERIFY2(row.cellsInSeries >= 48 && row.cellsInSeries <= 270, qPrintable(row.description));
        QCOMPARE(row.kappa, 0.0);
    }
    // From the data sheets: 54 cells of a 200 W multi-crystalline module, 96 of a 315 W one.
    const auto cellsOf = [&rows](const QString& description) {
        for (const CurveModuleRow& row : rows) {
            if (row.description == description)
                return row.cellsInSeries;
        }
        return -1;
    };
    QCOMPARE(cellsOf("Kyocera KC200GT"), 54);
    QCOMPARE(cellsOf("SunPower SPR-315E-WHT-D"), 96);
}

void ShippedModuleDatabaseTest::firstUseCopiesAWritableFileAndNeverOverwrites()
{
    QTemporaryDir folder;
    const QString shipped = folder.filePath("shipped.db");
    QVERIFY(writeFile(shipped, "shipped"));
    QFile::setPermissions(shipped, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString target = folder.filePath("data/Torvane/modules.db");
    QVERIFY(ShippedModuleDatabase::installIfMissing(target, {folder.filePath("absent.db"), shipped}));
    QCOMPARE(contentsOf(target), QByteArray("shipped"));
    QVERIFY(QFile::permissions(target) & QFile::WriteOwner);

    QVERIFY(writeFile(target, "the user's modules"));
    QVERIFY(ShippedModuleDatabase::installIfMissing(target, {shipped}));
    QCOMPARE(contentsOf(target), QByteArray("the user's modules"));
}

void ShippedModuleDatabaseTest::onlyWithoutAnyShippedCopyIsTheFileMissing()
{
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    CurveModuleDatabase::relocate(folder.filePath("installed/modules.db"), {ModuleDatabaseFixture::shippedPath()});
    QCOMPARE(CurveModuleDatabase(TestCurveFile::messageBoxes()).allModules().size(), 32);
    QCOMPARE(prompts.shown().size(), 0);

    const QString missing = folder.filePath("nowhere/modules.db");
    CurveModuleDatabase::relocate(missing, {folder.filePath("no shipped copy.db")});
    CurveModuleRow row;
    row.description = "never stored";
    QVERIFY(CurveModuleDatabase(TestCurveFile::messageBoxes()).allModules().isEmpty());
    QVERIFY(!CurveModuleDatabase(TestCurveFile::messageBoxes()).insert(row));
    QCOMPARE(prompts.messageTexts(), (QStringList{"File is missing:\n " + missing, "File is missing:\n " + missing}));
    QCOMPARE(prompts.last().message.title, QStringLiteral("Arventa"));
    QVERIFY(!QFile::exists(missing));
    CurveModuleDatabase::relocate(QString(), {});
}

VELTRANO_TEST(ShippedModuleDatabaseTest)
#include "ShippedModuleDatabaseTest.moc"
