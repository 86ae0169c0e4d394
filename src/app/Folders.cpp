#include "Folders.h"

#include "AppIdentity.h"
#include "Globals.h"
#include "KnownFolders.h"
#include "Prompts.h"
#include "SettingsKeys.h"

#include <QDir>
#include <QSettings>

#include <memory>

Folders& Folders::instance(bool reset)
{
    static std::unique_ptr<Folders> folders;
    if (!folders || reset)
        folders.reset(new Folders);
    return *folders;
}

QString Folders::dataFolder()
{
    if (cachedDataFolder.isEmpty()) {
        cachedDataFolder = QStringLiteral("%1/%2/%3")
                               .arg(KnownFolders::programData(), AppIdentity::organisationName,
                                    AppIdentity::applicationName);
        QDir().mkpath(cachedDataFolder);
    }
    return cachedDataFolder;
}

QString Folders::defaultProjectsFolder()
{
    if (cachedDefaultProjectsFolder.isEmpty())
        cachedDefaultProjectsFolder = QStringLiteral("%1/%2").arg(KnownFolders::publicDocuments(),
                                                                  AppIdentity::defaultProjectsFolderName);
    return cachedDefaultProjectsFolder;
}

QString Folders::rootDir() const
{
    return root;
}

bool Folders::resolveRootDir()
{
    if (!root.isEmpty())
        return true;
    QString path = QSettings().value(SettingsKeys::rootDir).toString();
    if (path.isEmpty())
        path = defaultProjectsFolder();
    if (QDir(path).exists())
        return setRootDir(path);
    Prompts::instance().show(Globals::mainWindowInstance(), QMessageBox::Critical,
                             tr("Could not find the projects root directory: %1", "Error Message").arg(path),
                             tr("Please select a new projects root directory.", "Error message informative text"));
    selectRootDir();
    return !root.isEmpty();
}

void Folders::selectRootDir()
{
    FileRequest request;
    request.kind = FileRequest::ExistingDirectory;
    request.caption = tr("Select Projects Root Directory", "Window Title");
    request.directory = defaultProjectsFolder();
    request.parent = Globals::mainWindowInstance();
    const QString chosen = Prompts::instance().chooseFile(request);
    if (!chosen.isEmpty()) {
        setRootDir(chosen);
        return;
    }
    Prompts::instance().show(Globals::mainWindowInstance(), QMessageBox::Information,
                             tr("No projects directory was set. Defaulting to the public documents directory",
                                "Warning Message"));
    QDir().mkpath(defaultProjectsFolder());
    setRootDir(defaultProjectsFolder());
}

bool Folders::setRootDir(const QString& path)
{
    QWidget* parent = Globals::mainWindowInstance();
    if (!QDir(path).exists()) {
        const auto answer = Prompts::instance().show(
            parent, QMessageBox::Question,
            tr("The path \"%1\" does not exist. Would you like to create it?", "User prompt").arg(path),
            QString(), QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
        if (!QDir().mkpath(path)) {
            Prompts::instance().show(parent, QMessageBox::Critical,
                                     tr("Error creating \"%1\"", "Error Message").arg(path),
                                     tr("Check that you may create folders there, or choose another folder.",
                                        "Error message informative text"));
            return false;
        }
    }
    QSettings settings;
    // Every write costs a disk sync; most starts find the stored folder unchanged.
    if (settings.value(SettingsKeys::rootDir).toString() != path)
        settings.setValue(SettingsKeys::rootDir, path);
    root = path;
    emit projectsFolderChanged(path);
    return true;
}
