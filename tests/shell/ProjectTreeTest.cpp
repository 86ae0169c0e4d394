#include "Folders.h"
#include "KnownFolders.h"
#include "MainWindow.h"
#include "PathIcon.h"
#include "ProjectModel.h"
#include "ProjectTreeView.h"
#include "ScriptedPrompts.h"
#include "SettingsKeys.h"
#include "TestMain.h"

#include <QDir>
#include <QAction>
#include <QDropEvent>
#include "ProjectFoldersWatcher.h"
#include <QMimeData>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {
void writeFile(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

// Lets the test deliver a drop as the toolkit would after a drag from the desktop.
class DropTarget : public ProjectTreeView
{
public:
    using ProjectTreeView::dropEvent;
};

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage();
}

// Notes the rows whose icon was asked for: each costs a look into the folder on disk.
class IconCountingModel : public ProjectModel
{
public:
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DecorationRole) {
            rowsAsked.insert(index.row());
            ++asked;
        }
        return ProjectModel::data(index, role);
    }

    mutable QSet<int> rowsAsked;
    mutable int asked = 0;
};
} // namespace

class ProjectTreeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void handoverPackIconFollowsItsChecklist();
    void dropFromOutsideAsksFirst();
    void deleteKeyMovesTheSelectionToTheTrash();
    void renameToAnExistingNameIsRefused();
    void renameKeepsADocumentsExtension();
    void openDocumentsAreNeitherRenamedNorMovedNorDeleted();
    void newAndRenamedEntriesTakeTheirSortedPlace();
    void mainWindowShowsAndWatchesTheRoot();
    void aLargeRootAsksTheIconsOfTheShownRowsOnly();
    void firstStartAsksForTheRootOnceInTheWindow();

private:
    QModelIndex indexOf(const QString& path);
    QStringList namesInRoot() const;

    std::unique_ptr<QTemporaryDir> root;
    std::unique_ptr<ProjectModel> model;
    std::unique_ptr<ProjectTreeView> view;
};

void ProjectTreeTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
}

void ProjectTreeTest::init()
{
    root = std::make_unique<QTemporaryDir>();
    model = std::make_unique<ProjectModel>();
    view = std::make_unique<ProjectTreeView>();
    view->setModel(model.get());
    view->setRootIndex(model->setRootPath(root->path()));
}

void ProjectTreeTest::cleanup()
{
    view.reset();
    model.reset();
    root.reset();
}

QModelIndex ProjectTreeTest::indexOf(const QString& path)
{
    // The model fills folders in the background; wait until the entry is there.
    if (!QTest::qWaitFor([&] { return model->index(path).isValid(); }, 5000))
        qWarning("%s did not appear in the project model", qPrintable(path));
    return model->index(path);
}

QStringList ProjectTreeTest::namesInRoot() const
{
    const QModelIndex top = model->index(root->path());
    QStringList names;
    for (int row = 0; row < model->rowCount(top); ++row)
        names << model->index(row, 0, top).data().toString();
    return names;
}

void ProjectTreeTest::handoverPackIconFollowsItsChecklist()
{
    const QString pack = root->filePath(QStringLiteral("Müller Farm"));
    QDir().mkpath(pack);
    const QImage folderIcon = iconImage(QIcon(QStringLiteral(":res/fileTypes/folder.png")));
    const QImage packIcon = iconImage(QIcon(QStringLiteral(":res/fileTypes/chp_folder.png")));
    QVERIFY(!folderIcon.isNull());
    QVERIFY(folderIcon != packIcon);
    const QModelIndex folder = indexOf(pack);
    QCOMPARE(iconImage(model->data(folder, Qt::DecorationRole).value<QIcon>()), folderIcon);

    writeFile(pack + QStringLiteral("/Checklist.arvchk"));
    QCOMPARE(iconImage(model->data(folder, Qt::DecorationRole).value<QIcon>()), packIcon);
    // A checklist further down does not make the outer folder a pack.
    QVERIFY(!PathIcon::isHandoverPack(root->path()));

    QFile::remove(pack + QStringLiteral("/Checklist.arvchk"));
    QCOMPARE(iconImage(model->data(folder, Qt::DecorationRole).value<QIcon>()), folderIcon);

    writeFile(root->filePath(QStringLiteral("Search Results")));
    QCOMPARE(iconImage(PathIcon::forPath(root->filePath(QStringLiteral("Search Results")))),
             iconImage(QIcon(QStringLiteral(":res/fileTypes/search.png"))));
}

void ProjectTreeTest::dropFromOutsideAsksFirst()
{
    QTemporaryDir desktop;
    QList<QUrl> urls;
    for (const QString& name : {QStringLiteral("a.jpg"), QStringLiteral("b.pdf"), QStringLiteral("c.csv")}) {
        writeFile(desktop.filePath(name));
        urls << QUrl::fromLocalFile(desktop.filePath(name));
    }
    QMimeData mime;
    mime.setUrls(urls);
    ScriptedPrompts prompts;
    DropTarget tree;
    tree.setModel(model.get());
    tree.setRootIndex(view->rootIndex());
    tree.resize(300, 300);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));

    QDropEvent threeFiles(QPointF(150, 250), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    tree.dropEvent(&threeFiles);
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().message.text, QStringLiteral("This will copy 3 files to your project area."));
    QCOMPARE(prompts.last().message.informativeText, QStringLiteral("Do you want to proceed?"));
    QCOMPARE(prompts.last().message.buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(QDir(root->path()).isEmpty());

    mime.setUrls({urls.first()});
    prompts.answerMessage(QMessageBox::Yes);
    QDropEvent oneFile(QPointF(150, 250), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    tree.dropEvent(&oneFile);
    QCOMPARE(prompts.last().message.text,
             QStringLiteral("This will copy \"%1\" to you project area.").arg(desktop.filePath(QStringLiteral("a.jpg"))));
    QVERIFY(QFile::exists(root->filePath(QStringLiteral("a.jpg"))));
    QVERIFY(QFile::exists(desktop.filePath(QStringLiteral("a.jpg"))));
}

void ProjectTreeTest::deleteKeyMovesTheSelectionToTheTrash()
{
    const QString report = root->filePath(QStringLiteral("Inspection Report.arvir"));
    writeFile(report);
    const QModelIndex index = indexOf(report);
    view->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    ScriptedPrompts prompts;

    prompts.answerMessage(QMessageBox::No);
    QTest::keyClick(view.get(), Qt::Key_Delete);
    QVERIFY(QFile::exists(report));

    prompts.answerMessage(QMessageBox::Yes);
    QTest::keyClick(view.get(), Qt::Key_Delete);
    QVERIFY(!QFile::exists(report));
    QCOMPARE(prompts.messageTexts().last(), QStringLiteral("Move \"Inspection Report.arvir\" to the trash?"));
}

void ProjectTreeTest::renameToAnExistingNameIsRefused()
{
    writeFile(root->filePath(QStringLiteral("Checklist.arvchk")));
    writeFile(root->filePath(QStringLiteral("Checklist (2).arvchk")));
    const QModelIndex second = indexOf(root->filePath(QStringLiteral("Checklist (2).arvchk")));
    ScriptedPrompts prompts;

    QVERIFY(!model->setData(second, QStringLiteral("Checklist.arvchk")));
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QVERIFY(prompts.last().message.text.startsWith(QStringLiteral("\"Checklist.arvchk\" already exists")));
    QVERIFY(QFile::exists(root->filePath(QStringLiteral("Checklist (2).arvchk"))));

    QVERIFY(model->setData(second, QStringLiteral("Handover.arvchk")));
    QVERIFY(QFile::exists(root->filePath(QStringLiteral("Handover.arvchk"))));
}

void ProjectTreeTest::renameKeepsADocumentsExtension()
{
    writeFile(root->filePath(QStringLiteral("Report.arvatr")));
    writeFile(root->filePath(QStringLiteral("notes.txt")));
    QDir(root->path()).mkpath(QStringLiteral("Farm"));
    ScriptedPrompts prompts;
    QVERIFY(model->setData(indexOf(root->filePath(QStringLiteral("Report.arvatr"))), QStringLiteral("Miller")));
    QVERIFY(QFile::exists(root->filePath(QStringLiteral("Miller.arvatr"))));
    // A changed extension is taken for part of the name; the case of the extension is the user's.
    QVERIFY(model->setData(indexOf(root->filePath(QStringLiteral("Miller.arvatr"))), QStringLiteral("Miller.arvir")));
    QVERIFY(QFile::exists(root->filePath(QStringLiteral("Miller.arvir.arvatr"))));
    QVERIFY(model->setData(indexOf(root->filePath(QStringLiteral("Miller.arvir.arvatr"))), QStringLiteral("Site.ARVATR")));
    QVERIFY(QFile::exists(root->filePath(QStringLiteral("Site.ARVATR"))));
    // Other files and folders take the name as typed.
    QVERIFY(model->setData(indexOf(root->filePath(QStringLiteral("notes.txt"))), QStringLiteral("notes")));
    QVERIFY(QFile::exists(root->filePath(QStringLiteral("notes"))));
    QVERIFY(model->setData(indexOf(root->filePath(QStringLiteral("Farm"))), QStringLiteral("Farm.arvatr")));
    QVERIFY(QDir(root->filePath(QStringLiteral("Farm.arvatr"))).exists());
    QVERIFY(prompts.shown().isEmpty());
    QCOMPARE(model->renamedPartLength(indexOf(root->filePath(QStringLiteral("Site.ARVATR")))), 4);
    QCOMPARE(model->renamedPartLength(indexOf(root->filePath(QStringLiteral("Farm.arvatr")))), 11);
}

// Its window would go on saving to the old path and bring the old file back.
void ProjectTreeTest::openDocumentsAreNeitherRenamedNorMovedNorDeleted()
{
    QDir(root->path()).mkpath(QStringLiteral("Farm"));
    QDir(root->path()).mkpath(QStringLiteral("Archive"));
    const QString open = root->filePath(QStringLiteral("Farm/Report.arvir"));
    const QString closed = root->filePath(QStringLiteral("Farm/Notes.arvir"));
    writeFile(open);
    writeFile(closed);
    model->setOpenFiles([open] { return QStringList{open}; });
    ScriptedPrompts prompts;

    QVERIFY(!model->setData(indexOf(open), QStringLiteral("Renamed.arvir")));
    QCOMPARE(prompts.last().message.text,
             QStringLiteral("\"Report.arvir\" cannot be renamed while the document \"Report.arvir\" is open. "
                            "Please close the document and try again."));
    QVERIFY(!model->setData(indexOf(root->filePath(QStringLiteral("Farm"))), QStringLiteral("Farm 2")));
    QVERIFY(prompts.last().message.text.startsWith(QStringLiteral("\"Farm\" cannot be renamed while the document \"Report.arvir\"")));

    QMimeData drag;
    drag.setUrls({QUrl::fromLocalFile(closed), QUrl::fromLocalFile(open)});
    const QModelIndex archive = indexOf(root->filePath(QStringLiteral("Archive")));
    QVERIFY(!model->dropMimeData(&drag, Qt::MoveAction, -1, -1, archive));
    QVERIFY(prompts.last().message.text.startsWith(QStringLiteral("\"Report.arvir\" cannot be moved")));
    const int shownBeforeDelete = prompts.shown().size();
    QVERIFY(!model->remove({indexOf(closed), indexOf(root->filePath(QStringLiteral("Farm")))}));
    QCOMPARE(prompts.shown().size(), shownBeforeDelete + 1);
    QCOMPARE(prompts.last().message.text,
             QStringLiteral("\"Farm\" cannot be deleted while the document \"Report.arvir\" is open. "
                            "Please close the document and try again."));
    QVERIFY(QFile::exists(open));
    QVERIFY(QFile::exists(closed));
    QCOMPARE(QDir(root->filePath(QStringLiteral("Archive"))).entryList(QDir::Files), QStringList());

    // A closed file moves; a copy leaves the open file where it is.
    QMimeData closedOnly;
    closedOnly.setUrls({QUrl::fromLocalFile(closed)});
    QVERIFY(model->dropMimeData(&closedOnly, Qt::MoveAction, -1, -1, archive));
    QVERIFY(!QFile::exists(closed));
    QMimeData openOnly;
    openOnly.setUrls({QUrl::fromLocalFile(open)});
    QVERIFY(model->dropMimeData(&openOnly, Qt::CopyAction, -1, -1, archive));
    QVERIFY(QFile::exists(open));
    QVERIFY(model->setData(indexOf(root->filePath(QStringLiteral("Archive"))), QStringLiteral("Archive 2019")));
}

void ProjectTreeTest::newAndRenamedEntriesTakeTheirSortedPlace()
{
    writeFile(root->filePath(QStringLiteral("Berlin.arvir")));
    writeFile(root->filePath(QStringLiteral("Dresden.arvir")));
    indexOf(root->filePath(QStringLiteral("Dresden.arvir")));
    indexOf(root->filePath(QStringLiteral("Berlin.arvir")));

    // Made by the program and asked for at once, before the model's watcher saw it.
    writeFile(root->filePath(QStringLiteral("Aachen.arvir")));
    QCOMPARE(model->indexOfNewEntry(root->filePath(QStringLiteral("Aachen.arvir"))).row(), 0);
    QCOMPARE(namesInRoot(), (QStringList{QStringLiteral("Aachen.arvir"), QStringLiteral("Berlin.arvir"),
                                         QStringLiteral("Dresden.arvir")}));

    QVERIFY(model->setData(indexOf(root->filePath(QStringLiteral("Dresden.arvir"))), QStringLiteral("Bonn.arvir")));
    QCOMPARE(namesInRoot(), (QStringList{QStringLiteral("Aachen.arvir"), QStringLiteral("Berlin.arvir"),
                                         QStringLiteral("Bonn.arvir")}));
}

void ProjectTreeTest::mainWindowShowsAndWatchesTheRoot()
{
    QDir(root->path()).mkpath(QStringLiteral("Farm/Photos"));
    QDir(root->path()).mkpath(QStringLiteral(".hidden/inner"));
    QSettings().setValue(SettingsKeys::rootDir, root->path());
    Folders::instance(true);
    ScriptedPrompts prompts;

    MainWindow window;
    QVERIFY(prompts.shown().isEmpty());
    auto* tree = window.projectTree();
    QCOMPARE(static_cast<QFileSystemModel*>(tree->model())->filePath(tree->rootIndex()), root->path());
    QVERIFY(window.directoryWatcher());
    QTRY_VERIFY(!window.directoryWatcher()->isGathering());
    QStringList watched = window.directoryWatcher()->directories();
    watched.sort();
    QCOMPARE(watched, (QStringList{root->filePath(QStringLiteral("Farm")), root->filePath(QStringLiteral("Farm/Photos"))}));
}

// Rows keep arriving while a large projects folder is read, and the tree lays itself out again
// each time. Every row has the same height (one line beside a 16-pixel icon), so a layout needs
// one row's icon at most; asking the icon of each row it shows looks into each of those folders.
void ProjectTreeTest::aLargeRootAsksTheIconsOfTheShownRowsOnly()
{
    const int projects = 400;
    for (int i = 0; i < projects; ++i)
        QVERIFY(QDir(root->path()).mkpath(QStringLiteral("Project %1").arg(i)));
    IconCountingModel counting;
    ProjectTreeView tree;
    tree.resize(300, 200);
    tree.setModel(&counting);
    tree.setRootIndex(counting.setRootPath(root->path()));
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    QTRY_COMPARE(counting.rowCount(counting.index(root->path())), projects);
    QTest::qWait(50);
    // A tree 200 pixels high shows a dozen rows or so.
    QVERIFY(!counting.rowsAsked.isEmpty());
    QVERIFY(counting.rowsAsked.size() < projects / 10);

    counting.asked = 0;
    tree.doItemsLayout();
    QVERIFY2(counting.asked <= 1, qPrintable(QString::number(counting.asked)));
}

// With neither a stored root nor the default folder: the message, the chooser (cancelled) and the
// fallback, in this order, once; later commands that need the root ask nothing more.
void ProjectTreeTest::firstStartAsksForTheRootOnceInTheWindow()
{
    QSettings().remove(SettingsKeys::rootDir);
    const QString fallback = KnownFolders::publicDocuments() + QStringLiteral("/Veltrano Projects");
    QDir(fallback).removeRecursively();
    Folders::instance(true);
    ScriptedPrompts prompts;

    MainWindow window;
    QCOMPARE(prompts.shown().size(), 3);
    QCOMPARE(prompts.shown().at(0).message.icon, QMessageBox::Critical);
    QCOMPARE(prompts.shown().at(0).message.text, QStringLiteral("Could not find the projects root directory: ") + fallback);
    QCOMPARE(prompts.shown().at(1).files.caption, QStringLiteral("Select Projects Root Directory"));
    QCOMPARE(prompts.shown().at(2).message.icon, QMessageBox::Information);
    QCOMPARE(prompts.shown().at(2).message.text,
             QStringLiteral("No projects directory was set. Defaulting to the public documents directory"));
    auto* tree = window.projectTree();
    QCOMPARE(static_cast<QFileSystemModel*>(tree->model())->filePath(tree->rootIndex()), fallback);

    window.findChild<QAction*>(QStringLiteral("actionNewFolder"))->trigger();
    QVERIFY(QDir(fallback + QStringLiteral("/New Folder")).exists());
    QCOMPARE(prompts.shown().size(), 3);
    QDir(fallback).removeRecursively();
}

VELTRANO_TEST(ProjectTreeTest)
#include "ProjectTreeTest.moc"
