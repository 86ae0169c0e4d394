#include "MainWindow.h"

#include "AbstractDocument.h"
#include "AppIdentity.h"
#include "DialogAbout.h"
#include "DialogSettings.h"
#include "DialogWelcome.h"
#include "DocumentCreator.h"
#include "DocumentSession.h"
#include "DialogImportResults.h"
#include "DocumentFactory.h"
#include "DownloadLauncher.h"
#include "EditTarget.h"
#include "FindInFiles.h"
#include "Folders.h"
#include "FoundFilesModel.h"
#include "Globals.h"
#include "GraphicalReportDocument.h"
#include "LanguageChange.h"
#include "Manual.h"
#include "ProjectFoldersWatcher.h"
#include "ProjectModel.h"
#include "ProjectTreeView.h"
#include "RecentDocuments.h"
#include "Prompts.h"
#include "ResultsFileChooser.h"
#include "ReportScene.h"
#include "ResourceIcons.h"
#include "ResultsImportMessages.h"
#include "ResultsImporter.h"
#include "SearchResultsDocument.h"
#include "SettingsKeys.h"
#include "TranslationCatalogues.h"
#include "UniquePath.h"
#include "WaitCursor.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QSettings>
#include <QTimer>
#include <QUndoGroup>
#include <QUndoStack>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget* parent)
    : MdiWindow(parent)
{
    Globals::setMainWindowInstance(this);
    // Report fonts are given for 96 DPI; the scene corrects them for this window's screen.
    ReportScene::setScreenDpiY(logicalDpiY());
    const bool restartPass = Globals::restartRequested();
    if (restartPass)
        Folders::instance(true);
    connect(&Folders::instance(), &Folders::projectsFolderChanged, this, &MainWindow::projectsFolderChanged);
    setWindowIcon(ResourceIcons::get(QStringLiteral(":res/images/logo.ico")));
    buildActions();
    buildMenus();
    buildDocumentArea();
    buildDocks();
    restoreLayout();

    connect(tree, &QWidget::customContextMenuRequested, this, &MainWindow::showTreeContextMenu);
    connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this, &MainWindow::selectionChanged);
    connect(tree, &QAbstractItemView::activated, this, QOverload<const QModelIndex&>::of(&MainWindow::openDocument));
    connect(this, &MdiWindow::activeDocumentChanged, this, &MainWindow::documentChanged);

    downloadLauncher = new DownloadLauncher(this);
    connect(downloadLauncher, &DownloadLauncher::importRequested, this, &MainWindow::showResultsForImport);
    // A root resolved before this window existed was announced to no one.
    if (Folders::instance().resolveRootDir() && !watcher)
        projectsFolderChanged(Folders::instance().rootDir());
    if (restartPass)
        Globals::setRestartRequested(false);
    else
        QCoreApplication::postEvent(this, new QEvent(QEvent::Type(welcomeEventType)));
    actionPDFManual->setVisible(true);
}

MainWindow::~MainWindow()
{
    disconnect(this, &MdiWindow::activeDocumentChanged, this, &MainWindow::documentChanged);
    // Closing the children moves the focus, which must not reach a window half taken down.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QApplication::clipboard(), nullptr, this, nullptr);
    tree->selectionModel()->disconnect(this);
    QSettings settings;
    settings.setValue(SettingsKeys::mainWindowGeometry, saveGeometry());
    settings.setValue(SettingsKeys::mainWindowState, saveState());
}

QAction* MainWindow::makeAction(const char* objectName, const QString& text, const QString& icon,
                                void (MainWindow::*slot)())
{
    auto* action = new QAction(ResourceIcons::get(icon), text, this);
    action->setObjectName(QLatin1String(objectName));
    connect(action, &QAction::triggered, this, slot);
    // Shortcuts of actions that sit in no menu work only when the window holds them.
    addAction(action);
    return action;
}

void MainWindow::buildActions()
{
    actionSettings = makeAction("actionSettings", tr("Settings...", "Menu option"),
                                QStringLiteral(":/res/toolButtons/settings.png"), &MainWindow::showSettingsDialog);
    actionNewInspectionReport = makeAction("actionNewInspectionReport", tr("New Inspection Report", "Menu option"),
                                           QStringLiteral(":/res/fileTypes/inspection.png"),
                                           &MainWindow::createNewInspectionReport);
    actionNewTestReport = makeAction("actionNewTestReport", tr("New PV Array Test Report", "Menu option"),
                                     QStringLiteral(":/res/fileTypes/report.png"), &MainWindow::createNewTestReport);
    actionNewVerificationCertificate = makeAction(
        "actionNewVerificationCertificate", tr("New Verification Certificate", "Menu option"),
        QStringLiteral(":/res/fileTypes/certificate.png"), &MainWindow::createNewVerificationCertificate);
    actionDelete = makeAction("actionDelete", tr("Delete", "Menu option"), QStringLiteral(":/res/toolButtons/delete.png"),
                              &MainWindow::remove);
    actionDelete->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    actionRename = makeAction("actionRename", tr("Rename", "Menu option"), QStringLiteral(":/res/toolButtons/rename.png"),
                              &MainWindow::rename);
    actionRename->setShortcut(QKeySequence(QStringLiteral("F2")));
    actionSave = makeAction("actionSave", tr("Save", "Menu option"), QStringLiteral(":/res/toolButtons/save.png"),
                            &MainWindow::save);
    actionSave->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    actionNewFolder = makeAction("actionNewFolder", tr("New Folder", "Menu option"),
                                 QStringLiteral(":/res/fileTypes/folder.png"), &MainWindow::createNewFolder);
    actionAbout = makeAction("actionAbout", tr("About...", "Menu option"), QStringLiteral(":/res/toolButtons/about.png"),
                             &MainWindow::showAbout);
    actionNewInstallationDiagram = makeAction(
        "actionNewInstallationDiagram", tr("New Installation Diagram", "Menu option"),
        QStringLiteral(":/res/fileTypes/installation_diagram.png"), &MainWindow::createNewInstallationDiagram);
    actionNewClientHandoverPack = makeAction("actionNewClientHandoverPack", tr("New Client Handover Pack", "Menu option"),
                                             QStringLiteral(":/res/fileTypes/chp_folder.png"),
                                             &MainWindow::createClientHandoverPack);
    actionNewClientHandoverPack->setToolTip(tr("Create a new folder with a checklist in it", "Tool tip hint"));
    actionNewChecklist = makeAction("actionNewChecklist", tr("New Checklist", "Menu option"),
                                    QStringLiteral(":/res/fileTypes/checklist.png"), &MainWindow::createNewChecklistReport);
    actionOpen = makeAction("actionOpen", tr("Open", "Menu option"), QString(), &MainWindow::open);
    actionImport = makeAction("actionImport", tr("Import...", "Menu option"), QStringLiteral(":/res/toolButtons/import.png"),
                              &MainWindow::import);
    actionDownload = makeAction("actionDownload", tr("Download ...", "Menu option"),
                                QStringLiteral(":/res/toolButtons/download.png"), &MainWindow::download);
    actionNewCurveData = makeAction("actionNewCurveData", tr("New Curve Data", "Menu option"),
                                    QStringLiteral(":/res/fileTypes/chart.png"), &MainWindow::createNewCurveData);
    actionPDFManual = makeAction("actionPDFManual", tr("PDF Instruction Manual", "Menu option"),
                                 QStringLiteral(":/res/toolButtons/export_pdf.png"), &MainWindow::showPDFManual);
    for (QAction* needsSelection : {actionDelete, actionRename, actionSave, actionOpen})
        needsSelection->setEnabled(false);
    actionNewTestReport->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    buildDocumentActions();
}

void MainWindow::buildDocumentActions()
{
    actionOpenFile = makeAction("actionOpenFile", tr("Open...", "Menu option"), QString(), &MainWindow::openFile);
    actionPrint = makeAction("actionPrint", tr("Print...", "Menu option"), QStringLiteral(":res/toolButtons/printer.png"),
                             &MainWindow::printDocument);
    actionPrintPreview = makeAction("actionPrintPreview", tr("Print Preview...", "Menu option"), QString(),
                                    &MainWindow::previewDocument);
    actionExportPdf = makeAction("actionExportPdf", tr("Export PDF...", "Menu option"),
                                 QStringLiteral(":/res/toolButtons/export_pdf.png"), &MainWindow::exportDocumentToPdf);
    actionExit = new QAction(tr("Exit", "Menu option"), this);
    actionExit->setObjectName(QStringLiteral("actionExit"));
    connect(actionExit, &QAction::triggered, this, &QWidget::close);
    addAction(actionExit);
    actionCut = makeAction("actionCut", tr("Cut", "Menu option"), QStringLiteral(":res/toolButtons/context-cut.png"),
                           &MainWindow::cut);
    actionCopy = makeAction("actionCopy", tr("Copy", "Menu option"), QStringLiteral(":res/toolButtons/context-copy.png"),
                            &MainWindow::copy);
    actionPaste = makeAction("actionPaste", tr("Paste", "Menu option"),
                             QStringLiteral(":res/toolButtons/context-paste.png"), &MainWindow::paste);
    undoGroup = new QUndoGroup(this);
    actionUndo = undoGroup->createUndoAction(this, tr("Undo", "Menu option"));
    actionRedo = undoGroup->createRedoAction(this, tr("Redo", "Menu option"));
    actionUndo->setObjectName(QStringLiteral("actionUndo"));
    actionRedo->setObjectName(QStringLiteral("actionRedo"));
    actionUndo->setIcon(ResourceIcons::get(QStringLiteral(":res/toolButtons/context-undo.png")));
    actionRedo->setIcon(ResourceIcons::get(QStringLiteral(":res/toolButtons/context-redo.png")));
    addActions({actionUndo, actionRedo});
    const QVector<QPair<QAction*, const char*>> shortcuts{
        {actionOpenFile, "Ctrl+O"}, {actionPrint, "Ctrl+P"}, {actionExportPdf, "Ctrl+Shift+E"},
        {actionExit, "Ctrl+Q"},     {actionUndo, "Ctrl+Z"},  {actionRedo, "Ctrl+Y"},
        {actionCut, "Ctrl+X"},      {actionCopy, "Ctrl+C"},  {actionPaste, "Ctrl+V"}};
    for (const auto& shortcut : shortcuts)
        shortcut.first->setShortcut(QKeySequence(QLatin1String(shortcut.second)));
    for (QAction* needsDocument : {actionPrint, actionPrintPreview, actionExportPdf, actionCut, actionCopy, actionPaste})
        needsDocument->setEnabled(false);
}

void MainWindow::buildMenus()
{
    buildFileMenu();
    buildEditMenu();

    menuLanguage = menuBar()->addMenu(tr("Language", "Menu option"));
    menuLanguage->setObjectName(QStringLiteral("menuLanguage"));
    buildLanguageMenu(menuLanguage);

    QMenu* window = menuBar()->addMenu(QString());
    window->setObjectName(QStringLiteral("menuWindow"));
    setUpWindowMenu(window);

    QMenu* help = menuBar()->addMenu(tr("Help", "Menu option"));
    help->setObjectName(QStringLiteral("menuHelp"));
    help->addActions({actionAbout, actionPDFManual});
}

void MainWindow::buildFileMenu()
{
    QMenu* file = menuBar()->addMenu(tr("File", "Menu option"));
    file->setObjectName(QStringLiteral("menuFile"));
    file->addActions({actionNewInspectionReport, actionNewTestReport, actionNewVerificationCertificate,
                      actionNewInstallationDiagram, actionNewChecklist, actionNewCurveData});
    file->addSeparator();
    file->addAction(actionOpenFile);
    menuRecent = file->addMenu(tr("Recent Documents", "Menu option"));
    menuRecent->setObjectName(QStringLiteral("menuRecent"));
    connect(menuRecent, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    file->addSeparator();
    file->addActions({actionNewClientHandoverPack, actionNewFolder});
    file->addSeparator();
    file->addActions({actionSave, actionPrint, actionPrintPreview, actionExportPdf});
    file->addSeparator();
    file->addActions({actionDelete, actionRename});
    file->addSeparator();
    file->addAction(actionExit);
}

void MainWindow::buildEditMenu()
{
    QMenu* edit = menuBar()->addMenu(tr("Edit", "Menu option"));
    edit->setObjectName(QStringLiteral("menuEdit"));
    edit->addActions({actionUndo, actionRedo});
    edit->addSeparator();
    edit->addActions({actionCut, actionCopy, actionPaste});
    edit->addSeparator();
    edit->addAction(actionSettings);
    connect(edit, &QMenu::aboutToShow, this, &MainWindow::updateEditCommands);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::updateEditCommands);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::updateEditCommands);
}

// Files moved or deleted while the program runs stay in the list, greyed out, so that the
// list does not shift under the user's hand.
void MainWindow::fillRecentMenu()
{
    menuRecent->clear();
    const QStringList paths = RecentDocuments::paths();
    if (paths.isEmpty())
        menuRecent->addAction(tr("No recent documents", "Menu option"))->setEnabled(false);
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths.at(i);
        QAction* entry = menuRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        entry->setData(path);
        entry->setEnabled(QFileInfo(path).isFile());
        connect(entry, &QAction::triggered, this, [this, path] { openAndDiscardInvalid(path); });
    }
}

// Lists the catalogues beside the program, not in the working folder: a program started from
// elsewhere would otherwise offer no language at all.
void MainWindow::buildLanguageMenu(QMenu* menu)
{
    languageGroup = new QActionGroup(this);
    languageGroup->setExclusive(true);
    QSettings settings;
    if (!settings.contains(SettingsKeys::locale))
        settings.setValue(SettingsKeys::locale, QStringLiteral("en"));
    int position = 0;
    for (const TranslationCatalogues::Catalogue& catalogue :
         TranslationCatalogues::list(TranslationCatalogues::folder())) {
        const bool english = TranslationCatalogues::localeName(catalogue.fileName) == QLatin1String("en");
        const QString language = english ? QStringLiteral("English") : catalogue.locale.nativeLanguageName();
        QAction* entry = menu->addAction(QStringLiteral("&%1 %2").arg(++position).arg(language));
        entry->setCheckable(true);
        entry->setData(catalogue.locale);
        languageGroup->addAction(entry);
    }
    checkCurrentLanguage();
    connect(languageGroup, &QActionGroup::triggered, this, &MainWindow::switchLanguage);
}

void MainWindow::checkCurrentLanguage()
{
    const QLocale current(QSettings().value(SettingsKeys::locale).toString());
    for (QAction* entry : languageGroup->actions())
        entry->setChecked(entry->data().toLocale().language() == current.language());
}

void MainWindow::buildDocumentArea()
{
    mdiArea()->setBackground(
        QBrush(QPixmap(QStringLiteral(":/res/images/%1_bg.jpg").arg(AppIdentity::organisationName))));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mdiArea());
    setCentralWidget(central);
}

void MainWindow::buildDocks()
{
    dockBrowser = new QDockWidget(tr("Document Browser", "Window Title"), this);
    dockBrowser->setObjectName(QStringLiteral("dockBrowser"));
    tree = new ProjectTreeView(dockBrowser);
    model = new ProjectModel(this);
    model->setOpenFiles([this] {
        QStringList files;
        for (const AbstractDocument* doc : documents())
            files << doc->filePath();
        return files;
    });
    tree->setModel(model);
    tree->setHeaderHidden(true);
    dockBrowser->setWidget(tree);

    dockSearch = new QDockWidget(tr("Document Search", "Window Title"), this);
    dockSearch->setObjectName(QStringLiteral("dockSearch"));
    searchPanel = new FindInFiles(dockSearch);
    dockSearch->setWidget(searchPanel);
    connect(searchPanel, &FindInFiles::searchStarted, this, &MainWindow::showResultsDocument);

    for (QDockWidget* dock : {dockBrowser, dockSearch})
        dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    resize(1200, 800);
    resetWindowLayout();
}

void MainWindow::resetWindowLayout()
{
    for (QDockWidget* dock : {dockBrowser, dockSearch}) {
        dock->setFloating(false);
        addDockWidget(Qt::LeftDockWidgetArea, dock, Qt::Vertical);
    }
    tabifyDockWidget(dockBrowser, dockSearch);
    dockBrowser->raise();
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
    return mdiArea();
}

// Made on first use: most sessions import nothing, and the window should come up at once.
DialogImportResults* MainWindow::resultsImportDialog()
{
    if (!importDialog) {
        importDialog = new DialogImportResults(this);
        connect(importDialog, &DialogImportResults::importRow, this, &MainWindow::importRow);
    }
    return importDialog;
}

ProjectFoldersWatcher* MainWindow::directoryWatcher() const
{
    return watcher;
}

QDockWidget* MainWindow::browserDock() const
{
    return dockBrowser;
}

QDockWidget* MainWindow::searchDock() const
{
    return dockSearch;
}

FindInFiles* MainWindow::findInFiles() const
{
    return searchPanel;
}

QMenu* MainWindow::languageMenu() const
{
    return menuLanguage;
}

bool MainWindow::event(QEvent* event)
{
    const bool handled = MdiWindow::event(event);
    // Only a window the user sees greets; one made and dropped unseen does not.
    if (event->type() == QEvent::Type(welcomeEventType) && isVisible()) {
        DialogWelcome welcome(this);
        welcome.exec();
        return true;
    }
    return handled;
}

AbstractDocument* MainWindow::openDocument(const QString& filePath)
{
    for (AbstractDocument* doc : documents()) {
        if (doc->filePath() == filePath)
            return doc;
    }
    AbstractDocument* doc = DocumentFactory::createDocument(filePath, nullptr);
    if (doc && doc->isValid()) {
        leaveWindowShortcutsToTheWindow(doc);
        if (QUndoStack* stack = doc->undoStack())
            undoGroup->addStack(stack);
        MdiWindow::openDocument(doc);
        connect(doc, &AbstractDocument::titleChanged, this, &MainWindow::documentTitleChanged);
        connectReportRequests(doc);
        if (!qobject_cast<SearchResultsDocument*>(doc))
            RecentDocuments::add(filePath);
    }
    return doc;
}

void MainWindow::leaveWindowShortcutsToTheWindow(AbstractDocument* doc)
{
    // Two actions on one key make the toolkit refuse both ("Ambiguous shortcut overload"). The
    // window's own action (Ctrl+S saves the active document) does what the document's would.
    for (QAction* own : actions()) {
        if (own->shortcut().isEmpty())
            continue;
        for (QAction* docAction : doc->findChildren<QAction*>()) {
            if (docAction->shortcut() == own->shortcut())
                docAction->setShortcut(QKeySequence());
        }
    }
}

void MainWindow::connectReportRequests(AbstractDocument* doc)
{
    auto* report = qobject_cast<GraphicalReportDocument*>(doc);
    if (!report)
        return;
    connect(report, &GraphicalReportDocument::downloadRequested, this, &MainWindow::download);
    connect(report, &GraphicalReportDocument::importRequested, this, &MainWindow::import);
}

void MainWindow::openAndDiscardInvalid(const QString& filePath)
{
    AbstractDocument* doc = openDocument(filePath);
    if (doc && !doc->isValid())
        delete doc;
}

void MainWindow::openDocument(const QModelIndex& index)
{
    openAndDiscardInvalid(model->filePath(index));
}

void MainWindow::open()
{
    const QModelIndex current = tree->currentIndex();
    if (current.isValid())
        openAndDiscardInvalid(model->filePath(current));
}

void MainWindow::openFile()
{
    FileRequest request;
    request.kind = FileRequest::OpenFile;
    request.parent = this;
    request.caption = tr("Open Document", "Window Title");
    request.directory = Folders::instance().rootDir();
    request.filter = tr("Documents (*.arvir *.arvatr *.arvvc *.arvchk *.arvreport *.arvid *.arvcrv);;All Files (*)",
                        "File filter");
    const QString path = Prompts::instance().chooseFile(request);
    if (!path.isEmpty())
        openAndDiscardInvalid(path);
}

void MainWindow::restoreSession()
{
    RecentDocuments::forgetMissing();
    const QStringList paths = DocumentSession::toReopen();
    if (paths.isEmpty())
        return;
    const WaitCursor waiting;
    for (const QString& path : paths)
        openAndDiscardInvalid(path);
}

QStringList MainWindow::sessionPaths() const
{
    QStringList paths;
    for (const AbstractDocument* doc : documents()) {
        if (!qobject_cast<const SearchResultsDocument*>(doc))
            paths << doc->filePath();
    }
    return paths;
}

void MainWindow::printDocument()
{
    if (AbstractDocument* doc = activeDocument())
        doc->print();
}

void MainWindow::previewDocument()
{
    if (AbstractDocument* doc = activeDocument())
        doc->printPreview();
}

void MainWindow::exportDocumentToPdf()
{
    if (AbstractDocument* doc = activeDocument())
        doc->exportToPdf();
}

void MainWindow::cut()
{
    EditTarget::focusedIn(activeDocument()).trigger(QKeySequence::Cut);
}

void MainWindow::copy()
{
    EditTarget::focusedIn(activeDocument()).trigger(QKeySequence::Copy);
}

void MainWindow::paste()
{
    EditTarget::focusedIn(activeDocument()).trigger(QKeySequence::Paste);
}

void MainWindow::updateDocumentCommands()
{
    AbstractDocument* doc = activeDocument();
    const bool printable = doc && doc->canPrint();
    for (QAction* action : {actionPrint, actionPrintPreview, actionExportPdf})
        action->setEnabled(printable);
    undoGroup->setActiveStack(doc ? doc->undoStack() : nullptr);
    updateEditCommands();
}

void MainWindow::updateEditCommands()
{
    const EditTarget target = EditTarget::focusedIn(activeDocument());
    actionCut->setEnabled(target.canCut());
    actionCopy->setEnabled(target.canCopy());
    actionPaste->setEnabled(target.canPaste());
}

void MainWindow::projectsFolderChanged(const QString& newFolder)
{
    tree->setRootIndex(model->setRootPath(newFolder));
    if (!watcher) {
        watcher = new ProjectFoldersWatcher(this);
        connect(watcher, &ProjectFoldersWatcher::directoryChanged, this, &MainWindow::directoryChanged);
    }
    watcher->watch(newFolder);
}

void MainWindow::directoryChanged(const QString&)
{
    const QList<AbstractDocument*> open = documents();
    for (const QPointer<AbstractDocument>& doc : QVector<QPointer<AbstractDocument>>(open.cbegin(), open.cend())) {
        // The results window shows a search, not a file, and has none on disk.
        if (doc && !qobject_cast<SearchResultsDocument*>(doc) && !QFileInfo::exists(doc->filePath()))
            closeDocument(doc);
    }
}

void MainWindow::selectionChanged(const QModelIndex& current, const QModelIndex&)
{
    const bool onItem = current.isValid();
    for (QAction* action : {actionOpen, actionRename, actionDelete})
        action->setEnabled(onItem);
    if (!onItem)
        return;
    const QString path = model->filePath(current);
    for (AbstractDocument* doc : documents()) {
        if (doc->filePath() == path)
            setActiveDocument(doc);
    }
}

void MainWindow::documentChanged(AbstractDocument*, AbstractDocument* to)
{
    updateDocumentCommands();
    if (!to) {
        actionSave->setEnabled(false);
        return;
    }
    const QModelIndex index = model->index(to->filePath());
    if (index.isValid())
        tree->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    actionSave->setEnabled(to->isModified());
}

void MainWindow::documentTitleChanged(AbstractDocument* doc)
{
    if (doc == activeDocument())
        actionSave->setEnabled(doc->isModified());
}

void MainWindow::save()
{
    if (AbstractDocument* doc = activeDocument())
        doc->save();
}

void MainWindow::rename()
{
    const QModelIndex current = tree->currentIndex();
    if (current.isValid())
        tree->edit(current);
}

void MainWindow::remove()
{
    model->remove(tree->selectionModel()->selectedIndexes());
}

QString MainWindow::targetFolder() const
{
    const QModelIndexList selected = tree->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return Folders::instance().rootDir();
    const QModelIndex first = selected.first();
    return model->isDir(first) ? model->filePath(first) : model->fileInfo(first).absolutePath();
}

void MainWindow::createNew(const QString& fileName)
{
    // Without a projects root (it could not be set) there is nowhere to put a new file.
    if (!Folders::instance().resolveRootDir())
        return;
    const QString created = DocumentCreator(this).create(targetFolder(), fileName);
    if (!created.isEmpty())
        startRenaming(created);
}

void MainWindow::startRenaming(const QString& path)
{
    const QModelIndex index = model->indexOfNewEntry(path);
    if (!index.isValid())
        return;
    tree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    tree->scrollTo(index);
    tree->edit(index);
}

void MainWindow::createNewInspectionReport()
{
    createNew(Globals::defaultFileNames().inspectionReport);
}

void MainWindow::createNewTestReport()
{
    createNew(Globals::defaultFileNames().testReport);
}

void MainWindow::createNewVerificationCertificate()
{
    createNew(Globals::defaultFileNames().verificationCertificate);
}

void MainWindow::createNewInstallationDiagram()
{
    createNew(Globals::defaultFileNames().installationDiagram);
}

void MainWindow::createNewChecklistReport()
{
    createNew(Globals::defaultFileNames().checklist);
}

void MainWindow::createNewCurveData()
{
    createNew(Globals::defaultFileNames().curveData);
}

// Returns the new folder's path; empty when it could not be made (the user has been told).
QString MainWindow::createFolder(const QString& name)
{
    if (!Folders::instance().resolveRootDir())
        return QString();
    const QString path = UniquePath::of(QStringLiteral("%1/%2").arg(Folders::instance().rootDir(), name));
    if (QDir().mkdir(path))
        return path;
    Prompts::instance().show(this, QMessageBox::Warning,
                             tr("The folder \"%1\" could not be created.", "Error Message").arg(QDir::toNativeSeparators(path)),
                             tr("Check that the projects folder exists and that you may write to it.",
                                "Error message informative text"));
    return QString();
}

void MainWindow::createNewFolder()
{
    const QString folder = createFolder(tr("New Folder", "Menu option"));
    if (!folder.isEmpty())
        startRenaming(folder);
}

void MainWindow::createClientHandoverPack()
{
    const QString folder = createFolder(tr("New Client Handover Pack", "Menu option"));
    if (folder.isEmpty())
        return;
    tree->selectionModel()->select(model->indexOfNewEntry(folder), QItemSelectionModel::ClearAndSelect);
    createNew(Globals::defaultFileNames().checklist);
}

QMenu* MainWindow::treeContextMenu(const QPoint& pos)
{
    auto* menu = new QMenu(this);
    if (tree->indexAt(pos).isValid()) {
        menu->addAction(actionOpen);
        menu->setDefaultAction(actionOpen);
        menu->addSeparator();
        menu->addActions({actionSave, actionDelete, actionRename});
        menu->addSeparator();
    }
    menu->addActions({actionNewInspectionReport, actionNewTestReport, actionNewVerificationCertificate,
                      actionNewInstallationDiagram, actionNewChecklist, actionNewCurveData});
    menu->addSeparator();
    menu->addActions({actionNewFolder, actionNewClientHandoverPack});
    return menu;
}

void MainWindow::showTreeContextMenu(const QPoint& pos)
{
    QMenu* menu = treeContextMenu(pos);
    menu->exec(tree->viewport()->mapToGlobal(pos));
    delete menu;
}

void MainWindow::import()
{
    const QString fileName = ResultsFileChooser::choose(this);
    if (!fileName.isEmpty())
        showResultsForImport(fileName);
}

void MainWindow::showResultsForImport(const QString& fileName)
{
    DialogImportResults* dialog = resultsImportDialog();
    if (!dialog->load(fileName))
        return;
    QSettings().setValue(SettingsKeys::lastImportDir, fileName);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MainWindow::importRow(const QModelIndexList& indexes)
{
    auto* report = qobject_cast<GraphicalReportDocument*>(activeDocument());
    if (!report)
        return;
    ResultsImporter importer(report->scene(), importDialog->model());
    const int result = importer.import(indexes);
    ResultsImportMessages::show(this, result, report->filePath(), indexes);
}

void MainWindow::download()
{
    downloadLauncher->download();
}

// Every search starts here; the connections are made once, whichever search opened the window.
void MainWindow::showResultsDocument()
{
    auto* results = qobject_cast<SearchResultsDocument*>(
        openDocument(QStringLiteral("%1/Search Results").arg(Folders::instance().dataFolder())));
    if (!results)
        return;
    setActiveDocument(results);
    connect(results, &SearchResultsDocument::openDocument, this, &MainWindow::openAndDiscardInvalid,
            Qt::UniqueConnection);
    connect(searchPanel, &FindInFiles::searchFinished, results, &SearchResultsDocument::resizeColumns,
            Qt::UniqueConnection);
    results->setModel(searchPanel->model());
}

void MainWindow::showSettingsDialog()
{
    DialogSettings dialog(this);
    dialog.exec();
}

void MainWindow::showAbout()
{
    DialogAbout about(this);
    about.exec();
}

void MainWindow::showPDFManual()
{
    Manual::open(this);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!downloadLauncher->okToEnd()) {
        event->ignore();
        return;
    }
    // A language change has already remembered the documents it closed.
    const QStringList open = sessionPaths();
    MdiWindow::closeEvent(event);
    if (event->isAccepted() && !Globals::restartRequested())
        DocumentSession::remember(open);
}

void MainWindow::switchLanguage(QAction* action)
{
    // Any question may be cancelled, so the language changes only once all were answered. The
    // documents come before the download program, whose end would lose a download in progress.
    const QStringList open = sessionPaths();
    if (!LanguageChange::confirm() || !closeAllDocuments() || !downloadLauncher->okToEnd()) {
        checkCurrentLanguage();
        return;
    }
    DocumentSession::remember(open);
    LanguageChange::apply(action->data().toLocale(), this);
    Globals::setRestartRequested(true);
    close();
}
