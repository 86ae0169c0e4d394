#include "CurveDatabase.h"

#include "CurveFileUpkeep.h"
#include "CurveSchema.h"

#include "WaitCursor.h"

#include <QSqlError>
#include <QSqlQuery>

using IVCurve::CurveFileCheck;

CurveDatabase::CurveDatabase(const QString& filePath, CurveFailureHandler* failures)
    : path(filePath)
    , failures(failures)
    , readOnly(CurveFileCheck::isMarkedReadOnly(filePath))
{
    Failure problem;
    {
        const WaitCursor waiting;
        problem = open();
        opened = !problem.failed();
        if (opened && !readOnly)
            tidy();
    }
    if (!opened) {
        database().close();
        report(problem, CurveFailureHandler::Weight::Critical);
    }
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

// The driver opens any file and fails only at the first statement, and a file that is no
// database or a damaged one must not look like an empty curve document.
Failure CurveDatabase::open()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
    db.setDatabaseName(path);
    const Failure problem = CurveFileCheck::beforeOpening(path);
    if (problem.failed())
        return problem;
    if (readOnly)
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        return CurveFileCheck::unreadable(path, db.lastError());
    return CurveFileCheck::ofContents(path, db);
}

// Curves that an import cut off before its tree was written would otherwise stay in the file,
// unreachable, for good. Should the removal fail, they stay until the next open or save.
void CurveDatabase::tidy()
{
    runCurveSchema();
    runTreeSchema();
    QSqlDatabase db = database();
    QSqlError ignored;
    if (IVCurve::CurveFileUpkeep::removeOrphanCurves(db, ignored))
        IVCurve::CurveFileUpkeep::compactIfWorthwhile(db);
}

bool CurveDatabase::isOpen() const
{
    return opened;
}

bool CurveDatabase::isReadOnly() const
{
    return readOnly;
}

void CurveDatabase::refuseWrites()
{
    readOnly = true;
}

void CurveDatabase::refuse(const Failure& problem)
{
    opened = false;
    database().close();
    report(problem, CurveFailureHandler::Weight::Critical);
}

QString CurveDatabase::filePath() const
{
    return path;
}

QSqlDatabase CurveDatabase::database() const
{
    return QSqlDatabase::database(path, false);
}

void CurveDatabase::report(const Failure& failure, CurveFailureHandler::Weight weight) const
{
    if (failures)
        failures->failed(failure, weight);
}

bool CurveDatabase::reportAgain(const Failure& failure, const QString& goOnText) const
{
    return failures && failures->failedAgain(failure, goOnText);
}

bool CurveDatabase::checkWritable() const
{
    const Failure problem = CurveFileCheck::beforeWriting(path, readOnly);
    if (problem.failed())
        report(problem, CurveFailureHandler::Weight::Warning);
    return !problem.failed();
}

void CurveDatabase::reportWriteFailure(const QSqlError& error) const
{
    const Failure problem = CurveFileCheck::ofFailedWrite(path, readOnly, error);
    if (problem.failed())
        report(problem, CurveFailureHandler::Weight::Warning);
    else
        report({error.text(), QString()}, CurveFailureHandler::Weight::Critical);
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
