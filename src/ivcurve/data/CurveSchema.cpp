#include "CurveSchema.h"

#include <QSqlQuery>

namespace IVCurve {

QStringList CurveSchema::curveStatements()
{
    return {
        QStringLiteral("CREATE TABLE if not exists Curves (\tCurveID INTEGER PRIMARY KEY ,\t\tCurvePoints TEXT ,"
                       "\t\tMemLocation INTEGER ,\t\tTestDate INTEGER ,\t\tTesterSerNo TEXT ,\t\tIrradiance REAL ,"
                       "\t\tAmbientTemp REAL ,\t\tCellTemp REAL ,\t\tVoc REAL ,\t\tIsc REAL ,\t\tRiso REAL ,"
                       "\t\tViso REAL ,\t\tIclamp REAL ,\t\tRpe REAL ,\t\tFF REAL ,\t\tVmp REAL ,\t\tImp REAL ,"
                       "\t\tSTCAlgorithm INTEGER ,\t\tSTC_alpha REAL ,\t\tSTC_beta REAL ,\t\tSTC_delta REAL ,"
                       "\t\tSTC_a REAL ,\t\tSTC_b REAL ,\t\tSTC_K REAL ,\t\tSTC_Rs REAL ,\t\tModuleID INTEGER ,"
                       "\t\tModuleSeries INTEGER ,\t\tModuleParallel INTEGER );"),
        // Files made before the column existed gain it on their first open; later opens fail here.
        QStringLiteral("ALTER TABLE Curves ADD COLUMN Fileversion INTEGER;"),
        // Procedure 4's cells in series of one module and bandgap; older files gain them as well.
        QStringLiteral("ALTER TABLE Curves ADD COLUMN STC_N INTEGER;"),
        QStringLiteral("ALTER TABLE Curves ADD COLUMN STC_epsilon REAL;"),
    };
}

QStringList CurveSchema::treeStatements()
{
    return {
        QStringLiteral("CREATE TABLE if not exists TreeNodes (NodeID INTEGER PRIMARY KEY, ParentNodeID INTEGER, "
                       "NodeDesc TEXT, CurveID INTEGER, ParentRow INTEGER, Status INTEGER,Colour TEXT);"),
        QStringLiteral("CREATE INDEX IDX_TREENODE_CURVEID ON TreeNodes(CurveID);"),
        QStringLiteral("CREATE INDEX idx_treenode_parent ON TreeNodes(ParentNodeID, ParentRow);"),
    };
}

void CurveSchema::run(QSqlDatabase& database, const QStringList& statements)
{
    for (const QString& statement : statements) {
        QSqlQuery query(database);
        query.exec(statement);
    }
}

} // namespace IVCurve
