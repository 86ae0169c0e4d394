#include "CurveDatabase.h"

#include "CurveMessageBox.h"
#include "CurveSchema.h"

#include <QSqlError>

CurveDatabase::CurveDatabase(const QString& filePath, QWidget* messageParent)
    : path(filePath)
    , parent(messageParent)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
    db.setDatabaseName(path);
    opened = db.open();
    if (!opened) {
        IVCurve::CurveMessageBox::critical(parent, db.lastError().text());
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
