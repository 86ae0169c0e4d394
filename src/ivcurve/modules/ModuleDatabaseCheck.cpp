#include "ModuleDatabaseCheck.h"

#include "CurveFileLimits.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace IVCurve {

QString ModuleDatabaseCheck::beforeOpening(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists() && !file.isFile())
        return tr("it is not a regular file");
    return QString();
}

// Each count stops one row past its limit, so that no statement reads the whole of a large table.
QString ModuleDatabaseCheck::ofContents(QSqlDatabase& database)
{
    using namespace CurveFileLimits;
    if (!isPlainTable(database))
        return tr("its Modules are not a plain table");
    if (number(database, QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM Modules LIMIT %1)").arg(maximumModules + 1))
        > maximumModules)
        return tr("it holds more than %1 modules").arg(maximumModules);
    const QString tooLong = QStringLiteral(
        "SELECT count(*) FROM (SELECT 1 FROM Modules WHERE length(Description) > %1 OR max(%2) > %3 LIMIT 1)");
    // Apart, because a file from before these columns would fail the whole statement above.
    const QString laterTooLong = QStringLiteral(
        "SELECT count(*) FROM (SELECT 1 FROM Modules WHERE max(%1) > %2 LIMIT 1)");
    const QString values = lengthsOf({"Isc", "Voc", "Imp", "Vmp", "alpha", "beta", "delta", "Rs", "UserModule", "Favourite"});
    if (number(database, tooLong.arg(maximumModuleDescriptionLength).arg(values).arg(maximumModuleValueLength)) > 0
        || number(database, laterTooLong.arg(lengthsOf({"CellsInSeries", "Kappa"})).arg(maximumModuleValueLength)) > 0)
        return tr("a module's description is longer than %1 characters, or one of its values longer than %2")
            .arg(maximumModuleDescriptionLength)
            .arg(maximumModuleValueLength);
    return QString();
}

// SQLite's max() of several values is NULL as soon as one of them is, so a NULL counts as empty.
QString ModuleDatabaseCheck::lengthsOf(std::initializer_list<const char*> columns)
{
    QStringList lengths;
    for (const char* column : columns)
        lengths.append(QStringLiteral("ifnull(length(%1), 0)").arg(QLatin1String(column)));
    return lengths.join(QStringLiteral(", "));
}

// A view or a virtual table computes its rows when read, and a generated column its values.
bool ModuleDatabaseCheck::isPlainTable(QSqlDatabase& database)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT type, sql FROM sqlite_master WHERE name = 'Modules' COLLATE NOCASE"))
        || !query.next())
        return true;
    const bool table = query.value(0).toString() == QLatin1String("table")
        && query.value(1).toString().startsWith(QLatin1String("CREATE TABLE"), Qt::CaseInsensitive);
    query.finish();
    return table
        && number(database, QStringLiteral("SELECT count(*) FROM pragma_table_xinfo('Modules') WHERE hidden <> 0")) == 0;
}

qlonglong ModuleDatabaseCheck::number(QSqlDatabase& database, const QString& select)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(select) || !query.next())
        return 0;
    return query.value(0).toLongLong();
}

} // namespace IVCurve
