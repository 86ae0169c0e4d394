// Compares loading 1,000 curves of 250 points from a curve file, each with its STC and nominal
// curve built and its module looked up in a module database as the program does, against a bare
// query loop that reads the same rows as text. Loading them again with the diagnosis of every
// curve, all filed in one folder so that each has 999 siblings, as the program does when it shows
// them. Goal: both within 3x.
#include "CurveCollection.h"
#include "CurveData.h"
#include "CurveDatabase.h"
#include "CurveFindings.h"
#include "CurveModuleAssignment.h"
#include "CurveModuleDatabase.h"
#include "CurveTable.h"
#include "ShippedModuleDatabase.h"
#include "TreeItem.h"

#include "BestOf.h"

#include <QApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
constexpr int Curves = 1000;
constexpr int PointsPerCurve = 250;
constexpr unsigned ModuleId = 7;

CurveData measuredCurve(int index)
{
    CurveData curve;
    CurveReadings readings;
    readings.memLocation = index + 1;
    readings.testDate = QStringLiteral("2026-07-03T09:00:00");
    readings.testerSerNo = QStringLiteral("23104877");
    readings.irradiance = QStringLiteral("697");
    readings.ambientTemp = QStringLiteral("24.5");
    readings.cellTemp = QStringLiteral("41.2");
    readings.voc = QStringLiteral("349.4");
    readings.isc = QStringLiteral("6.5");
    readings.fileVersion = index % 2;
    curve.setReadings(readings);
    for (int point = 0; point < PointsPerCurve; ++point)
        curve.addPoint(point * 1.4, 6.5 - point * 0.026, 690 + point % 17);
    return curve;
}

bool fill(CurveDatabase& database)
{
    IVCurve::CurveTable table(database);
    QSqlDatabase db = database.database();
    db.transaction();
    for (int i = 0; i < Curves; ++i) {
        CurveData curve = measuredCurve(i);
        if (!table.insert(curve))
            return false;
    }
    QSqlQuery(db).exec(QStringLiteral("UPDATE Curves SET STCAlgorithm = CurveID % 3, ModuleID = %1, ModuleSeries = 12")
                           .arg(ModuleId));
    return db.commit();
}

int loadAll(CurveDatabase& database)
{
    IVCurve::CurveCollection collection(database);
    collection.setModuleLookup(IVCurve::CurveModuleAssignment::databaseLookup(nullptr));
    int points = 0;
    for (int id = 1; id <= Curves; ++id) {
        CurveData* curve = collection.curve(id);
        points += curve->stcCurve(true).points().size() + curve->nominalCurve().points().size();
    }
    return points;
}

int loadAndDiagnoseAll(CurveDatabase& database)
{
    IVCurve::CurveCollection collection(database);
    collection.setModuleLookup(IVCurve::CurveModuleAssignment::databaseLookup(nullptr));
    IVCurve::CurveFindings findings(collection);
    IVCurve::TreeItem folder;
    for (int id = 1; id <= Curves; ++id) {
        auto node = std::make_unique<IVCurve::TreeItem>();
        node->setValue(IVCurve::TreeItem::CurveId, id);
        folder.insertChild(folder.childCount(), std::move(node));
    }
    int found = 0;
    for (int row = 0; row < folder.childCount(); ++row) {
        const IVCurve::TreeItem* item = folder.child(row);
        CurveData* curve = collection.curve(item->value(IVCurve::TreeItem::CurveId).toInt());
        found += curve->stcCurve(true).points().size() + curve->nominalCurve().points().size();
        found += findings.findingsOf(item).size();
    }
    return found;
}

int readAsText(CurveDatabase& database)
{
    QSqlQuery query(database.database());
    query.prepare(QStringLiteral(
        "SELECT CurveID, CurvePoints, MemLocation, TestDate, TesterSerNo, Irradiance, AmbientTemp, CellTemp, Voc, "
        "Isc, Riso, Viso, Iclamp, Rpe, FF, Vmp, Imp, STCAlgorithm, STC_alpha, STC_beta, STC_delta, STC_a, STC_b, "
        "STC_K, STC_Rs, ModuleID, ModuleSeries, ModuleParallel, FileVersion FROM Curves WHERE CurveID = ?"));
    int characters = 0;
    for (int id = 1; id <= Curves; ++id) {
        query.addBindValue(id);
        query.exec();
        while (query.next()) {
            for (int column = 0; column < 29; ++column)
                characters += query.value(column).toString().size();
        }
    }
    return characters;
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.arvcrv"));
    IVCurve::CurveModuleDatabase::relocate(folder.filePath(QStringLiteral("modules.db")),
                                           IVCurve::ShippedModuleDatabase::copies());
    if (!IVCurve::CurveModuleDatabase().isAvailable()) {
        out << "No module database beside the program\n";
        return 1;
    }
    int checksum = 0;
    {
        CurveDatabase database(path);
        if (!database.isOpen() || !fill(database)) {
            out << "Cannot make " << path << "\n";
            return 1;
        }
        const qint64 load = bestOf(7, [&] { checksum += loadAll(database); });
        const qint64 bare = bestOf(7, [&] { checksum += readAsText(database); });
        const qint64 diagnosed = bestOf(7, [&] { checksum += loadAndDiagnoseAll(database); });
        out << "Loading " << Curves << " curves of " << PointsPerCurve << " points with STC and nominal curves: "
            << load / 1000000.0 << " ms\n"
            << "Reading the same rows as text with a bare query: " << bare / 1000000.0 << " ms\n"
            << "The same with the diagnosis of every curve, all in one folder: " << diagnosed / 1000000.0
            << " ms\n"
            << "Ratio: " << double(load) / double(bare) << " (goal within 3x: "
            << (double(load) / double(bare) <= 3.0 ? "met" : "NOT met") << ")\n"
            << "Ratio with the diagnosis: " << double(diagnosed) / double(bare) << " (goal within 3x: "
            << (double(diagnosed) / double(bare) <= 3.0 ? "met" : "NOT met") << ")\n";
    }
    return checksum > 0 ? 0 : 1;
}
