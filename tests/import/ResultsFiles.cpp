#include "ResultsFiles.h"

#include <QFile>
#include <QTemporaryDir>

namespace ResultsFiles {

QString samplePath(const QString& name)
{
    return QStringLiteral(TEST_DATA_DIR "/") + name;
}

QByteArray sample(const QString& name)
{
    QFile file(samplePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString write(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

} // namespace ResultsFiles
