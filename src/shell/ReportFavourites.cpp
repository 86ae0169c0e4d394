#include "ReportFavourites.h"

#include "AppIdentity.h"
#include "Folders.h"
#include "Globals.h"
#include "Prompts.h"

#include <QDir>
#include <QFile>

namespace {
constexpr QFile::Permissions everyoneReadWrite = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                                | QFile::WriteUser | QFile::ReadGroup | QFile::WriteGroup
                                                | QFile::ReadOther | QFile::WriteOther;

bool readAll(const QString& path, QByteArray& contents)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    contents = file.readAll();
    return true;
}
} // namespace

const QStringList& ReportFavourites::allExtensions()
{
    static const QStringList extensions{QStringLiteral("arvchk"), QStringLiteral("arvir"),  QStringLiteral("arvatr"),
                                        QStringLiteral("arvvc"),  QStringLiteral("arvcrv"), QStringLiteral("arvid")};
    return extensions;
}

QString ReportFavourites::favouritePath(const QString& extension)
{
    return QStringLiteral("%1/default.%2").arg(Folders::instance().dataFolder(), extension);
}

QString ReportFavourites::shippedDefault(const QString& extension)
{
    return Globals::reportResource(QStringLiteral("default.%1").arg(extension));
}

bool ReportFavourites::ensure(const QString& extension, QWidget* parent)
{
    return QFile::exists(favouritePath(extension)) || copyShippedDefault(extension, parent);
}

bool ReportFavourites::restore(const QString& extension, QWidget* parent)
{
    QFile::remove(favouritePath(extension));
    return copyShippedDefault(extension, parent);
}

bool ReportFavourites::isModified(const QString& extension)
{
    QByteArray favourite;
    QByteArray shipped;
    return readAll(favouritePath(extension), favourite) && readAll(shippedDefault(extension), shipped)
           && favourite != shipped;
}

void ReportFavourites::removeAll()
{
    for (const QString& extension : allExtensions())
        QFile::remove(favouritePath(extension));
}

bool ReportFavourites::copyShippedDefault(const QString& extension, QWidget* parent)
{
    const QString source = shippedDefault(extension);
    const QString target = favouritePath(extension);
    if (!QFile::exists(source)) {
        Prompts::instance().show(parent, QMessageBox::Warning,
                                 tr("The default document \"%1\" is missing from this installation.", "Error Message")
                                     .arg(source),
                                 tr("Please install %1 again.", "Error message informative text")
                                     .arg(AppIdentity::applicationName));
        return false;
    }
    QFile copy(source);
    if (!copy.copy(target)) {
        Prompts::instance().show(parent, QMessageBox::Warning,
                                 tr("The favourite \"%1\" could not be created: %2", "Error Message")
                                     .arg(QDir::toNativeSeparators(target), copy.errorString()),
                                 tr("Check that you may write to the folder \"%1\".", "Error message informative text")
                                     .arg(QDir::toNativeSeparators(Folders::instance().dataFolder())));
        return false;
    }
    // Copies of resources are read-only; the favourite is overwritten by "save as favourite".
    QFile::setPermissions(target, everyoneReadWrite);
    return true;
}
