#pragma once

#include <QCoreApplication>
#include <QString>

#include <initializer_list>

class QSqlDatabase;

namespace IVCurve {

// Whether the module database may be read. The file is replaced by hand and copied between
// machines; a table of millions of rows, endless descriptions or a view in place of the table
// (a recursive one never ends) would freeze every curve window that lists the modules.
class ModuleDatabaseCheck
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::ModuleDatabaseCheck)

public:
    // Empty when nothing is wrong; otherwise the cause, as the end of a sentence. A statement that
    // fails here passes: the same statement fails again where its error text is shown.
    static QString beforeOpening(const QString& path);
    static QString ofContents(QSqlDatabase& database);

private:
    static bool isPlainTable(QSqlDatabase& database);
    static QString lengthsOf(std::initializer_list<const char*> columns);
    static qlonglong number(QSqlDatabase& database, const QString& select);
};

} // namespace IVCurve
