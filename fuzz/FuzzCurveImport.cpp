#include "FuzzTarget.h"

#include "CurveCsvImporter.h"
#include "CurveDatabase.h"
#include "CurveTreeModel.h"

#include <QFile>
#include <QTemporaryDir>

// The input is a results file, imported into a new curve file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzTarget::ensureApplication();
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("input.csv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();
    CurveDatabase curves(folder.filePath(QStringLiteral("curves.arvcrv")));
    IVCurve::CurveTreeModel tree(curves);
    IVCurve::CurveCsvImporter(file.fileName(), curves, tree).run();
    return 0;
}
