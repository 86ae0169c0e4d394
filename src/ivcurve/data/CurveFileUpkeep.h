#pragma once

#include <QtGlobal>

class QSqlDatabase;
class QSqlError;

namespace IVCurve {

// Keeps a curve file free of what nothing can reach any more: curves without a tree node, and the
// space that removed curves leave behind. Only for a file that may be written.
class CurveFileUpkeep
{
public:
    // Curves that no tree node refers to: the tree is the only way to them.
    static bool removeOrphanCurves(QSqlDatabase& database, QSqlError& error);
    // Worth it when at least a quarter of the file and at least 1 MiB of it lie free.
    static bool worthCompacting(qint64 pageCount, qint64 freePages, qint64 pageSize);
    // Outside any transaction. A compaction that fails leaves the file as it was, only larger
    // than it need be, so it is not reported.
    static void compactIfWorthwhile(QSqlDatabase& database);
};

} // namespace IVCurve
