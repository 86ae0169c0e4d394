#pragma once

#include <QMainWindow>
#include <QModelIndex>

class DownloadLauncher;
class QDockWidget;
class QFileSystemWatcher;
class QMdiArea;
class ProjectModel;
class ProjectTreeView;

// The one top-level window: the project tree beside the document area.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    ProjectTreeView* projectTree() const;
    QMdiArea* documentArea() const;
    QFileSystemWatcher* directoryWatcher() const;

public slots:
    // The one entry for opening a path; documents come with the document framework.
    QObject* openDocument(const QString& filePath);
    // Starts the download program; its launcher offers the saved file for import afterwards.
    void download();

protected slots:
    void projectsFolderChanged(const QString& newFolder);
    void directoryChanged(const QString& path);

private:
    void buildDocumentArea();
    void buildBrowserDock();
    void restoreLayout();
    void watchFoldersBelow(const QString& root);

    QMdiArea* mdiArea = nullptr;
    QDockWidget* browserDock = nullptr;
    ProjectTreeView* tree = nullptr;
    ProjectModel* model = nullptr;
    QFileSystemWatcher* watcher = nullptr;
    DownloadLauncher* downloadLauncher = nullptr;
};
