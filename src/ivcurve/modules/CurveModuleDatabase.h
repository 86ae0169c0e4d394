#pragma once

#include "CurveFailureHandler.h"
#include "CurveModuleRow.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

struct AssignedModule;
class QSqlDatabase;
class QSqlQuery;

namespace IVCurve {

// The PV module database, one SQLite file shared by every curve window through one connection
// that is made on first use. Each object is a light handle that reports its failures (a missing
// file, the driver's error text) to the given handler; while the file is missing or
// cannot be opened every operation does nothing and returns an empty result.
class CurveModuleDatabase
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::CurveModuleDatabase)

public:
    // `failures` must outlive this object; without one the failures go unseen.
    explicit CurveModuleDatabase(CurveFailureHandler* failures = nullptr);

    // modules.db in the program's data folder, or where relocate() put it.
    static QString location();
    // For tests: another file and other shipped copies. An empty `file` restores the defaults.
    static void relocate(const QString& file, const QStringList& shippedCopies);

    bool isAvailable();
    QVector<CurveModuleRow> query(const QString& filter);
    QVector<CurveModuleRow> allModules();
    QVector<CurveModuleRow> favourites();
    // True only when exactly one module has that id.
    bool moduleById(uint id, CurveModuleRow& row);
    // Gives `module` the data-sheet values of its module id; leaves it as it is when there is
    // no such module.
    void lookUpDataSheet(AssignedModule& module);
    // Gives `row` the id of the new module.
    bool insert(CurveModuleRow& row);
    bool update(const CurveModuleRow& row);
    bool remove(uint id);

private:
    bool open(QSqlDatabase& database);
    static void forget(QSqlDatabase& database);
    void refuse(const QString& path, const QString& cause);
    bool prepare(QSqlQuery& query, const QString& statement);
    bool execute(QSqlQuery& query);
    void showError(const QString& driverText);
    void warn(const QString& text) const;

    CurveFailureHandler* failures;
};

} // namespace IVCurve
