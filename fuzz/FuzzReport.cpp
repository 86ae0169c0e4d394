#include "FuzzTarget.h"

#include "ReportFile.h"
#include "ReportScene.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>

// The input is a whole report file: container, XML, pictures, template path. It is opened the
// way the program opens a document, from a folder of its own.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzTarget::ensureApplication();
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("input.arvatr")));
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();
    QUndoStack stack;
    ReportScene scene(&stack);
    ReportFile::load(scene, file.fileName());
    return 0;
}
