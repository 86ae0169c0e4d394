#pragma once

#include "MdiWindow.h"

#include <QModelIndex>

class DialogImportResults;
class DownloadLauncher;
class FindInFiles;
class QActionGroup;
class QDockWidget;
class QMenu;
class ProjectFoldersWatcher;
class ProjectModel;
class ProjectTreeView;
class QUndoGroup;

// The one top-level window: the project tree and the search panel beside the document area,
// and the commands that create, open, save, rename and delete project files.
class MainWindow : public MdiWindow
{
    Q_OBJECT

public:
    // Posted to itself on the first start pass; handling it greets the user.
    static constexpr int welcomeEventType = 1001;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    ProjectTreeView* projectTree() const;
    QMdiArea* documentArea() const;
    DialogImportResults* resultsImportDialog();
    ProjectFoldersWatcher* directoryWatcher() const;
    QDockWidget* browserDock() const;
    QDockWidget* searchDock() const;
    FindInFiles* findInFiles() const;
    QMenu* languageMenu() const;
    // The tree's context menu for a position in its viewport; the caller owns it.
    QMenu* treeContextMenu(const QPoint& pos);

    using MdiWindow::openDocument;

public slots:
    // The one entry for opening a path: an open document with this path is returned as it is;
    // otherwise the factory makes one (or hands the file to the desktop). A document that did
    // not load is returned invalid and not shown; the caller destroys it.
    AbstractDocument* openDocument(const QString& filePath);
    void import();
    void download();
    void resetWindowLayout() override;
    // Opens the documents that were open when the program last ended, if the user wants that.
    void restoreSession();

protected slots:
    void projectsFolderChanged(const QString& newFolder);
    void selectionChanged(const QModelIndex& current, const QModelIndex& previous);
    void openDocument(const QModelIndex& index);
    void directoryChanged(const QString& path);
    void createNewInspectionReport();
    void createNewTestReport();
    void createNewVerificationCertificate();
    void createNewInstallationDiagram();
    void createNewChecklistReport();
    void createNewCurveData();
    void createClientHandoverPack();
    void createNewFolder();
    void showSettingsDialog();
    void open();
    // Asks for a document anywhere, starting in the projects folder.
    void openFile();
    void printDocument();
    void previewDocument();
    void exportDocumentToPdf();
    void cut();
    void copy();
    void paste();
    // Enables the commands of the File and Edit menus that the active document supports.
    void updateDocumentCommands();
    void updateEditCommands();
    void remove();
    void rename();
    void save();
    void showTreeContextMenu(const QPoint& pos);
    void documentTitleChanged(AbstractDocument* doc);
    void showAbout();
    void documentChanged(AbstractDocument* from, AbstractDocument* to);
    void showPDFManual();
    // Opens or raises the one results window and shows the search panel's findings in it.
    void showResultsDocument();
    void switchLanguage(QAction* action);
    // Shows a results file in the import dialog; the dialog reports a file it cannot read.
    void showResultsForImport(const QString& fileName);
    // Chosen results rows go into the active report document, if there is one.
    void importRow(const QModelIndexList& indexes);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void leaveWindowShortcutsToTheWindow(AbstractDocument* doc);
    void buildActions();
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildDocumentActions();
    void fillRecentMenu();
    // The files of the open documents, for the next start.
    QStringList sessionPaths() const;
    void buildLanguageMenu(QMenu* menu);
    // The check mark goes back to the stored language, also after a change was cancelled.
    void checkCurrentLanguage();
    void buildDocumentArea();
    void buildDocks();
    void restoreLayout();
    QAction* makeAction(const char* objectName, const QString& text, const QString& icon, void (MainWindow::*slot)());
    // The folder a new file goes into: the selected folder, the folder of the selected file, or
    // the projects root.
    QString targetFolder() const;
    void createNew(const QString& fileName);
    QString createFolder(const QString& name);
    // Selects the new file or folder and lets the user name it.
    void startRenaming(const QString& path);
    void openAndDiscardInvalid(const QString& filePath);
    // Report documents ask the main window to download or import measurements.
    void connectReportRequests(AbstractDocument* doc);

    QDockWidget* dockBrowser = nullptr;
    QDockWidget* dockSearch = nullptr;
    FindInFiles* searchPanel = nullptr;
    ProjectTreeView* tree = nullptr;
    ProjectModel* model = nullptr;
    ProjectFoldersWatcher* watcher = nullptr;
    QMenu* menuLanguage = nullptr;
    QActionGroup* languageGroup = nullptr;

    QAction* actionSettings = nullptr;
    QAction* actionNewInspectionReport = nullptr;
    QAction* actionNewTestReport = nullptr;
    QAction* actionNewVerificationCertificate = nullptr;
    QAction* actionDelete = nullptr;
    QAction* actionRename = nullptr;
    QAction* actionSave = nullptr;
    QAction* actionNewFolder = nullptr;
    QAction* actionAbout = nullptr;
    QAction* actionNewInstallationDiagram = nullptr;
    QAction* actionNewClientHandoverPack = nullptr;
    QAction* actionNewChecklist = nullptr;
    QAction* actionOpen = nullptr;
    QAction* actionImport = nullptr;
    QAction* actionDownload = nullptr;
    QAction* actionNewCurveData = nullptr;
    QAction* actionPDFManual = nullptr;
    QAction* actionOpenFile = nullptr;
    QAction* actionPrint = nullptr;
    QAction* actionPrintPreview = nullptr;
    QAction* actionExportPdf = nullptr;
    QAction* actionExit = nullptr;
    QAction* actionUndo = nullptr;
    QAction* actionRedo = nullptr;
    QAction* actionCut = nullptr;
    QAction* actionCopy = nullptr;
    QAction* actionPaste = nullptr;
    QMenu* menuRecent = nullptr;
    QUndoGroup* undoGroup = nullptr;
    DialogImportResults* importDialog = nullptr;
    DownloadLauncher* downloadLauncher = nullptr;
};
