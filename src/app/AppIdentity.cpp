#include "AppIdentity.h"

#include <QCoreApplication>

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
}

QString AppIdentity::logoPath()
{
    return QStringLiteral(":res/images/%1_logo.ico").arg(organisationName);
}

QString AppIdentity::splashPath()
{
    return QStringLiteral(":res/images/%1_splash.png").arg(organisationName);
}
