#include "AppIdentity.h"

#include <QGuiApplication>

const QString AppIdentity::organisationName = QStringLiteral("Torvane");
const QString AppIdentity::organisationDomain = QStringLiteral("torvane.example");
const QString AppIdentity::applicationName = QStringLiteral("Veltrano");
const QString AppIdentity::applicationVersion = QStringLiteral("V2.2.0.0");
const QString AppIdentity::downloadProgramBaseName = QStringLiteral("TorvaneQuillet");
const QString AppIdentity::downloadProgramApplicationName = QStringLiteral("Torvane Dudav Quillet");
const QString AppIdentity::defaultProjectsFolderName = QStringLiteral("Veltrano Projects");

void AppIdentity::apply()
{
    QCoreApplication::setOrganizationName(organisationName);
    QCoreApplication::setOrganizationDomain(organisationDomain);
    QCoreApplication::setApplicationName(applicationName);
    QCoreApplication::setApplicationVersion(applicationVersion);
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.torvane.Veltrano"));
}

QString AppIdentity::logoPath()
{
    return QStringLiteral(":res/images/%1_logo.ico").arg(organisationName);
}

QString AppIdentity::splashPath()
{
    return QStringLiteral(":res/images/%1_splash.png").arg(organisationName);
}
