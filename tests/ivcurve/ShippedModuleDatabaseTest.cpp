#include "CurveModuleDatabase.h"
#include "ModuleDatabaseFixture.h"
#include "ScriptedPrompts.h"
#include "ShippedModuleDatabase.h"
#include "TestMain.h"

#include <QFile>
#include <QFileInfo>
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
    void firstUseCopiesTheFirstShippedFileThatExists();
    void existingFileIsNeverOverwritten();
    void readOnlyShippedCopyGivesAWritableUserCopy();
    void programInstallsOnFirstUseAndWarnsOnlyWithoutShippedCopy();
};

void ShippedModuleDatabaseTest::buildShipsTheThirtyTwoModules()
{
    ModuleDatabaseFixture modules;
    const QVector<CurveModuleRow> rows = CurveModuleDatabase().allModules();
    QCOMPARE(rows.size(), 32);
    for (int i = 1; i < rows.size(); ++i)
        QVERIFY(rows.at(i - 1).description <= rows.at(i).description);
    auto kyocera = std::find_if(rows.begin(), rows.end(),
                                [](const CurveModuleRow& row) { return row.description == "Kyocera KC200GT"; });
    QVERIFY(kyocera != rows.end());
    QCOMPARE(kyocera->Isc, 8.21);
    QCOMPARE(kyocera->Vmp, 26.3);
    QCOMPARE(kyocera->beta, -0.1168);
    QCOMPARE(kyocera->delta, 0.110);
    QCOMPARE(kyocera->Rs, 0.325);
    for (const CurveModuleRow& row : rows) {
        QVERIFY2(!row.userModule && !row.favourite, qPrintable(row.description));
        QVERIFY2(row.Isc > row.Imp && row.Voc > row.Vmp && row.alpha > 0 && row.beta < 0, qPrintable(row.description));
    }
}

void ShippedModuleDatabaseTest::firstUseCopiesTheFirstShippedFileThatExists()
{
    QTemporaryDir folder;
    const QString first = folder.filePath("first.db");
    const QString second = folder.filePath("second.db");
    QVERIFY(writeFile(second, "second"));
    const QString target = folder.filePath("data/Torvane/modules.db");
    QVERIFY(ShippedModuleDatabase::installIfMissing(target, {first, second}));
    QCOMPARE(contentsOf(target), QByteArray("second"));

    QVERIFY(!ShippedModuleDatabase::installIfMissing(folder.filePath("other.db"), {first}));
    QVERIFY(!QFileInfo::exists(folder.filePath("other.db")));
}

void ShippedModuleDatabaseTest::existingFileIsNeverOverwritten()
{
    QTemporaryDir folder;
    const QString shipped = folder.filePath("shipped.db");
    const QString target = folder.filePath("modules.db");
    QVERIFY(writeFile(shipped, "shipped"));
    QVERIFY(writeFile(target, "the user's modules"));
    QVERIFY(ShippedModuleDatabase::installIfMissing(target, {shipped}));
    QCOMPARE(contentsOf(target), QByteArray("the user's modules"));
}

void ShippedModuleDatabaseTest::readOnlyShippedCopyGivesAWritableUserCopy()
{
    QTemporaryDir folder;
    const QString shipped = folder.filePath("shipped.db");
    QVERIFY(writeFile(shipped, "shipped"));
    QFile::setPermissions(shipped, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString target = folder.filePath("modules.db");
    QVERIFY(ShippedModuleDatabase::installIfMissing(target, {shipped}));
    QVERIFY(QFile::permissions(target) & QFile::WriteOwner);
}

void ShippedModuleDatabaseTest::programInstallsOnFirstUseAndWarnsOnlyWithoutShippedCopy()
{
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    const QString target = folder.filePath("installed/modules.db");
    CurveModuleDatabase::relocate(target, {ModuleDatabaseFixture::shippedPath()});
    QCOMPARE(CurveModuleDatabase().allModules().size(), 32);
    QCOMPARE(prompts.shown().size(), 0);

    const QString missing = folder.filePath("nowhere/modules.db");
    CurveModuleDatabase::relocate(missing, {folder.filePath("no shipped copy.db")});
    QVERIFY(CurveModuleDatabase().allModules().isEmpty());
    QCOMPARE(prompts.messageTexts(), QStringList{"File is missing:\n " + missing});
    CurveModuleDatabase::relocate(QString(), {});
}

VELTRANO_TEST(ShippedModuleDatabaseTest)
#include "ShippedModuleDatabaseTest.moc"
