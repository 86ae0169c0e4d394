#include "CurveDatabase.h"

#include "CurveMessageBox.h"
#include "CurveSchema.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {
// Why the file cannot serve as a curve file; empty when it can. The driver opens any file and
// fails only at the first statement, and a file that is no database must not look like an
// empty curve document.
QString openingProblem(QSqlDatabase& db)
{
    if (!db.open())
        return db.lastError().text();
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master;")))
        return QString();
    return query.lastError().text();
}
} // namespace

CurveDatabase::CurveDatabase(const QString& filePath, QWidget* messageParent)
    : path(filePath)
    , parent(messageParent)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
    db.setDatabaseName(path);
    const QString problem = openingProblem(db);
    opened = problem.isEmpty();
    if (!opened) {
        db.close();
        IVCurve::CurveMessageBox::critical(parent, problem);
        return;
    }
    runCurveSchema();
    runTreeSchema();
}

CurveDatabase::~CurveDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(path, false);
        db.close();
    }
    // Only once no handle to the connection is left may it leave the registry.
    QSqlDatabase::removeDatabase(path);
}

bool CurveDatabase::isOpen() const
{
    return opened;
}

QString CurveDatabase::filePath() const
{
    return path;
}

QSqlDatabase CurveDatabase::database() const
{
    return QSqlDatabase::database(path, false);
}

QWidget* CurveDatabase::messageParent() const
{
    return parent;
}

void CurveDatabase::runCurveSchema()
{
    QSqlDatabase db = database();
    IVCurve::CurveSchema::run(db, IVCurve::CurveSchema::curveStatements());
}

void CurveDatabase::runTreeSchema()
{
    QSqlDatabase db = database();
    IVCurve::CurveSchema::run(db, IVCurve::CurveSchema::treeStatements());
}
