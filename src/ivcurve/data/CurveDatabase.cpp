#include "CurveDatabase.h"

#include "CurveFileUpkeep.h"
#include "CurveMessageBox.h"
#include "CurveSchema.h"

#include "Prompts.h"
#include "WaitCursor.h"

#include <QSqlError>
#include <QSqlQuery>

using IVCurve::CurveFileCheck;

CurveDatabase::CurveDatabase(const QString& filePath, QWidget* messageParent)
    : path(filePath)
    , parent(messageParent)
    , readOnly(CurveFileCheck::isMarkedReadOnly(filePath))
{
    CurveFileCheck::Problem problem;
    {
        const WaitCursor waiting;
        problem = open();
        opened = !problem.found();
        if (opened && !readOnly)
            tidy();
    }
    if (!opened) {
        database().close();
        show(problem, QMessageBox::Critical);
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
CurveFileCheck::Problem CurveDatabase::open()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
    db.setDatabaseName(path);
    const CurveFileCheck::Problem problem = CurveFileCheck::beforeOpening(path);
    if (problem.found())
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

void CurveDatabase::refuse(const CurveFileCheck::Problem& problem)
{
    opened = false;
    database().close();
    show(problem, QMessageBox::Critical);
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

bool CurveDatabase::checkWritable() const
{
    const CurveFileCheck::Problem problem = CurveFileCheck::beforeWriting(path, readOnly);
    if (problem.found())
        show(problem, QMessageBox::Warning);
    return !problem.found();
}

void CurveDatabase::reportWriteFailure(const QSqlError& error) const
{
    const CurveFileCheck::Problem problem = CurveFileCheck::ofFailedWrite(path, readOnly, error);
    if (problem.found())
        show(problem, QMessageBox::Warning);
    else
        IVCurve::CurveMessageBox::critical(parent, error.text());
}

void CurveDatabase::show(const CurveFileCheck::Problem& problem, QMessageBox::Icon icon) const
{
    MessageRequest request;
    request.parent = parent;
    request.icon = icon;
    request.title = IVCurve::CurveMessageBox::title();
    request.text = problem.text;
    request.informativeText = problem.informativeText;
    Prompts::instance().message(request);
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
