#pragma once

#include <QString>

// The fixed names the program is known by: its settings store, its folders and its companion.
class AppIdentity
{
public:
    static const QString organisationName;
    static const QString organisationDomain;
    static const QString applicationName;
    static const QString applicationVersion;
    static const QString downloadProgramBaseName;
    static const QString downloadProgramApplicationName;
    static const QString defaultProjectsFolderName;

    // Sets organisation, domain, application name and version on the application object.
    static void apply();
    // ":res/images/Torvane_logo.ico" and friends.
    static QString logoPath();
    static QString splashPath();
};
