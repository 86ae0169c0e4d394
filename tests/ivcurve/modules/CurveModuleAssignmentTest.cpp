#include "CurveCollection.h"
#include "CurveData.h"
#include "CurveDatabase.h"
#include "CurveModuleAssignment.h"
#include "CurveModuleDatabase.h"
#include "CurveTable.h"
#include "ModuleDatabaseFixture.h"
#include "ScriptedPrompts.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace IVCurve;

namespace {
CurveModuleRow moduleNamed(const QString& description)
{
    for (const CurveModuleRow& module : CurveModuleDatabase(TestCurveFile::messageBoxes()).allModules()) {
        if (module.description == description)
            return module;
    }
    return {};
}

int storedCurve(CurveDatabase& database)
{
    CurveData curve;
    for (int step = 0; step <= 10; ++step)
        curve.addPoint(30.0 * step, 8.0 - 0.05 * step * step, 0.0);
    return CurveTable(database).insert(curve) ? curve.curveId : 0;
}

QVariantList storedModuleColumns(CurveDatabase& database, int curveId)
{
    QSqlQuery query(database.database());
    query.exec(QStringLiteral("SELECT ModuleID, ModuleSeries, ModuleParallel, STC_beta, STC_Rs FROM Curves "
                              "WHERE CurveID = %1").arg(curveId));
    if (!query.next())
        return {};
    return {query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt(), query.value(3).toDouble(),
            query.value(4).toDouble()};
}
} // namespace

class CurveModuleAssignmentTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void assignmentResetsParallelAndRebuildsTheNominalCurve();
    void loadedCurveLearnsItsModulesDataSheet();
    void aCurveThatCannotBeLoadedStopsNoOther();
    void kappaOfTheModuleComesAlongWhenItHasOne();

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<ModuleDatabaseFixture> modules;
};

void CurveModuleAssignmentTest::init()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    folder = std::make_unique<QTemporaryDir>();
    modules = std::make_unique<ModuleDatabaseFixture>();
}

void CurveModuleAssignmentTest::cleanup()
{
    modules.reset();
    folder.reset();
    QLocale::setDefault(QLocale::c());
}

void CurveModuleAssignmentTest::assignmentResetsParallelAndRebuildsTheNominalCurve()
{
    ScriptedPrompts prompts;
    CurveDatabase database(folder->filePath("strings.arvcrv"), TestCurveFile::messageBoxes());
    const int first = storedCurve(database);
    const int second = storedCurve(database);
    QVERIFY(QSqlQuery(database.database()).exec("UPDATE Curves SET ModuleParallel = 3, ModuleSeries = 2"));
    CurveCollection curves(database);
    curves.setModuleLookup(CurveModuleAssignment::databaseLookup(TestCurveFile::messageBoxes()));
    QCOMPARE(curves.curve(first)->module().parallel, 3u);
    QVERIFY(curves.curve(first)->nominalCurve().isEmpty());

    const CurveModuleRow kyocera = moduleNamed("Kyocera KC200GT");
    QCOMPARE(CurveModuleAssignment::assign(curves, {first, second}, kyocera, 10), (QList<int>{first, second}));
    for (int curveId : {first, second}) {
        QCOMPARE(storedModuleColumns(database, curveId),
                 (QVariantList{int(kyocera.id), 10, 1, -0.1168, 0.325}));
        CurveData* curve = curves.curve(curveId);
        QCOMPARE(curve->module().moduleId, kyocera.id);
        QCOMPARE(curve->module().series, 10u);
        QCOMPARE(curve->module().parallel, 1u);
        QCOMPARE(curve->parameters().beta, QStringLiteral("-0,1168"));
        QCOMPARE(curve->parameters().delta, QStringLiteral("0,11"));
        const CurveData& nominal = curve->nominalCurve();
        QCOMPARE(nominal.points().size(), 128);
        QCOMPARE(nominal.points().last(), QPointF(329.0, 0.0));
        QVERIFY(qAbs(nominal.points().first().y() - 8.21) < 0.01);
    }
    QCOMPARE(prompts.shown().size(), 0);
}

void CurveModuleAssignmentTest::loadedCurveLearnsItsModulesDataSheet()
{
    CurveDatabase database(folder->filePath("strings.arvcrv"), TestCurveFile::messageBoxes());
    const int known = storedCurve(database);
    const int unknown = storedCurve(database);
    const CurveModuleRow sharp = moduleNamed("Sharp ND-224UC1");
    QSqlQuery(database.database()).exec(QStringLiteral("UPDATE Curves SET ModuleID = %1").arg(sharp.id));
    QSqlQuery(database.database()).exec(QStringLiteral("UPDATE Curves SET ModuleID = 999 WHERE CurveID = %1").arg(unknown));
    CurveCollection curves(database);
    curves.setModuleLookup(CurveModuleAssignment::databaseLookup(TestCurveFile::messageBoxes()));
    const AssignedModule& module = curves.curve(known)->module();
    QCOMPARE(module.Voc, 36.6);
    QCOMPARE(module.Impp, 7.66);
    QVERIFY(module.shape != 0.0);
    QCOMPARE(curves.curve(unknown)->module().Voc, 0.0);
    QVERIFY(curves.curve(unknown)->nominalCurve().isEmpty());
}

// A node may refer to a curve that its file no longer has: the other strings still get the module.
void CurveModuleAssignmentTest::aCurveThatCannotBeLoadedStopsNoOther()
{
    ScriptedPrompts prompts;
    CurveDatabase database(folder->filePath("strings.arvcrv"), TestCurveFile::messageBoxes());
    const int first = storedCurve(database);
    const int second = storedCurve(database);
    CurveCollection curves(database);
    const CurveModuleRow sharp = moduleNamed("Sharp ND-224UC1");
    const auto assigned = CurveModuleAssignment::assign(curves, {first, 999, second}, sharp, 8);
    QCOMPARE(curves.curve(second)->module().moduleId, sharp.id);
    QCOMPARE(storedModuleColumns(database, second).mid(0, 3), (QVariantList{int(sharp.id), 8, 1}));
    QCOMPARE(curves.curve(first)->module().series, 8u);
    QCOMPARE(assigned, (QList<int>{first, second}));
    QCOMPARE(prompts.shown().size(), 0);
}

// A κ determined from the user's curves and kept with the module reaches the strings later given
// that module; a module without one leaves each curve its own, and the cells in series come along.
void CurveModuleAssignmentTest::kappaOfTheModuleComesAlongWhenItHasOne()
{
    ScriptedPrompts prompts;
    CurveDatabase database(folder->filePath("strings.arvcrv"));
    const int first = storedCurve(database);
    CurveCollection curves(database);
    CurveData edited = *curves.curve(first);
    STCparameters parameters = edited.parameters();
    parameters.kappa = QStringLiteral("0,004");
    edited.setParameters(parameters);
    QVERIFY(curves.updateDetails(edited));

    CurveModuleRow kyocera = moduleNamed("Kyocera KC200GT");
    QCOMPARE(CurveModuleAssignment::assign(curves, {first}, kyocera, 10), QList<int>{first});
    QCOMPARE(curves.curve(first)->parameters().kappa, QStringLiteral("0,004"));
    QCOMPARE(curves.curve(first)->module().cellsInSeries, 54);

    kyocera.kappa = 0.0021;
    QCOMPARE(CurveModuleAssignment::assign(curves, {first}, kyocera, 10), QList<int>{first});
    QCOMPARE(curves.curve(first)->parameters().kappa, QStringLiteral("0,0021"));
    QSqlQuery stored(database.database());
    QVERIFY(stored.exec(QStringLiteral("SELECT STC_K FROM Curves WHERE CurveID = %1").arg(first)) && stored.next());
    QCOMPARE(stored.value(0).toDouble(), 0.0021);
    QCOMPARE(prompts.shown().size(), 0);
}

VELTRANO_TEST(CurveModuleAssignmentTest)
#include "CurveModuleAssignmentTest.moc"
