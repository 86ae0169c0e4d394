#include "CurveModuleDatabase.h"

#include "AssignedModule.h"
#include "CurveFileLimits.h"
#include "Folders.h"
#include "ModuleDatabaseCheck.h"
#include "ShippedModuleDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>

namespace IVCurve {

namespace {
struct Location
{
    QString file;
    QStringList shippedCopies;
};

Location& relocated()
{
    static Location location;
    return location;
}

// Data sheets already read, by module id: opening a file of a thousand curves asks for the same
// few modules a thousand times. Every change to the modules, and a move to another file, empties it.
QHash<uint, CurveModuleRow>& knownModules()
{
    static QHash<uint, CurveModuleRow> rows;
    return rows;
}

QStringList shippedCopies()
{
    return relocated().file.isEmpty() ? ShippedModuleDatabase::copies() : relocated().shippedCopies;
}

// A value the STC methods cannot work with reads as missing.
double finiteValue(const QVariant& value)
{
    const double number = value.toDouble();
    return std::isfinite(number) ? number : 0.0;
}

int cellsInSeriesOf(const QVariant& value)
{
    bool ok = false;
    const int cells = value.toInt(&ok);
    return ok && cells > 0 && cells <= CurveFileLimits::maximumCellsInSeries ? cells : 0;
}

// Files from before a column existed gain it when first opened; a file that may not be written
// goes on being read without it.
void addLaterColumns(QSqlDatabase& database)
{
    for (const char* column : {"CellsInSeries INTEGER", "Kappa REAL"}) {
        QSqlQuery query(database);
        query.exec(QStringLiteral("ALTER TABLE Modules ADD COLUMN ") + QLatin1String(column));
    }
}

QString laterColumns(QSqlDatabase& database)
{
    QSqlQuery query(database);
    const bool present = query.exec(QStringLiteral("SELECT count(*) FROM pragma_table_info('Modules') "
                                                   "WHERE name IN ('CellsInSeries', 'Kappa')"))
        && query.next() && query.value(0).toInt() == 2;
    return present ? QStringLiteral("CellsInSeries, Kappa") : QStringLiteral("NULL, NULL");
}

CurveModuleRow rowAt(const QSqlQuery& query)
{
    CurveModuleRow row;
    row.id = query.value(0).toUInt();
    row.description = query.value(1).toString();
    row.Isc = finiteValue(query.value(2));
    row.Voc = finiteValue(query.value(3));
    row.Imp = finiteValue(query.value(4));
    row.Vmp = finiteValue(query.value(5));
    row.alpha = finiteValue(query.value(6));
    row.beta = finiteValue(query.value(7));
    row.delta = finiteValue(query.value(8));
    row.Rs = finiteValue(query.value(9));
    row.userModule = query.value(10).toInt() != 0;
    row.favourite = query.value(11).toInt() != 0;
    row.cellsInSeries = cellsInSeriesOf(query.value(12));
    row.kappa = finiteValue(query.value(13));
    return row;
}

// Bound as NULL when unknown, so that the file says so rather than claiming a module of no cells.
QVariant storedCells(int cells)
{
    return cells > 0 ? QVariant(cells) : QVariant(QVariant::Int);
}

void bindValues(QSqlQuery& query, const CurveModuleRow& row, const QString& descriptionName,
                const QString& userName, const QString& favouriteName)
{
    query.bindValue(descriptionName, row.description);
    query.bindValue(QStringLiteral(":Isc"), row.Isc);
    query.bindValue(QStringLiteral(":Voc"), row.Voc);
    query.bindValue(QStringLiteral(":Imp"), row.Imp);
    query.bindValue(QStringLiteral(":Vmp"), row.Vmp);
    query.bindValue(QStringLiteral(":alpha"), row.alpha);
    query.bindValue(QStringLiteral(":beta"), row.beta);
    query.bindValue(QStringLiteral(":delta"), row.delta);
    query.bindValue(QStringLiteral(":Rs"), row.Rs);
    query.bindValue(QStringLiteral(":cells"), storedCells(row.cellsInSeries));
    query.bindValue(QStringLiteral(":kappa"), row.kappa);
    query.bindValue(userName, row.userModule ? 1 : 0);
    query.bindValue(favouriteName, row.favourite ? 1 : 0);
}
} // namespace

CurveModuleDatabase::CurveModuleDatabase(CurveFailureHandler* failures)
    : failures(failures)
{
}

QString CurveModuleDatabase::location()
{
    if (!relocated().file.isEmpty())
        return relocated().file;
    const QString folder = QFileInfo(Folders::instance().dataFolder()).canonicalFilePath();
    return QDir::toNativeSeparators(folder) + QDir::separator() + QStringLiteral("modules.db");
}

void CurveModuleDatabase::relocate(const QString& file, const QStringList& shippedCopies)
{
    relocated() = {file, shippedCopies};
    knownModules().clear();
}

bool CurveModuleDatabase::isAvailable()
{
    QSqlDatabase database;
    return open(database);
}

bool CurveModuleDatabase::open(QSqlDatabase& database)
{
    const QString path = location();
    if (QSqlDatabase::contains(path)) {
        database = QSqlDatabase::database(path);
        return database.isOpen();
    }
    if (!ShippedModuleDatabase::installIfMissing(path, shippedCopies())) {
        warn(tr("File is missing:\n %1", "Error Message").arg(path));
        return false;
    }
    QString cause = ModuleDatabaseCheck::beforeOpening(path);
    if (!cause.isEmpty()) {
        refuse(path, cause);
        return false;
    }
    database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
    database.setDatabaseName(path);
    if (!database.open()) {
        const QString driverText = database.lastError().text();
        forget(database);
        showError(driverText);
        return false;
    }
    addLaterColumns(database);
    cause = ModuleDatabaseCheck::ofContents(database);
    if (cause.isEmpty())
        return true;
    forget(database);
    refuse(path, cause);
    return false;
}

// A later attempt tries again, after the user has had a chance to mend the file.
void CurveModuleDatabase::forget(QSqlDatabase& database)
{
    knownModules().clear();
    const QString name = database.connectionName();
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

void CurveModuleDatabase::refuse(const QString& path, const QString& cause)
{
    warn(tr("The module database %1 cannot be read: %2.\n\nReplace it with the copy installed with the program.",
            "Error Message")
             .arg(QDir::toNativeSeparators(path), cause));
}

bool CurveModuleDatabase::prepare(QSqlQuery& query, const QString& statement)
{
    if (query.prepare(statement))
        return true;
    showError(query.lastError().text());
    return false;
}

bool CurveModuleDatabase::execute(QSqlQuery& query)
{
    if (query.exec())
        return true;
    showError(query.lastError().text());
    return false;
}

void CurveModuleDatabase::showError(const QString& driverText)
{
    warn(tr("%1\n\nModule database: %2", "Error Message").arg(driverText, location()));
}

void CurveModuleDatabase::warn(const QString& text) const
{
    if (failures)
        failures->failed({text, QString()}, CurveFailureHandler::Weight::Warning);
}

QVector<CurveModuleRow> CurveModuleDatabase::query(const QString& filter)
{
    QSqlDatabase database;
    if (!open(database))
        return {};
    QSqlQuery query(database);
    query.setForwardOnly(true);
    const QString statement = QStringLiteral("SELECT _id, Description , Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, "
                                             "UserModule, Favourite, %1 FROM Modules WHERE (").arg(laterColumns(database))
                              + filter + QStringLiteral(") ORDER BY Description LIMIT %1;").arg(CurveFileLimits::maximumModules);
    if (!prepare(query, statement) || !execute(query))
        return {};
    QVector<CurveModuleRow> rows;
    while (query.next())
        rows.append(rowAt(query));
    return rows;
}

QVector<CurveModuleRow> CurveModuleDatabase::allModules()
{
    return query(QStringLiteral("1=1"));
}

QVector<CurveModuleRow> CurveModuleDatabase::favourites()
{
    return query(QStringLiteral("Favourite=1"));
}

bool CurveModuleDatabase::moduleById(uint id, CurveModuleRow& row)
{
    const QVector<CurveModuleRow> rows = query(QStringLiteral("_id=") + QString::number(id));
    if (rows.size() != 1)
        return false;
    row = rows.first();
    return true;
}

void CurveModuleDatabase::lookUpDataSheet(AssignedModule& module)
{
    auto known = knownModules().constFind(module.moduleId);
    if (known == knownModules().constEnd()) {
        CurveModuleRow row;
        if (!moduleById(module.moduleId, row))
            return;
        known = knownModules().insert(module.moduleId, row);
    }
    module.setDataSheet(known->Voc, known->Isc, known->Vmp, known->Imp);
    module.cellsInSeries = known->cellsInSeries;
}

bool CurveModuleDatabase::insert(CurveModuleRow& row)
{
    knownModules().clear();
    QSqlDatabase database;
    if (!open(database))
        return false;
    QSqlQuery query(database);
    if (!prepare(query, QStringLiteral("INSERT INTO Modules (Description , Isc, Voc, Imp, Vmp, alpha, beta, delta, Rs, "
                                 "UserModule, Favourite, CellsInSeries, Kappa) VALUES (:desc , :Isc, :Voc, :Imp, :Vmp, "
                                 ":alpha, :beta, :delta, :Rs, :UserModule, :Favourite, :cells, :kappa);")))
        return false;
    bindValues(query, row, QStringLiteral(":desc"), QStringLiteral(":UserModule"), QStringLiteral(":Favourite"));
    if (!execute(query))
        return false;
    row.id = query.lastInsertId().toUInt();
    return true;
}

bool CurveModuleDatabase::update(const CurveModuleRow& row)
{
    knownModules().clear();
    QSqlDatabase database;
    if (!open(database))
        return false;
    QSqlQuery query(database);
    if (!prepare(query, QStringLiteral("UPDATE Modules SET Description = :Desc,Isc = :Isc,Voc = :Voc,Imp = :Imp,"
                                 "Vmp = :Vmp,alpha = :alpha,beta = :beta,delta = :delta,Rs = :Rs,"
                                 "UserModule = :Usr,Favourite = :Fav,CellsInSeries = :cells,Kappa = :kappa "
                                 "WHERE _id = :id;")))
        return false;
    bindValues(query, row, QStringLiteral(":Desc"), QStringLiteral(":Usr"), QStringLiteral(":Fav"));
    query.bindValue(QStringLiteral(":id"), row.id);
    return execute(query);
}

bool CurveModuleDatabase::remove(uint id)
{
    knownModules().clear();
    QSqlDatabase database;
    if (!open(database))
        return false;
    QSqlQuery query(database);
    if (!prepare(query, QStringLiteral("DELETE FROM Modules WHERE _id = :id;")))
        return false;
    query.bindValue(QStringLiteral(":id"), id);
    return execute(query);
}

} // namespace IVCurve
