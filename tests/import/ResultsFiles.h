#pragma once

#include <QByteArray>
#include <QString>

class QTemporaryDir;

// The sample results files in tests/data, and files the tests write themselves.
namespace ResultsFiles {
QString samplePath(const QString& name);
QByteArray sample(const QString& name);
QString write(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes);
} // namespace ResultsFiles
