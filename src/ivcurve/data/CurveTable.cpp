#include "CurveTable.h"

#include "CurveData.h"
#include "CurveDatabase.h"
#include "CurveFileLimits.h"
#include "CurveNumberText.h"
#include "CurvePointsCodec.h"

#include <QDir>
#include <QLocale>
#include <QSqlError>
#include <QVariant>

#include <limits>

namespace IVCurve {

namespace {
const char* const InsertStatement =
    "INSERT INTO Curves (MemLocation,TestDate,TesterSerNo,Irradiance,AmbientTemp,CellTemp,Voc, Isc, Riso, Viso, "
    "Iclamp, Rpe, FF, Vmp, Imp, CurvePoints, FileVersion, STCAlgorithm) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);";

// The points come only when their length is within the limit, so that a hostile text is never
// fetched; its length comes last.
const char* const SelectStatement =
    "SELECT\tCurveID, CASE WHEN length(CurvePoints) <= %1 THEN CurvePoints END, MemLocation, TestDate, TesterSerNo, Irradiance, AmbientTemp, CellTemp, Voc, Isc, "
    "Riso, Viso, Iclamp, Rpe, FF, Vmp, Imp, STCAlgorithm, STC_alpha, STC_beta, STC_delta, STC_a, STC_b, STC_K, "
    "STC_Rs, ModuleID, ModuleSeries, ModuleParallel, FileVersion, length(CurvePoints), STC_N, STC_epsilon\t\tFROM Curves\t\tWHERE CurveID = ?";

const char* const UpdateDetailsStatement =
    "UPDATE Curves SET STCAlgorithm = :alg,STC_alpha = :alpha,STC_beta = :beta,STC_delta = :delta,STC_a = :a,"
    "STC_b = :b,STC_K = :K,STC_Rs = :Rs,ModuleID = :ModuleID,ModuleSeries = :series,ModuleParallel = :parallel,"
    "Irradiance = :G,AmbientTemp = :Ta,CellTemp = :Tpv WHERE CurveID = :CurveID;";

const char* const UpdateModuleStatement =
    "UPDATE Curves SET STC_alpha = :alpha,STC_beta = :beta,STC_delta = :delta,STC_Rs = :Rs,ModuleID = :ModuleID,"
    "ModuleSeries = :series,ModuleParallel = :parallel WHERE CurveID = :CurveID;";

// Columns of the SELECT, in order.
enum Column {
    ColCurveId, ColPoints, ColMemLocation, ColTestDate, ColSerNo, ColIrradiance, ColAmbient, ColCell, ColVoc,
    ColIsc, ColRiso, ColViso, ColIclamp, ColRpe, ColFF, ColVmp, ColImp, ColAlgorithm, ColAlpha, ColBeta, ColDelta,
    ColA, ColB, ColKappa, ColRs, ColModuleId, ColSeries, ColParallel, ColFileVersion, ColPointsLength, ColCellsInSeries, ColBandgap
};

// Written apart from the details, whose statement older versions share.
const char* const UpdateProcedure4Statement =
    "UPDATE Curves SET STC_N = :N,STC_epsilon = :epsilon WHERE CurveID = :CurveID;";

QString stored(const QString& userText)
{
    return CurveNumberText::toStorage(userText);
}

// A whole number of the file as unsigned; NULL, text, zero, negative or too large give `fallback`.
unsigned storedCount(const QVariant& value, unsigned fallback)
{
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number <= 0 || number > qlonglong(std::numeric_limits<unsigned>::max()))
        return fallback;
    return unsigned(number);
}

int storedInt(const QVariant& value, int fallback)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : fallback;
}

// A coefficient of the file over its default: only a value that reads as a number replaces it.
void readCoefficient(const QVariant& value, QString& coefficient)
{
    double number = 0.0;
    if (!value.isNull() && CurveNumberText::parseC(value.toString(), number))
        coefficient = CurveNumberText::userText(number);
}

CurveReadings readingsOf(const QSqlQuery& query)
{
    CurveReadings readings;
    readings.memLocation = storedInt(query.value(ColMemLocation), 0);
    readings.testDate = query.value(ColTestDate).toString();
    readings.testerSerNo = query.value(ColSerNo).toString();
    readings.irradiance = CurveNumberText::fromStorage(query.value(ColIrradiance));
    readings.ambientTemp = CurveNumberText::fromStorage(query.value(ColAmbient));
    readings.cellTemp = CurveNumberText::fromStorage(query.value(ColCell));
    readings.voc = CurveNumberText::fromStorage(query.value(ColVoc));
    readings.isc = CurveNumberText::fromStorage(query.value(ColIsc));
    readings.riso = CurveNumberText::fromStorage(query.value(ColRiso));
    readings.viso = CurveNumberText::fromStorage(query.value(ColViso));
    readings.iclamp = CurveNumberText::fromStorage(query.value(ColIclamp));
    readings.rpe = CurveNumberText::fromStorage(query.value(ColRpe));
    readings.ff = CurveNumberText::fromStorage(query.value(ColFF));
    readings.vmp = CurveNumberText::fromStorage(query.value(ColVmp));
    readings.imp = CurveNumberText::fromStorage(query.value(ColImp));
    readings.fileVersion = storedInt(query.value(ColFileVersion), 0);
    return readings;
}

STCparameters parametersOf(const QSqlQuery& query)
{
    STCparameters parameters;
    parameters.algorithm = storedInt(query.value(ColAlgorithm), int(Method::Anderson));
    readCoefficient(query.value(ColAlpha), parameters.alpha);
    readCoefficient(query.value(ColBeta), parameters.beta);
    readCoefficient(query.value(ColDelta), parameters.delta);
    readCoefficient(query.value(ColA), parameters.a);
    readCoefficient(query.value(ColB), parameters.b);
    readCoefficient(query.value(ColKappa), parameters.kappa);
    readCoefficient(query.value(ColRs), parameters.Rs);
    readCoefficient(query.value(ColBandgap), parameters.bandgap);
    const int cells = storedInt(query.value(ColCellsInSeries), 0);
    if (cells > 0)
        parameters.cellsInSeries = QLocale().toString(cells);
    return parameters;
}

AssignedModule layoutOf(const QSqlQuery& query)
{
    AssignedModule module;
    module.moduleId = storedCount(query.value(ColModuleId), 0);
    module.series = storedCount(query.value(ColSeries), 1);
    module.parallel = storedCount(query.value(ColParallel), 1);
    return module;
}

void bindModule(QSqlQuery& query, const CurveData& curve)
{
    const STCparameters& parameters = curve.parameters();
    const AssignedModule& module = curve.module();
    query.bindValue(QStringLiteral(":alpha"), stored(parameters.alpha));
    query.bindValue(QStringLiteral(":beta"), stored(parameters.beta));
    query.bindValue(QStringLiteral(":delta"), stored(parameters.delta));
    query.bindValue(QStringLiteral(":Rs"), stored(parameters.Rs));
    query.bindValue(QStringLiteral(":ModuleID"), module.moduleId);
    query.bindValue(QStringLiteral(":series"), module.series);
    query.bindValue(QStringLiteral(":parallel"), module.parallel);
    query.bindValue(QStringLiteral(":CurveID"), curve.curveId);
}
} // namespace

CurveTable::CurveTable(CurveDatabase& database)
    : database(database)
    , insertQuery(database.database())
    , selectQuery(database.database())
{
}

void CurveTable::reportFailure(const QSqlQuery& query)
{
    database.report({query.lastError().text(), QString()}, CurveFailureHandler::Weight::Critical);
}

bool CurveTable::execute(QSqlQuery& query)
{
    if (query.exec())
        return true;
    reportFailure(query);
    return false;
}

bool CurveTable::write(QSqlQuery& query)
{
    if (query.exec())
        return true;
    database.reportWriteFailure(query.lastError());
    return false;
}

// Prepared once for all the curves of an import: preparing took longer than the insert itself.
bool CurveTable::prepareInsert()
{
    if (insertPrepared)
        return true;
    insertPrepared = insertQuery.prepare(QString::fromLatin1(InsertStatement));
    if (!insertPrepared)
        reportFailure(insertQuery);
    return insertPrepared;
}

bool CurveTable::insert(CurveData& curve)
{
    if (!prepareInsert())
        return false;
    const CurveReadings& readings = curve.readings();
    // In the order of the statement's placeholders.
    for (const QVariant& value :
         {QVariant(readings.memLocation), QVariant(readings.testDate), QVariant(readings.testerSerNo),
          QVariant(stored(readings.irradiance)), QVariant(stored(readings.ambientTemp)),
          QVariant(stored(readings.cellTemp)), QVariant(stored(readings.voc)), QVariant(stored(readings.isc)),
          QVariant(stored(readings.riso)), QVariant(stored(readings.viso)), QVariant(stored(readings.iclamp)),
          QVariant(stored(readings.rpe)), QVariant(stored(readings.ff)), QVariant(stored(readings.vmp)),
          QVariant(stored(readings.imp)), QVariant(CurvePointsCodec::encode(curve)), QVariant(readings.fileVersion),
          // Written, so that a later change of the default leaves the method of stored curves alone.
          QVariant(curve.parameters().algorithm)})
        insertQuery.addBindValue(value);
    if (!write(insertQuery))
        return false;
    curve.curveId = insertQuery.lastInsertId().toInt();
    return true;
}

bool CurveTable::prepareSelect()
{
    if (selectPrepared)
        return true;
    selectPrepared =
        selectQuery.prepare(QString::fromLatin1(SelectStatement).arg(CurveFileLimits::maximumPointsTextLength));
    if (!selectPrepared) {
        reportFailure(selectQuery);
        // A file without the table gains it here, so that the next attempt can succeed.
        database.runCurveSchema();
    }
    return selectPrepared;
}

CurveTable::LoadResult CurveTable::load(int curveId, CurveData& curve)
{
    if (!prepareSelect())
        return LoadResult::Failed;
    selectQuery.addBindValue(curveId);
    if (!execute(selectQuery))
        return LoadResult::Failed;
    if (!selectQuery.next()) {
        selectQuery.finish();
        return LoadResult::NotFound;
    }
    const QString points = selectQuery.value(ColPoints).toString();
    if (!pointsWithinLimits(curveId, selectQuery.value(ColPointsLength).toLongLong(), points)) {
        selectQuery.finish();
        return LoadResult::Failed;
    }
    CurveData loaded;
    loaded.curveId = selectQuery.value(ColCurveId).toInt();
    loaded.setReadings(readingsOf(selectQuery));
    loaded.setParameters(parametersOf(selectQuery));
    loaded.setModule(layoutOf(selectQuery));
    CurvePointsCodec::decode(points, loaded);
    selectQuery.finish();
    curve = std::move(loaded);
    return LoadResult::Loaded;
}

bool CurveTable::pointsWithinLimits(int curveId, qint64 length, const QString& points)
{
    QString cause;
    if (length > CurveFileLimits::maximumPointsTextLength)
        cause = tr("its points take more than %1 characters", "Error Message").arg(CurveFileLimits::maximumPointsTextLength);
    else if (points.count(QLatin1Char('#')) >= CurveFileLimits::maximumPointsPerCurve)
        cause = tr("it has more than %1 points", "Error Message").arg(CurveFileLimits::maximumPointsPerCurve);
    if (cause.isEmpty())
        return true;
    database.report({tr("Curve %1 of %2 cannot be shown: %3.", "Error Message")
                         .arg(curveId)
                         .arg(QDir::toNativeSeparators(database.filePath()), cause),
                     QString()},
                    CurveFailureHandler::Weight::Warning);
    return false;
}

bool CurveTable::updateDetails(const CurveData& curve)
{
    QSqlQuery query(database.database());
    if (!query.prepare(QString::fromLatin1(UpdateDetailsStatement))) {
        reportFailure(query);
        return false;
    }
    const STCparameters& parameters = curve.parameters();
    const CurveReadings& readings = curve.readings();
    query.bindValue(QStringLiteral(":alg"), parameters.algorithm);
    query.bindValue(QStringLiteral(":a"), stored(parameters.a));
    query.bindValue(QStringLiteral(":b"), stored(parameters.b));
    query.bindValue(QStringLiteral(":K"), stored(parameters.kappa));
    query.bindValue(QStringLiteral(":G"), stored(readings.irradiance));
    query.bindValue(QStringLiteral(":Ta"), stored(readings.ambientTemp));
    query.bindValue(QStringLiteral(":Tpv"), stored(readings.cellTemp));
    bindModule(query, curve);
    return write(query) && updateProcedure4(curve);
}

// An N left empty is written as NULL, so that the module's data sheet goes on giving it.
bool CurveTable::updateProcedure4(const CurveData& curve)
{
    QSqlQuery query(database.database());
    if (!query.prepare(QString::fromLatin1(UpdateProcedure4Statement))) {
        reportFailure(query);
        return false;
    }
    const int cells = STCparameters::count(curve.parameters().cellsInSeries);
    query.bindValue(QStringLiteral(":N"), cells > 0 ? QVariant(cells) : QVariant(QVariant::Int));
    query.bindValue(QStringLiteral(":epsilon"), stored(curve.parameters().bandgap));
    query.bindValue(QStringLiteral(":CurveID"), curve.curveId);
    return write(query);
}

bool CurveTable::updateModule(const CurveData& curve)
{
    QSqlQuery query(database.database());
    if (!query.prepare(QString::fromLatin1(UpdateModuleStatement))) {
        reportFailure(query);
        return false;
    }
    bindModule(query, curve);
    return write(query);
}

} // namespace IVCurve
