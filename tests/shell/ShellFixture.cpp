#include "ShellFixture.h"

#include "Folders.h"
#include "Globals.h"
#include "ReportFavourites.h"
#include "SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

ShellFixture::ShellFixture()
{
    QSettings settings;
    settings.setValue(SettingsKeys::rootDir, dir.path());
    settings.setValue(SettingsKeys::showWelcome, false);
    settings.setValue(SettingsKeys::locale, QStringLiteral("en"));
    Folders::instance(true);
    Globals::reset();
    Globals::setReportsFolder(QStringLiteral("reports_test"));
    Globals::setDefaultFileNames(DefaultFileNames::english());
    ReportFavourites::removeAll();
}

ShellFixture::~ShellFixture()
{
    ReportFavourites::removeAll();
    Globals::reset();
}

QString ShellFixture::root() const
{
    return dir.path();
}

QString ShellFixture::path(const QString& relative) const
{
    return dir.filePath(relative);
}

QString ShellFixture::writeFile(const QString& relative, const QByteArray& contents) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(contents);
    return file;
}
