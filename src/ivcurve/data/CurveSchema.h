#pragma once

#include <QSqlDatabase>
#include <QStringList>

namespace IVCurve {

// The statements that bring a curve file up to the current layout. Each is run with its result
// ignored: on a file that already has a table, column or index the statement just fails.
class CurveSchema
{
public:
    static QStringList curveStatements();
    static QStringList treeStatements();
    static void run(QSqlDatabase& database, const QStringList& statements);
};

} // namespace IVCurve
