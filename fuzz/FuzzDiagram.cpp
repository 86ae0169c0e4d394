#include "FuzzTarget.h"

#include "DiagramGraphicsScene.h"

#include <QFile>
#include <QTemporaryDir>

// The input is a whole diagram file, opened the way the diagram window opens it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzTarget::ensureApplication();
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("input.arvid")));
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();
    DiagramGraphicsScene scene;
    scene.load(file.fileName());
    return 0;
}
