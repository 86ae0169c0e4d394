#include "Folders.h"
#include "MainWindow.h"
#include "PathIcon.h"
#include "ProjectModel.h"
#include "ProjectTreeView.h"
#include "ScriptedPrompts.h"
#include "SettingsKeys.h"
#include "TestMain.h"

#include <QDir>
#include <QDropEvent>
#include <QFileSystemWatcher>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

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
    void mainWindowShowsAndWatchesTheRoot();

private:
    QModelIndex indexOf(const QString& path);

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
    QTRY_VERIFY(window.directoryWatcher());
    QStringList watched = window.directoryWatcher()->directories();
    watched.sort();
    QCOMPARE(watched, (QStringList{root->filePath(QStringLiteral("Farm")), root->filePath(QStringLiteral("Farm/Photos"))}));
}

VELTRANO_TEST(ProjectTreeTest)
#include "ProjectTreeTest.moc"
