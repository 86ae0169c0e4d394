#include "DialogSettings.h"
#include "DocumentFactory.h"
#include "GraphicalReportDocument.h"
#include "MainWindow.h"
#include "ReportScene.h"
#include "ReportText.h"
#include "SettingsKeys.h"
#include "ShellFixture.h"
#include "TestDocument.h"
#include "TestMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <QUndoCommand>
#include <QUndoStack>

#include <memory>

// The commands every document program has: File and Edit menus acting on the active document,
// the recent documents and the documents of the last session.
class MenuCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void commandsSitInTheirMenusWithTheirKeys_data();
    void commandsSitInTheirMenusWithTheirKeys();
    void openAsksInTheProjectsFolder();
    void outputCommandsFollowTheActiveDocument();
    void undoActsOnTheActiveDocumentsStack();
    void editMenuUndoesTypingInARealReport();
    void cutCopyAndPasteReachTheFocusedEditor();
    void recentDocumentsSurviveARestartWithoutMissingFiles();
    void recentListKeepsTheTenNewest();
    void documentsOpenAtExitComeBackAtStart();
    void reopeningCanBeTurnedOff();

private:
    QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }
    QStringList recentEntries() const;
    QStringList openTitles() const;
    void restart();

    std::unique_ptr<ShellFixture> fixture;
    std::unique_ptr<MainWindow> window;
};

void MenuCommandsTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    TestDocument::registerAsAllDocuments();
}

void MenuCommandsTest::init()
{
    fixture = std::make_unique<ShellFixture>();
    QSettings settings;
    for (const QString& key : {SettingsKeys::recentDocuments, SettingsKeys::openDocuments, SettingsKeys::reopenDocuments})
        settings.remove(key);
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void MenuCommandsTest::cleanup()
{
    window.reset();
    fixture.reset();
}

QStringList MenuCommandsTest::recentEntries() const
{
    auto* recent = window->findChild<QMenu*>(QStringLiteral("menuRecent"));
    emit recent->aboutToShow();
    QStringList entries;
    for (QAction* entry : recent->actions())
        entries << entry->text() + (entry->isEnabled() ? QString() : QStringLiteral(" (grey)"));
    return entries;
}

QStringList MenuCommandsTest::openTitles() const
{
    QStringList titles;
    for (AbstractDocument* doc : window->documents())
        titles << doc->title();
    return titles;
}

// Ends the program the way the user does and starts it again as start-up does.
void MenuCommandsTest::restart()
{
    window->close();
    window = std::make_unique<MainWindow>();
    window->restoreSession();
}

void MenuCommandsTest::commandsSitInTheirMenusWithTheirKeys_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("keys");
    QTest::newRow("new array test report") << "menuFile" << "actionNewTestReport" << "Ctrl+N";
    QTest::newRow("open") << "menuFile" << "actionOpenFile" << "Ctrl+O";
    QTest::newRow("save") << "menuFile" << "actionSave" << "Ctrl+S";
    QTest::newRow("print") << "menuFile" << "actionPrint" << "Ctrl+P";
    QTest::newRow("preview") << "menuFile" << "actionPrintPreview" << "";
    QTest::newRow("export") << "menuFile" << "actionExportPdf" << "Ctrl+Shift+E";
    QTest::newRow("exit") << "menuFile" << "actionExit" << "Ctrl+Q";
    QTest::newRow("undo") << "menuEdit" << "actionUndo" << "Ctrl+Z";
    QTest::newRow("redo") << "menuEdit" << "actionRedo" << "Ctrl+Y";
    QTest::newRow("cut") << "menuEdit" << "actionCut" << "Ctrl+X";
    QTest::newRow("copy") << "menuEdit" << "actionCopy" << "Ctrl+C";
    QTest::newRow("paste") << "menuEdit" << "actionPaste" << "Ctrl+V";
    QTest::newRow("settings") << "menuEdit" << "actionSettings" << "";
}

void MenuCommandsTest::commandsSitInTheirMenusWithTheirKeys()
{
    QFETCH(QString, menu);
    QFETCH(QString, command);
    QFETCH(QString, keys);
    QAction* found = window->findChild<QAction*>(command);
    QVERIFY(found);
    QVERIFY(window->findChild<QMenu*>(menu)->actions().contains(found));
    QCOMPARE(found->shortcut().toString(), keys);
    // The window holds its commands, so their keys work whichever widget has the focus.
    QVERIFY(window->actions().contains(found));
}

void MenuCommandsTest::openAsksInTheProjectsFolder()
{
    const QString report = fixture->writeFile(QStringLiteral("Farm/roof.arvir"));
    fixture->prompts.answer(report);
    action("actionOpenFile")->trigger();
    QCOMPARE(fixture->prompts.last().files.kind, FileRequest::OpenFile);
    QCOMPARE(fixture->prompts.last().files.caption, QStringLiteral("Open Document"));
    QCOMPARE(fixture->prompts.last().files.directory, fixture->root());
    QCOMPARE(openTitles(), QStringList{QStringLiteral("roof.arvir")});

    // Cancelled, the dialog opens nothing.
    action("actionOpenFile")->trigger();
    QCOMPARE(openTitles(), QStringList{QStringLiteral("roof.arvir")});
}

void MenuCommandsTest::outputCommandsFollowTheActiveDocument()
{
    for (const char* command : {"actionPrint", "actionPrintPreview", "actionExportPdf"})
        QVERIFY2(!action(command)->isEnabled(), command);
    auto* report = static_cast<TestDocument*>(window->openDocument(fixture->writeFile(QStringLiteral("a.arvir"))));
    for (const char* command : {"actionPrint", "actionPrintPreview", "actionExportPdf"}) {
        QVERIFY2(action(command)->isEnabled(), command);
        action(command)->trigger();
    }
    QCOMPARE(report->outputs, (QStringList{"print", "preview", "pdf"}));

    // Disabled, not hidden, for a document that cannot be printed.
    window->openDocument(fixture->writeFile(QStringLiteral("photo notes.arvid")));
    for (const char* command : {"actionPrint", "actionPrintPreview", "actionExportPdf"}) {
        QVERIFY2(!action(command)->isEnabled(), command);
        QVERIFY2(action(command)->isVisible(), command);
    }
}

void MenuCommandsTest::undoActsOnTheActiveDocumentsStack()
{
    auto* first = static_cast<TestDocument*>(window->openDocument(fixture->writeFile(QStringLiteral("a.arvir"))));
    first->undoStack()->push(new QUndoCommand(QStringLiteral("Typing")));
    QVERIFY(action("actionUndo")->isEnabled());
    window->openDocument(fixture->writeFile(QStringLiteral("b.arvir")));
    QVERIFY(!action("actionUndo")->isEnabled());
    window->openDocument(fixture->writeFile(QStringLiteral("photo notes.arvid")));
    QVERIFY(!action("actionUndo")->isEnabled());

    window->setActiveDocument(first);
    action("actionUndo")->trigger();
    QCOMPARE(first->undoStack()->index(), 0);
    QVERIFY(!action("actionUndo")->isEnabled());
    QVERIFY(action("actionRedo")->isEnabled());
    action("actionRedo")->trigger();
    QCOMPARE(first->undoStack()->index(), 1);
}

// The stand-in above checks the wiring; this checks that a report's own typing reaches the menu.
void MenuCommandsTest::editMenuUndoesTypingInARealReport()
{
    DocumentFactory::restoreBuiltInMakers();
    const QString path = fixture->path(QStringLiteral("site.arvir"));
    QVERIFY(QFile::copy(QStringLiteral(":res/reports_en/default.arvir"), path));
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
    auto* report = qobject_cast<GraphicalReportDocument*>(window->openDocument(path));
    TestDocument::registerAsAllDocuments();
    QVERIFY(report && report->isValid());
    QCOMPARE(window->activeDocument(), report);
    QVERIFY(!action("actionUndo")->isEnabled());

    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(report->scene(), &activation);
    report->scene()->setFocus();
    report->scene()->itemById(QStringLiteral("inspector_name"))->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("A"));
    QCoreApplication::sendEvent(report->scene(), &press);
    auto* field = qobject_cast<ReportText*>(report->scene()->itemById(QStringLiteral("inspector_name")));
    QCOMPARE(field->text(), QStringLiteral("A"));
    QVERIFY(action("actionUndo")->isEnabled());

    action("actionUndo")->trigger();
    QCOMPARE(field->text(), QString());
    QVERIFY(!report->isModified());
    action("actionRedo")->trigger();
    QCOMPARE(field->text(), QStringLiteral("A"));
}

void MenuCommandsTest::cutCopyAndPasteReachTheFocusedEditor()
{
    auto* doc = static_cast<TestDocument*>(window->openDocument(fixture->writeFile(QStringLiteral("a.arvir"))));
    QApplication::clipboard()->clear();
    window->activateWindow();
    doc->editor->setText(QStringLiteral("north roof"));
    doc->editor->setFocus();
    QTRY_VERIFY(doc->editor->hasFocus());
    QVERIFY(!action("actionCopy")->isEnabled());
    QVERIFY(!action("actionPaste")->isEnabled());

    doc->editor->setSelection(0, 6);
    emit window->findChild<QMenu*>(QStringLiteral("menuEdit"))->aboutToShow();
    QVERIFY(action("actionCopy")->isEnabled());
    action("actionCut")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("north "));
    QCOMPARE(doc->editor->text(), QStringLiteral("roof"));
    QVERIFY(action("actionPaste")->isEnabled());
    doc->editor->setCursorPosition(4);
    action("actionPaste")->trigger();
    QCOMPARE(doc->editor->text(), QStringLiteral("roofnorth "));

    // A read-only editor gives its text but takes none.
    doc->editor->setReadOnly(true);
    doc->editor->selectAll();
    emit window->findChild<QMenu*>(QStringLiteral("menuEdit"))->aboutToShow();
    QVERIFY(action("actionCopy")->isEnabled());
    QVERIFY(!action("actionCut")->isEnabled());
    QVERIFY(!action("actionPaste")->isEnabled());
}

void MenuCommandsTest::recentDocumentsSurviveARestartWithoutMissingFiles()
{
    QCOMPARE(recentEntries(), QStringList{QStringLiteral("No recent documents (grey)")});
    for (const char* name : {"a.arvir", "b.arvid", "c.arvcrv"})
        window->openDocument(fixture->writeFile(QLatin1String(name)));
    QVERIFY(QFile::remove(fixture->path(QStringLiteral("b.arvid"))));
    QCOMPARE(recentEntries(), (QStringList{"&1 c.arvcrv", "&2 b.arvid (grey)", "&3 a.arvir"}));

    restart();
    QCOMPARE(recentEntries(), (QStringList{"&1 c.arvcrv", "&2 a.arvir"}));
    recentEntries();
    window->findChild<QMenu*>(QStringLiteral("menuRecent"))->actions().at(1)->trigger();
    QVERIFY(openTitles().contains(QStringLiteral("a.arvir")));
}

void MenuCommandsTest::recentListKeepsTheTenNewest()
{
    for (int i = 1; i <= 11; ++i)
        window->openDocument(fixture->writeFile(QStringLiteral("%1.arvir").arg(i)));
    const QStringList entries = recentEntries();
    QCOMPARE(entries.size(), 10);
    QCOMPARE(entries.first(), QStringLiteral("&1 11.arvir"));
    QCOMPARE(entries.last(), QStringLiteral("&10 2.arvir"));

    // Opened again, a document moves to the top instead of appearing twice.
    const QString fifth = fixture->path(QStringLiteral("5.arvir"));
    window->closeDocument(window->openDocument(fifth));
    // Its window, and with it the document's lock, goes at the next turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window->openDocument(fifth);
    QCOMPARE(recentEntries().mid(0, 2), (QStringList{"&1 5.arvir", "&2 11.arvir"}));
    QCOMPARE(recentEntries().size(), 10);
}

void MenuCommandsTest::documentsOpenAtExitComeBackAtStart()
{
    for (const char* name : {"a.arvir", "b.arvid", "gone.arvir"})
        window->openDocument(fixture->writeFile(QLatin1String(name)));
    QVERIFY(QFile::remove(fixture->path(QStringLiteral("gone.arvir"))));
    restart();
    QCOMPARE(openTitles(), (QStringList{"a.arvir", "b.arvid"}));
}

void MenuCommandsTest::reopeningCanBeTurnedOff()
{
    {
        DialogSettings settings(window.get());
        QVERIFY(settings.reopenBox()->isChecked());
        settings.reopenBox()->setChecked(false);
        settings.accept();
    }
    window->openDocument(fixture->writeFile(QStringLiteral("a.arvir")));
    restart();
    QVERIFY(openTitles().isEmpty());

    // A cancelled settings dialog changes nothing.
    {
        DialogSettings settings(window.get());
        QVERIFY(!settings.reopenBox()->isChecked());
        settings.reopenBox()->setChecked(true);
        settings.reject();
    }
    QVERIFY(!QSettings().value(SettingsKeys::reopenDocuments).toBool());
}

VELTRANO_TEST(MenuCommandsTest)

#include "MenuCommandsTest.moc"
