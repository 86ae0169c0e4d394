#include "ReportFavourites.h"

#include "AppIdentity.h"
#include "FileWriter.h"
#include "Folders.h"
#include "Globals.h"
#include "Prompts.h"

#include <QDir>
#include <QFile>

namespace {
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
    // Copied as a new file, not with the resource's read-only mark: "save as favourite" overwrites it.
    QString failure;
    if (FileWriter::copy(source, target, failure))
        return true;
    Prompts::instance().show(parent, QMessageBox::Warning,
                             tr("The favourite \"%1\" could not be created.", "Error Message")
                                 .arg(QDir::toNativeSeparators(target)),
                             failure);
    return false;
}
