#include "ShippedModuleDatabase.h"

#include "FileWriter.h"
#include "ShippedFiles.h"

#include <QDir>
#include <QFileInfo>

namespace IVCurve {

QStringList ShippedModuleDatabase::copies()
{
    return {ShippedFiles::path(QStringLiteral("modules.db"))};
}

bool ShippedModuleDatabase::installIfMissing(const QString& target, const QStringList& shippedCopies)
{
    if (QFileInfo::exists(target))
        return true;
    for (const QString& shipped : shippedCopies) {
        if (!QFileInfo(shipped).isFile())
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        // A new file rather than a copy of the installed one, which is often read-only: the
        // user's copy must take their own modules. A copy cut short by a full disk is none.
        QString failure;
        if (FileWriter::copy(shipped, target, failure))
            return true;
    }
    return false;
}

} // namespace IVCurve
