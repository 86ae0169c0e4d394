#include "ShippedModuleDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace IVCurve {

QStringList ShippedModuleDatabase::copies()
{
    const QDir programs(QCoreApplication::applicationDirPath());
    return {programs.filePath(QStringLiteral("modules.db")),
            programs.filePath(QStringLiteral("../share/veltrano/modules.db"))};
}

bool ShippedModuleDatabase::installIfMissing(const QString& target, const QStringList& shippedCopies)
{
    if (QFileInfo::exists(target))
        return true;
    for (const QString& shipped : shippedCopies) {
        if (!QFileInfo(shipped).isFile())
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        // An installed copy is often read-only; the user's copy must take their own modules.
        if (QFile::copy(shipped, target)) {
            QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
            return true;
        }
    }
    return false;
}

} // namespace IVCurve
