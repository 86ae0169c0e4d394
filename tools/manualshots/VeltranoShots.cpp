#include "VeltranoShots.h"

#include "AppIdentity.h"
#include "DialogImportResults.h"
#include "DialogSettings.h"
#include "DialogWelcome.h"
#include "DocumentCreator.h"
#include "Globals.h"
#include "MainWindow.h"
#include "ProjectModel.h"
#include "ProjectTreeView.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QThread>

namespace {
const QSize mainWindowSize(1180, 760);

// The tree fills from a thread of its own; give it the time a user would.
void waitForTree()
{
    for (int round = 0; round < 20; ++round) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}
} // namespace

VeltranoShots::VeltranoShots(const QString& pictureFolder, const QString& projectsRoot, const QString& resultsFile)
    : shooter(pictureFolder)
    , projectsRoot(projectsRoot)
    , resultsFile(resultsFile)
{
}

bool VeltranoShots::shootAll()
{
    shooter.save(QPixmap(AppIdentity::splashPath()), QStringLiteral("title-picture"));
    const QString project = makeSampleProject();
    MainWindow window;
    showProject(window, project);
    shooter.shoot(window, QStringLiteral("main-window"), mainWindowSize);
    shootReport(window, project);
    shootDialogs(window);
    return shooter.allSaved();
}

QString VeltranoShots::makeSampleProject() const
{
    const bool german = Globals::reportsFolder() == QLatin1String("reports_de");
    const QString project = QDir(projectsRoot)
                                .filePath(german ? QStringLiteral("Müller, Gartenweg 12")
                                                 : QStringLiteral("Miller, 12 Garden Road"));
    QDir().mkpath(project);
    const DefaultFileNames& names = Globals::defaultFileNames();
    DocumentCreator creator(nullptr);
    for (const QString& name : {names.inspectionReport, names.testReport, names.verificationCertificate})
        if (creator.create(project, name).isEmpty())
            qWarning("manualshots: no sample %s", qPrintable(name));
    return project;
}

void VeltranoShots::showProject(MainWindow& window, const QString& project)
{
    window.resize(mainWindowSize);
    window.show();
    waitForTree();
    ProjectTreeView* tree = window.projectTree();
    const QModelIndex folder = tree->projectModel()->index(project);
    tree->expand(folder);
    waitForTree();
    tree->setCurrentIndex(folder);
}

void VeltranoShots::shootReport(MainWindow& window, const QString& project)
{
    const QString report = QDir(project).filePath(Globals::defaultFileNames().testReport);
    if (!window.openDocument(report))
        return;
    if (QMdiSubWindow* sub = window.documentArea()->activeSubWindow())
        sub->showMaximized();
    waitForTree();
    shooter.shoot(window, QStringLiteral("report-window"), mainWindowSize);
}

void VeltranoShots::shootDialogs(MainWindow& window)
{
    DialogImportResults* import = window.resultsImportDialog();
    import->load(resultsFile);
    shooter.shoot(*import, QStringLiteral("import-dialog"), QSize(980, 460));
    import->hide();

    DialogSettings settings(&window);
    // The real folder is a throw-away one with a random name; show one a reader would have.
    if (auto* folder = settings.findChild<QLineEdit*>())
        folder->setText(QStringLiteral("/home/installer/Documents/Veltrano Projects"));
    shooter.shoot(settings, QStringLiteral("settings-dialog"));
    DialogWelcome welcome(&window);
    shooter.shoot(welcome, QStringLiteral("welcome-dialog"));
}
