#include "VeltranoShots.h"

#include "AppIdentity.h"
#include "DialogImportResults.h"
#include "DialogSettings.h"
#include "DialogWelcome.h"
#include "DocumentCreator.h"
#include "CurveDocument.h"
#include "CurveTree.h"
#include "FindInFiles.h"
#include "Globals.h"
#include "InstallationDiagramDocument.h"
#include "MainWindow.h"
#include "ProjectModel.h"
#include "ProjectTreeView.h"
#include "SampleDiagram.h"

#include <QApplication>
#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QGroupBox>
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
    shootCurves(window, project);
    shootDiagram(window, project);
    shootSearch(window);
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
    for (const QString& name : {names.inspectionReport, names.testReport, names.verificationCertificate,
                                names.installationDiagram, names.curveData})
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
    showMaximized(window);
    shooter.shoot(window, QStringLiteral("report-window"), mainWindowSize);
}

void VeltranoShots::showMaximized(MainWindow& window)
{
    if (QMdiSubWindow* sub = window.documentArea()->activeSubWindow())
        sub->showMaximized();
    waitForTree();
}

void VeltranoShots::shootCurves(MainWindow& window, const QString& project)
{
    auto* curves = qobject_cast<IVCurve::CurveDocument*>(
        window.openDocument(QDir(project).filePath(Globals::defaultFileNames().curveData)));
    if (!curves || !curves->importFile(resultsFile))
        return;
    curves->tree()->expandAll();
    curves->tree()->selectAll();
    showMaximized(window);
    shooter.shoot(window, QStringLiteral("curve-window"), mainWindowSize);
}

void VeltranoShots::shootDiagram(MainWindow& window, const QString& project)
{
    auto* diagram = qobject_cast<InstallationDiagramDocument*>(
        window.openDocument(QDir(project).filePath(Globals::defaultFileNames().installationDiagram)));
    if (!diagram)
        return;
    showMaximized(window);
    SampleDiagram::draw(*diagram);
    shooter.shoot(window, QStringLiteral("diagram-window"), mainWindowSize);
}

void VeltranoShots::shootSearch(MainWindow& window)
{
    auto* find = qobject_cast<FindInFiles*>(window.searchDock()->widget());
    if (!find)
        return;
    window.searchDock()->raise();
    find->fileGroup()->setChecked(true);
    find->nameEdit()->setText(QStringLiteral("arv"));
    find->search();
    showMaximized(window);
    shooter.shoot(window, QStringLiteral("search-window"), mainWindowSize);
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
