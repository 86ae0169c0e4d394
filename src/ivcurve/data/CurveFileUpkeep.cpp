#include "CurveFileUpkeep.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace IVCurve {

namespace {
const qint64 smallestWorthwhileGain = 1024 * 1024;
const qint64 freeShareDivisor = 4;

qint64 pragmaValue(QSqlDatabase& database, const char* name)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA %1;").arg(QLatin1String(name))) || !query.next())
        return 0;
    return query.value(0).toLongLong();
}
} // namespace

bool CurveFileUpkeep::removeOrphanCurves(QSqlDatabase& database, QSqlError& error)
{
    QSqlQuery query(database);
    if (query.exec(QStringLiteral("DELETE FROM curves WHERE CurveId IN (SELECT curves.curveid FROM curves LEFT OUTER "
                                  "JOIN treenodes ON curves.curveid = treenodes.curveid WHERE nodeid IS NULL);")))
        return true;
    error = query.lastError();
    return false;
}

bool CurveFileUpkeep::worthCompacting(qint64 pageCount, qint64 freePages, qint64 pageSize)
{
    return freePages * pageSize >= smallestWorthwhileGain && freePages * freeShareDivisor >= pageCount;
}

void CurveFileUpkeep::compactIfWorthwhile(QSqlDatabase& database)
{
    const qint64 pageCount = pragmaValue(database, "page_count");
    const qint64 freePages = pragmaValue(database, "freelist_count");
    const qint64 pageSize = pragmaValue(database, "page_size");
    if (worthCompacting(pageCount, freePages, pageSize))
        QSqlQuery(database).exec(QStringLiteral("VACUUM;"));
}

} // namespace IVCurve
