#include "FuzzTarget.h"

#include "CurveModuleDatabase.h"

#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>

// The input is a module database, listed the way the module dialogs list it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzTarget::ensureApplication();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("modules.db"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();
    IVCurve::CurveModuleDatabase::relocate(path, {});
    {
        IVCurve::CurveModuleDatabase modules;
        modules.allModules();
        modules.favourites();
    }
    IVCurve::CurveModuleDatabase::relocate(QString(), {});
    // The program keeps its one connection; here each input has a file of its own.
    QSqlDatabase::removeDatabase(path);
    return 0;
}
