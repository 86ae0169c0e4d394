#include "TestEnvironment.h"

#include <QDir>
#include <QSettings>

TestEnvironment::TestEnvironment()
    : root(QDir::tempPath() + QStringLiteral("/veltrano-test-XXXXXX"))
{
    const QString base = root.path();
    QDir().mkpath(base + QStringLiteral("/config"));
    QDir().mkpath(base + QStringLiteral("/data"));
    qputenv("HOME", base.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (base + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (base + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_DOCUMENTS_DIR", documentsFolder().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (base + QStringLiteral("/runtime")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString TestEnvironment::home() const
{
    return root.path();
}

QString TestEnvironment::documentsFolder() const
{
    return root.path() + QStringLiteral("/Documents");
}

void TestEnvironment::clearSettings()
{
    QSettings().clear();
}
