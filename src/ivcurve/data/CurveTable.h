#pragma once

#include <QCoreApplication>
#include <QSqlQuery>

class CurveData;
class CurveDatabase;

namespace IVCurve {

// The statements on table Curves. Every failure is reported and returned: a failed read with the
// driver's error text, a failed write with what it means for the file.
class CurveTable
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::CurveTable)

public:
    enum class LoadResult { Loaded, NotFound, Failed };

    explicit CurveTable(CurveDatabase& database);

    // Stores an imported curve (readings and points) and gives it the new CurveID.
    bool insert(CurveData& curve);
    // Reads the curve with `curveId` into `curve`: points, readings, settings over the defaults
    // and the module layout (the module's data-sheet values are not part of the file).
    LoadResult load(int curveId, CurveData& curve);
    // The details dialog's settings and conditions.
    bool updateDetails(const CurveData& curve);
    // The assigned module and the coefficients that come with it.
    bool updateModule(const CurveData& curve);

private:
    bool prepareInsert();
    bool prepareSelect();
    bool updateProcedure4(const CurveData& curve);
    // Reports why the points of a curve are not decoded, when they pass the limits.
    bool pointsWithinLimits(int curveId, qint64 length, const QString& points);
    bool execute(QSqlQuery& query);
    bool write(QSqlQuery& query);
    void reportFailure(const QSqlQuery& query);

    CurveDatabase& database;
    QSqlQuery insertQuery;
    bool insertPrepared = false;
    QSqlQuery selectQuery;
    bool selectPrepared = false;
};

} // namespace IVCurve
