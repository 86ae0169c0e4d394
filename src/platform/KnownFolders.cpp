#include "KnownFolders.h"

#include <QStandardPaths>

QString KnownFolders::publicDocuments()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString KnownFolders::programData()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}
