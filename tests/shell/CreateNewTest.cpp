#include "DialogImportResults.h"
#include "DocumentCreator.h"
#include "Folders.h"
#include "Globals.h"
#include "MainWindow.h"
#include "PathIcon.h"
#include "ProjectModel.h"
#include "ProjectTreeView.h"
#include "ReportContainer.h"
#include "ReportFavourites.h"
#include "ShellFixture.h"
#include "TestDocument.h"
#include "TestMain.h"
#include "UniquePath.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>

namespace {
QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeTestReportFavourite(const QString& resPak)
{
    const QByteArray xml = QStringLiteral("<Report resPak=\"%1\"/>").arg(resPak).toUtf8();
    QCOMPARE(ReportContainer::write(ReportFavourites::favouritePath(QStringLiteral("arvatr")),
                                    {{QStringLiteral("xml"), xml}}),
             ReportContainer::Status::Ok);
}

QStringList actionNames(const QList<QAction*>& actions)
{
    QStringList names;
    for (QAction* action : actions)
        names << (action->isSeparator() ? QStringLiteral("-")
                                        : action->menu() ? action->menu()->objectName() : action->objectName());
    return names;
}
} // namespace

class CreateNewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void uniqueNamesCountFromTwo();
    void secondAndThirdChecklistAreNumbered();
    void newFileGoesBesideTheSelectedFileAndIsRenamed();
    void typedNameKeepsTheExtension();
    void favouriteIsMadeOnFirstUseAndAgainAfterDeletion();
    void oldTestReportFavouriteIsReplacedOnYes();
    void currentTestReportFavouriteAsksNothing();
    void missingShippedDefaultIsReportedAndNothingMade();
    void failedCopyLeavesNoFile();
    void newFilesFollowTheUmask();
    void handoverPackTwiceGivesTwoFoldersWithAChecklistEach();
    void newFolderIsNumberedAndRenamed();
    void newAndRenamedEntriesTakeTheirSortedPlaceInTheWindow();
    void menusHoldTheirActionsInOrder();
    void contextMenuOffersOpenOnlyOnAnItem();
    void selectionEnablesTheItemCommands();
    void importAsksForTheResultsFile();
    void importShowsTheChosenFileInTheDialog();

private:
    QString created(const char* actionName);
    QString currentPath() const;
    QStringList namesInRoot() const;

    std::unique_ptr<ShellFixture> fixture;
    std::unique_ptr<MainWindow> window;
};

void CreateNewTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    TestDocument::registerAsAllDocuments();
}

void CreateNewTest::init()
{
    fixture = std::make_unique<ShellFixture>();
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void CreateNewTest::cleanup()
{
    window.reset();
    fixture.reset();
}

// Triggers a create-new action and returns the path now being renamed in the tree.
QString CreateNewTest::created(const char* actionName)
{
    auto* action = window->findChild<QAction*>(QLatin1String(actionName));
    if (!action)
        return QStringLiteral("no action %1").arg(QLatin1String(actionName));
    action->trigger();
    // The name is being edited in the tree.
    ProjectTreeView* tree = window->projectTree();
    const QString name = tree->projectModel()->fileName(tree->currentIndex());
    for (QLineEdit* editor : tree->viewport()->findChildren<QLineEdit*>()) {
        if (editor->isVisible() && editor->text() == name)
            return currentPath();
    }
    return QString();
}

QString CreateNewTest::currentPath() const
{
    ProjectTreeView* tree = window->projectTree();
    return tree->projectModel()->filePath(tree->currentIndex());
}

QStringList CreateNewTest::namesInRoot() const
{
    ProjectTreeView* tree = window->projectTree();
    QStringList names;
    for (int row = 0; row < tree->model()->rowCount(tree->rootIndex()); ++row)
        names << tree->model()->index(row, 0, tree->rootIndex()).data().toString();
    return names;
}

void CreateNewTest::uniqueNamesCountFromTwo()
{
    const QString report = fixture->path(QStringLiteral("Checklist.arvchk"));
    QCOMPARE(UniquePath::of(report), report);
    fixture->writeFile(QStringLiteral("Checklist.arvchk"));
    QCOMPARE(UniquePath::of(report), fixture->path(QStringLiteral("Checklist (2).arvchk")));
    fixture->writeFile(QStringLiteral("Checklist (2).arvchk"));
    QCOMPARE(UniquePath::of(report), fixture->path(QStringLiteral("Checklist (3).arvchk")));

    QDir(fixture->root()).mkpath(QStringLiteral("Job 1.5/New Folder"));
    QCOMPARE(UniquePath::of(fixture->path(QStringLiteral("Job 1.5/New Folder"))),
             fixture->path(QStringLiteral("Job 1.5/New Folder (2)")));
}

void CreateNewTest::secondAndThirdChecklistAreNumbered()
{
    fixture->writeFile(QStringLiteral("Checklist.arvchk"), "the user's own");
    QCOMPARE(created("actionNewChecklist"), fixture->path(QStringLiteral("Checklist (2).arvchk")));
    QCOMPARE(created("actionNewChecklist"), fixture->path(QStringLiteral("Checklist (3).arvchk")));
    QCOMPARE(contentsOf(fixture->path(QStringLiteral("Checklist.arvchk"))), QByteArray("the user's own"));
    QCOMPARE(contentsOf(fixture->path(QStringLiteral("Checklist (3).arvchk"))),
             contentsOf(QStringLiteral(":res/reports_test/default.arvchk")));
    QVERIFY(fixture->prompts.shown().isEmpty());
}

void CreateNewTest::typedNameKeepsTheExtension()
{
    QCOMPARE(created("actionNewTestReport"), fixture->path(QStringLiteral("Array Test Report.arvatr")));
    ProjectTreeView* tree = window->projectTree();
    auto* nameEditor = qobject_cast<QLineEdit*>(tree->indexWidget(tree->currentIndex()));
    QVERIFY(nameEditor);
    QCOMPARE(nameEditor->selectedText(), QStringLiteral("Array Test Report"));
    QTest::keyClicks(nameEditor, QStringLiteral("Miller Strings"));
    QCOMPARE(nameEditor->text(), QStringLiteral("Miller Strings.arvatr"));
    // What Return does, without waiting for the queued call that would carry it out.
    QVERIFY(QMetaObject::invokeMethod(tree, "commitData", Q_ARG(QWidget*, nameEditor)));
    QVERIFY(QFile::exists(fixture->path(QStringLiteral("Miller Strings.arvatr"))));
}

void CreateNewTest::newFileGoesBesideTheSelectedFileAndIsRenamed()
{
    const QString photo = fixture->writeFile(QStringLiteral("Farm/roof.jpg"));
    ProjectTreeView* tree = window->projectTree();
    QTRY_VERIFY(tree->projectModel()->index(photo).isValid());
    tree->selectionModel()->select(tree->projectModel()->index(photo), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(created("actionNewCurveData"), fixture->path(QStringLiteral("Farm/Curve Data.arvcrv")));
    QCOMPARE(created("actionNewInstallationDiagram"), fixture->path(QStringLiteral("Farm/Installation Diagram.arvid")));
}

void CreateNewTest::favouriteIsMadeOnFirstUseAndAgainAfterDeletion()
{
    const QString favourite = ReportFavourites::favouritePath(QStringLiteral("arvir"));
    QCOMPARE(favourite, Folders::instance().dataFolder() + QStringLiteral("/default.arvir"));
    QVERIFY(!QFile::exists(favourite));
    QCOMPARE(created("actionNewInspectionReport"), fixture->path(QStringLiteral("Inspection Report.arvir")));
    QCOMPARE(contentsOf(favourite), contentsOf(QStringLiteral(":res/reports_test/default.arvir")));
    QVERIFY(QFileInfo(favourite).isWritable());

    // A favourite saved by the user is what new reports are made from.
    QFile::remove(favourite);
    QFile custom(favourite);
    QVERIFY(custom.open(QIODevice::WriteOnly));
    custom.write("saved as favourite");
    custom.close();
    window->projectTree()->clearSelection();
    QCOMPARE(created("actionNewInspectionReport"), fixture->path(QStringLiteral("Inspection Report (2).arvir")));
    QCOMPARE(contentsOf(fixture->path(QStringLiteral("Inspection Report (2).arvir"))), QByteArray("saved as favourite"));

    QVERIFY(QFile::remove(favourite));
    window->projectTree()->clearSelection();
    QVERIFY(!created("actionNewInspectionReport").isEmpty());
    QCOMPARE(contentsOf(favourite), contentsOf(QStringLiteral(":res/reports_test/default.arvir")));
}

void CreateNewTest::oldTestReportFavouriteIsReplacedOnYes()
{
    writeTestReportFavourite(QStringLiteral(":res/reports_test/arvatr_rev2.pak"));
    fixture->prompts.answerMessage(QMessageBox::Yes);
    QCOMPARE(created("actionNewTestReport"), fixture->path(QStringLiteral("Array Test Report.arvatr")));
    const ShownPrompt& question = fixture->prompts.last();
    QCOMPARE(question.message.icon, QMessageBox::Warning);
    QCOMPARE(question.message.text,
             QStringLiteral("You are creating an Array Test Report from a favourite that was created in an older "
                            "version of Veltrano. If you use this version then you will not be able to import data "
                            "into it."));
    QCOMPARE(question.message.informativeText,
             QStringLiteral("Would you like to replace the favourite with the new version of the report?"));
    QCOMPARE(question.message.buttons, QMessageBox::Yes | QMessageBox::No);
    const QByteArray shipped = contentsOf(QStringLiteral(":res/reports_test/default.arvatr"));
    QCOMPARE(contentsOf(fixture->path(QStringLiteral("Array Test Report.arvatr"))), shipped);
    QCOMPARE(contentsOf(ReportFavourites::favouritePath(QStringLiteral("arvatr"))), shipped);

    // Answering No keeps the old favourite and makes the report from it.
    writeTestReportFavourite(QStringLiteral("old.pak"));
    const QByteArray old = contentsOf(ReportFavourites::favouritePath(QStringLiteral("arvatr")));
    fixture->prompts.answerMessage(QMessageBox::No);
    window->projectTree()->clearSelection();
    QCOMPARE(created("actionNewTestReport"), fixture->path(QStringLiteral("Array Test Report (2).arvatr")));
    QCOMPARE(contentsOf(fixture->path(QStringLiteral("Array Test Report (2).arvatr"))), old);
}

void CreateNewTest::currentTestReportFavouriteAsksNothing()
{
    writeTestReportFavourite(DocumentCreator::currentTestReportTemplate());
    QVERIFY(!created("actionNewTestReport").isEmpty());
    QVERIFY(fixture->prompts.shown().isEmpty());
}

void CreateNewTest::missingShippedDefaultIsReportedAndNothingMade()
{
    Globals::setReportsFolder(QStringLiteral("reports_xx"));
    QCOMPARE(created("actionNewVerificationCertificate"), QString());
    QCOMPARE(fixture->prompts.messageTexts(),
             QStringList{QStringLiteral("The default document \":res/reports_xx/default.arvvc\" is missing from this "
                                        "installation.")});
    QVERIFY(!QFile::exists(ReportFavourites::favouritePath(QStringLiteral("arvvc"))));
    QCOMPARE(QDir(fixture->root()).entryList(QDir::Files), QStringList());
}

void CreateNewTest::failedCopyLeavesNoFile()
{
    const QString missingFolder = fixture->path(QStringLiteral("gone"));
    QCOMPARE(DocumentCreator(window.get()).create(missingFolder, QStringLiteral("Checklist.arvchk")), QString());
    QCOMPARE(fixture->prompts.last().message.icon, QMessageBox::Warning);
    QCOMPARE(fixture->prompts.last().message.text,
             QStringLiteral("\"%1/Checklist.arvchk\" could not be created.").arg(missingFolder));
    QVERIFY(fixture->prompts.last().message.informativeText.startsWith(
        QStringLiteral("The folder %1 no longer exists.").arg(missingFolder)));
    QVERIFY(!QFileInfo::exists(missingFolder));
}

// Projects folders are often shared: what the user's umask keeps from others stays kept.
void CreateNewTest::newFilesFollowTheUmask()
{
    const mode_t before = ::umask(027);
    const QString report = created("actionNewInspectionReport");
    ::umask(before);
    const QFile::Permissions ownerReadWriteGroupRead
        = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup;
    QCOMPARE(QFile::permissions(report), ownerReadWriteGroupRead);
    QCOMPARE(QFile::permissions(ReportFavourites::favouritePath(QStringLiteral("arvir"))), ownerReadWriteGroupRead);
}

void CreateNewTest::handoverPackTwiceGivesTwoFoldersWithAChecklistEach()
{
    QCOMPARE(created("actionNewClientHandoverPack"),
             fixture->path(QStringLiteral("New Client Handover Pack/Checklist.arvchk")));
    QCOMPARE(created("actionNewClientHandoverPack"),
             fixture->path(QStringLiteral("New Client Handover Pack (2)/Checklist.arvchk")));
    for (const QString& pack : {QStringLiteral("New Client Handover Pack"), QStringLiteral("New Client Handover Pack (2)")})
        QCOMPARE(QDir(fixture->path(pack)).entryList(QDir::Files), QStringList{QStringLiteral("Checklist.arvchk")});
    QVERIFY(PathIcon::isHandoverPack(fixture->path(QStringLiteral("New Client Handover Pack (2)"))));
}

void CreateNewTest::newFolderIsNumberedAndRenamed()
{
    // Always in the projects root, whatever is selected.
    QDir(fixture->root()).mkpath(QStringLiteral("New Folder"));
    QCOMPARE(created("actionNewFolder"), fixture->path(QStringLiteral("New Folder (2)")));
    QVERIFY(QFileInfo(fixture->path(QStringLiteral("New Folder (2)"))).isDir());
    QCOMPARE(created("actionNewFolder"), fixture->path(QStringLiteral("New Folder (3)")));
}

// The tree has long finished reading the root when the user makes a file: nothing of the model's
// own sorting is still pending then, as it may be just after the window opened.
void CreateNewTest::newAndRenamedEntriesTakeTheirSortedPlaceInTheWindow()
{
    fixture->writeFile(QStringLiteral("Zwickau.arvir"));
    fixture->writeFile(QStringLiteral("Aachen.arvir"));
    QDir(fixture->root()).mkpath(QStringLiteral("Farm"));
    const QString farm = QStringLiteral("Farm");
    const QString aachen = QStringLiteral("Aachen.arvir");
    const QString zwickau = QStringLiteral("Zwickau.arvir");
    QTRY_COMPARE(namesInRoot(), (QStringList{farm, aachen, zwickau}));
    QTest::qWait(300);

    created("actionNewChecklist");
    QCOMPARE(namesInRoot(), (QStringList{farm, aachen, QStringLiteral("Checklist.arvchk"), zwickau}));
    created("actionNewInstallationDiagram");
    created("actionNewInspectionReport");
    created("actionNewCurveData");
    QCOMPARE(namesInRoot(),
             (QStringList{farm, aachen, QStringLiteral("Checklist.arvchk"), QStringLiteral("Curve Data.arvcrv"),
                          QStringLiteral("Inspection Report.arvir"), QStringLiteral("Installation Diagram.arvid"),
                          zwickau}));

    ProjectTreeView* tree = window->projectTree();
    QVERIFY(tree->model()->setData(tree->projectModel()->index(fixture->path(zwickau)), QStringLiteral("Bonn.arvir")));
    QCOMPARE(namesInRoot().mid(0, 4),
             (QStringList{farm, aachen, QStringLiteral("Bonn.arvir"), QStringLiteral("Checklist.arvchk")}));
    QCOMPARE(created("actionNewFolder"), fixture->path(QStringLiteral("New Folder")));
    QCOMPARE(namesInRoot().mid(0, 3), (QStringList{farm, QStringLiteral("New Folder"), aachen}));
}

void CreateNewTest::menusHoldTheirActionsInOrder()
{
    QStringList titles;
    for (QAction* menu : window->menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles, (QStringList{QStringLiteral("File"), QStringLiteral("Edit"), QStringLiteral("Language"),
                                  QStringLiteral("Window"), QStringLiteral("Help")}));
    auto* file = window->findChild<QMenu*>(QStringLiteral("menuFile"));
    QCOMPARE(actionNames(file->actions()),
             (QStringList{QStringLiteral("actionNewInspectionReport"), QStringLiteral("actionNewTestReport"),
                          QStringLiteral("actionNewVerificationCertificate"),
                          QStringLiteral("actionNewInstallationDiagram"), QStringLiteral("actionNewChecklist"),
                          QStringLiteral("actionNewCurveData"), QStringLiteral("-"), QStringLiteral("actionOpenFile"),
                          QStringLiteral("menuRecent"), QStringLiteral("-"),
                          QStringLiteral("actionNewClientHandoverPack"), QStringLiteral("actionNewFolder"),
                          QStringLiteral("-"), QStringLiteral("actionSave"), QStringLiteral("actionPrint"),
                          QStringLiteral("actionPrintPreview"), QStringLiteral("actionExportPdf"), QStringLiteral("-"),
                          QStringLiteral("actionDelete"), QStringLiteral("actionRename"), QStringLiteral("-"),
                          QStringLiteral("actionExit")}));
    QCOMPARE(actionNames(window->findChild<QMenu*>(QStringLiteral("menuEdit"))->actions()),
             (QStringList{QStringLiteral("actionUndo"), QStringLiteral("actionRedo"), QStringLiteral("-"),
                          QStringLiteral("actionCut"), QStringLiteral("actionCopy"), QStringLiteral("actionPaste"),
                          QStringLiteral("-"), QStringLiteral("actionSettings")}));
    QCOMPARE(actionNames(window->findChild<QMenu*>(QStringLiteral("menuHelp"))->actions()),
             (QStringList{QStringLiteral("actionAbout"), QStringLiteral("actionPDFManual")}));
    QVERIFY(window->findChild<QAction*>(QStringLiteral("actionPDFManual"))->isVisible());

    // One entry per catalogue beside the program, English checked.
    QStringList languages;
    for (QAction* entry : window->languageMenu()->actions())
        languages << entry->text() + (entry->isChecked() ? QStringLiteral(" [x]") : QString());
    QCOMPARE(languages, (QStringList{QStringLiteral("&1 Deutsch"), QStringLiteral("&2 English [x]")}));
}

void CreateNewTest::contextMenuOffersOpenOnlyOnAnItem()
{
    const QString report = fixture->writeFile(QStringLiteral("a.arvir"));
    ProjectTreeView* tree = window->projectTree();
    QTRY_VERIFY(tree->projectModel()->index(report).isValid());
    const QStringList always{QStringLiteral("actionNewInspectionReport"),
                             QStringLiteral("actionNewTestReport"),
                             QStringLiteral("actionNewVerificationCertificate"),
                             QStringLiteral("actionNewInstallationDiagram"),
                             QStringLiteral("actionNewChecklist"),
                             QStringLiteral("actionNewCurveData"),
                             QStringLiteral("-"),
                             QStringLiteral("actionNewFolder"),
                             QStringLiteral("actionNewClientHandoverPack")};
    const QRect item = tree->visualRect(tree->projectModel()->index(report));
    std::unique_ptr<QMenu> onItem(window->treeContextMenu(item.center()));
    QCOMPARE(actionNames(onItem->actions()),
             QStringList({QStringLiteral("actionOpen"), QStringLiteral("-"), QStringLiteral("actionSave"),
                          QStringLiteral("actionDelete"), QStringLiteral("actionRename"), QStringLiteral("-")})
                 + always);
    QCOMPARE(onItem->defaultAction()->objectName(), QStringLiteral("actionOpen"));
    std::unique_ptr<QMenu> below(window->treeContextMenu(QPoint(5, tree->viewport()->height() - 5)));
    QCOMPARE(actionNames(below->actions()), always);
}

void CreateNewTest::selectionEnablesTheItemCommands()
{
    const QString report = fixture->writeFile(QStringLiteral("a.arvir"));
    ProjectTreeView* tree = window->projectTree();
    QTRY_VERIFY(tree->projectModel()->index(report).isValid());
    QStringList commands{QStringLiteral("actionOpen"), QStringLiteral("actionRename"), QStringLiteral("actionDelete")};
    for (const QString& name : commands)
        QVERIFY(!window->findChild<QAction*>(name)->isEnabled());
    tree->setCurrentIndex(tree->projectModel()->index(report));
    for (const QString& name : commands)
        QVERIFY(window->findChild<QAction*>(name)->isEnabled());

    // Open shows the document; selecting its file again brings its window forward.
    window->findChild<QAction*>(QStringLiteral("actionOpen"))->trigger();
    QCOMPARE(window->documents().size(), 1);
    window->openDocument(fixture->writeFile(QStringLiteral("b.arvir")));
    QCOMPARE(window->activeDocument()->title(), QStringLiteral("b.arvir"));
    tree->setCurrentIndex(QModelIndex());
    tree->setCurrentIndex(tree->projectModel()->index(report));
    QCOMPARE(window->activeDocument()->title(), QStringLiteral("a.arvir"));
}

void CreateNewTest::importAsksForTheResultsFile()
{
    QSettings().setValue(QStringLiteral("Directories/LastImportDir"), fixture->path(QStringLiteral("old.csv")));
    window->import();
    const ShownPrompt& asked = fixture->prompts.last();
    QCOMPARE(asked.kind, ShownPrompt::Files);
    QCOMPARE(asked.files.caption, QStringLiteral("Import CSV File"));
    QCOMPARE(asked.files.filter, QStringLiteral("CSV Files (*.csv)"));
    QCOMPARE(asked.files.directory, fixture->path(QStringLiteral("old.csv")));

    QSettings().remove(QStringLiteral("Directories/LastImportDir"));
    window->import();
    QCOMPARE(fixture->prompts.last().files.directory, fixture->root());
}

void CreateNewTest::importShowsTheChosenFileInTheDialog()
{
    const QString results = QStringLiteral(TEST_DATA_DIR "/results-point.csv");
    fixture->prompts.answer(results);
    window->import();
    QVERIFY(window->resultsImportDialog()->isVisible());
    QVERIFY(window->resultsImportDialog()->windowTitle().contains(QStringLiteral("results-point.csv")));
    QCOMPARE(QSettings().value(QStringLiteral("Directories/LastImportDir")).toString(), results);

    // A file the dialog cannot read is reported there and remembered nowhere.
    window->resultsImportDialog()->hide();
    fixture->prompts.answer(fixture->path(QStringLiteral("vanished.csv")));
    window->import();
    QVERIFY(!window->resultsImportDialog()->isVisible());
    QCOMPARE(QSettings().value(QStringLiteral("Directories/LastImportDir")).toString(), results);
}

VELTRANO_TEST(CreateNewTest)
#include "CreateNewTest.moc"
