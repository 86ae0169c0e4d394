#include "ShellFixture.h"

#include "Globals.h"
#include "ReportFavourites.h"
#include "SettingsKeys.h"

#include <QSettings>

ShellFixture::ShellFixture()
{
    QSettings settings;
    settings.setValue(SettingsKeys::showWelcome, false);
    settings.setValue(SettingsKeys::locale, QStringLiteral("en"));
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
