#include "MainWindow.h"

#include "AppIdentity.h"
#include "DownloadLauncher.h"
#include "Folders.h"
#include "Globals.h"
#include "ProjectModel.h"
#include "ProjectTreeView.h"
#include "SettingsKeys.h"

#include <QDirIterator>
#include <QDockWidget>
#include <QFileSystemWatcher>
#include <QMdiArea>
#include <QSettings>
#include <QTimer>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    Globals::setMainWindowInstance(this);
    if (Globals::restartRequested())
        Folders::instance(true);
    connect(&Folders::instance(), &Folders::projectsFolderChanged, this, &MainWindow::projectsFolderChanged);
    setWindowIcon(QIcon(QStringLiteral(":res/images/logo.ico")));
    buildDocumentArea();
    buildBrowserDock();
    restoreLayout();
    downloadLauncher = new DownloadLauncher(this);
    Folders::instance().rootDir();
    Globals::setRestartRequested(false);
}

void MainWindow::download()
{
    downloadLauncher->download();
}

MainWindow::~MainWindow()
{
    QSettings settings;
    settings.setValue(SettingsKeys::mainWindowGeometry, saveGeometry());
    settings.setValue(SettingsKeys::mainWindowState, saveState());
}

void MainWindow::buildDocumentArea()
{
    mdiArea = new QMdiArea(this);
    mdiArea->setViewMode(QMdiArea::TabbedView);
    mdiArea->setDocumentMode(true);
    mdiArea->setTabsClosable(true);
    mdiArea->setTabsMovable(true);
    mdiArea->setBackground(QBrush(QPixmap(QStringLiteral(":/res/images/%1_bg.jpg").arg(AppIdentity::organisationName))));
    setCentralWidget(mdiArea);
}

void MainWindow::buildBrowserDock()
{
    browserDock = new QDockWidget(tr("Document Browser", "Window Title"), this);
    browserDock->setObjectName(QStringLiteral("dockBrowser"));
    browserDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    tree = new ProjectTreeView(browserDock);
    model = new ProjectModel(this);
    tree->setModel(model);
    browserDock->setWidget(tree);
    addDockWidget(Qt::LeftDockWidgetArea, browserDock);
    resize(1200, 800);
}

void MainWindow::restoreLayout()
{
    QSettings settings;
    restoreGeometry(settings.value(SettingsKeys::mainWindowGeometry).toByteArray());
    restoreState(settings.value(SettingsKeys::mainWindowState).toByteArray());
}

ProjectTreeView* MainWindow::projectTree() const
{
    return tree;
}

QMdiArea* MainWindow::documentArea() const
{
    return mdiArea;
}

QFileSystemWatcher* MainWindow::directoryWatcher() const
{
    return watcher;
}

QObject* MainWindow::openDocument(const QString&)
{
    return nullptr;
}

void MainWindow::projectsFolderChanged(const QString& newFolder)
{
    tree->setRootIndex(model->setRootPath(newFolder));
    // Walking a large projects folder takes a while: let the window appear first.
    QTimer::singleShot(0, this, [this, newFolder] { watchFoldersBelow(newFolder); });
}

// The root itself is not watched: only the folders below it, at any depth. Without the Hidden
// filter the iterator neither lists nor enters folders whose names begin with ".".
void MainWindow::watchFoldersBelow(const QString& root)
{
    delete watcher;
    watcher = new QFileSystemWatcher(this);
    QStringList folders;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        folders << it.next();
    if (!folders.isEmpty())
        watcher->addPaths(folders);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, &MainWindow::directoryChanged);
}

void MainWindow::directoryChanged(const QString&)
{
}
