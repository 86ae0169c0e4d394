#include "DocumentFactory.h"
#include "Globals.h"
#include "GraphicsDocument.h"
#include "MainWindow.h"
#include "ReportFavourites.h"
#include "SettingsKeys.h"
#include "ShellFixture.h"
#include "TestDocument.h"
#include "TestMain.h"
#include "ZoomableGraphicsView.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGraphicsScene>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QTabBar>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>

Q_DECLARE_METATYPE(FileKind)

namespace {
void wheel(QWidget* viewport, const QPoint& at, int delta, Qt::KeyboardModifiers modifiers)
{
    QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

QStringList windowEntries(QMenu* menu)
{
    QStringList entries;
    for (QAction* action : menu->actions()) {
        if (action->isCheckable())
            entries << action->text() + (action->isChecked() ? QStringLiteral(" [x]") : QString());
    }
    return entries;
}
} // namespace

class DocumentWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void kindsFollowTheExtensionWhateverItsCase_data();
    void kindsFollowTheExtensionWhateverItsCase();
    void samePathTwiceGivesOneWindow();
    void capitalExtensionOpensAsDocument();
    void otherFilesGoToTheDesktop();
    void desktopRefusalIsReported();
    void searchResultsOnlyByExactName();
    void documentThatDidNotLoadIsNotShown();
    void kindWithoutItsWindowYetIsReported();
    void modifiedTitleAndSaveFollowTheActiveDocument();
    void oneCtrlSSavesTheActiveDocument();
    void zoomStopsAtTheTableEnds();
    void ctrlWheelZoomsAroundTheMouse();
    void plainWheelDoesNotZoom();
    void windowMenuLosesTheAcceleratorFromTheTenthWindow();
    void tabsShowWhileTheDocumentsAreMaximised();
    void titleNamesOnlyTheActiveDocument();
    void closingTheMainWindowAsksNewestFirst();
    void documentsWhoseFileVanishedAreClosed();
    void documentKeptOpenCancelsTheLanguageChange();

private:
    std::unique_ptr<ShellFixture> fixture;
    std::unique_ptr<MainWindow> window;
};

void DocumentWindowsTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    TestDocument::registerAsAllDocuments();
}

void DocumentWindowsTest::init()
{
    fixture = std::make_unique<ShellFixture>();
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    TestDocument::closeQuestions().clear();
}

void DocumentWindowsTest::cleanup()
{
    // Nothing may be left to ask when the window goes.
    for (AbstractDocument* doc : window->documents())
        static_cast<TestDocument*>(doc)->refuseToClose = false;
    window.reset();
    fixture.reset();
}

void DocumentWindowsTest::kindsFollowTheExtensionWhateverItsCase_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<FileKind>("kind");
    QTest::newRow("inspection") << "/p/a.arvir" << FileKind::InspectionReport;
    QTest::newRow("capitals") << "/p/A.ARVATR" << FileKind::ArrayTestReport;
    QTest::newRow("mixed") << "/p/a.ArvVc" << FileKind::VerificationCertificate;
    QTest::newRow("old report") << "/p/a.arvreport" << FileKind::Report;
    QTest::newRow("diagram") << "/p/a.arvid" << FileKind::InstallationDiagram;
    QTest::newRow("checklist") << "/p/a.arvchk" << FileKind::Checklist;
    QTest::newRow("tiff") << "/p/a.tiff" << FileKind::Image;
    QTest::newRow("pdf") << "/p/a.pdf" << FileKind::Pdf;
    QTest::newRow("doc") << "/p/a.doc" << FileKind::WordDocument;
    QTest::newRow("csv") << "/p/a.csv" << FileKind::Spreadsheet;
    QTest::newRow("URL") << "/p/a.URL" << FileKind::WebPage;
    QTest::newRow("curves") << "/p/a.arvcrv" << FileKind::CurveData;
    QTest::newRow("last dot wins") << "/p/a.pdf.arvir" << FileKind::InspectionReport;
    QTest::newRow("dotted folder, no extension") << "/p.arvir/Search Results" << FileKind::Other;
    QTest::newRow("no dot at all") << "arvir" << FileKind::InspectionReport;
    QTest::newRow("unknown") << "/p/a.docx" << FileKind::Other;
}

void DocumentWindowsTest::kindsFollowTheExtensionWhateverItsCase()
{
    QFETCH(QString, path);
    QFETCH(FileKind, kind);
    QCOMPARE(fileKind(path), kind);
}

void DocumentWindowsTest::samePathTwiceGivesOneWindow()
{
    const QString path = fixture->writeFile(QStringLiteral("Farm/Inspection Report.arvir"));
    AbstractDocument* first = window->openDocument(path);
    QVERIFY(first && first->isValid());
    QCOMPARE(window->openDocument(path), first);
    QCOMPARE(window->documents().size(), 1);
    QCOMPARE(first->windowTitle(), QStringLiteral("Inspection Report.arvir"));
}

void DocumentWindowsTest::capitalExtensionOpensAsDocument()
{
    const QString path = fixture->writeFile(QStringLiteral("REPORT.ARVIR"));
    QVERIFY(qobject_cast<TestDocument*>(window->openDocument(path)));
    QVERIFY(fixture->prompts.shown().isEmpty());
}

void DocumentWindowsTest::otherFilesGoToTheDesktop()
{
    const QString pdf = fixture->writeFile(QStringLiteral("Farm/Datasheet.pdf"));
    const QString folder = fixture->path(QStringLiteral("Farm"));
    QCOMPARE(window->openDocument(pdf), nullptr);
    QCOMPARE(window->openDocument(folder), nullptr);
    QCOMPARE(window->documents().size(), 0);
    QCOMPARE(fixture->prompts.shown().size(), 2);
    QCOMPARE(fixture->prompts.shown().at(0).kind, ShownPrompt::Desktop);
    QCOMPARE(fixture->prompts.shown().at(0).url, QUrl::fromLocalFile(pdf).toString());
    QCOMPARE(fixture->prompts.shown().at(1).url, QUrl::fromLocalFile(folder).toString());
}

void DocumentWindowsTest::desktopRefusalIsReported()
{
    const QString photo = fixture->writeFile(QStringLiteral("roof.jpg"));
    fixture->prompts.answer(false);
    QCOMPARE(window->openDocument(photo), nullptr);
    const ShownPrompt& warning = fixture->prompts.last();
    QCOMPARE(warning.message.icon, QMessageBox::Warning);
    QCOMPARE(warning.message.text, QStringLiteral("There was a problem trying to open %1").arg(photo));
    QCOMPARE(warning.message.informativeText,
             QStringLiteral("Please make sure a program is associated with this file type."));
}

void DocumentWindowsTest::searchResultsOnlyByExactName()
{
    const QString results = fixture->writeFile(QStringLiteral("Search Results"));
    const QString text = fixture->writeFile(QStringLiteral("Search Results.txt"));
    AbstractDocument* doc = window->openDocument(results);
    QVERIFY(doc && doc->isValid());
    QCOMPARE(window->openDocument(text), nullptr);
    QCOMPARE(fixture->prompts.last().kind, ShownPrompt::Desktop);
}

void DocumentWindowsTest::documentThatDidNotLoadIsNotShown()
{
    const QString path = fixture->writeFile(QStringLiteral("broken.arvchk"));
    std::unique_ptr<AbstractDocument> doc(window->openDocument(path));
    QVERIFY(doc && !doc->isValid());
    QCOMPARE(window->documents().size(), 0);
    // The next attempt tries again rather than finding the failed one.
    std::unique_ptr<AbstractDocument> again(window->openDocument(path));
    QVERIFY(again.get() != doc.get());
}

void DocumentWindowsTest::kindWithoutItsWindowYetIsReported()
{
    DocumentFactory::setMaker(DocumentClass::CurveData, {});
    const QString path = fixture->writeFile(QStringLiteral("Curve Data.arvcrv"));
    QCOMPARE(window->openDocument(path), nullptr);
    TestDocument::registerAsAllDocuments();
    QCOMPARE(fixture->prompts.last().message.icon, QMessageBox::Warning);
    QCOMPARE(fixture->prompts.messageTexts(),
             QStringList{QStringLiteral("\"%1\" cannot be opened: this version of Veltrano has no window for this "
                                        "kind of document.").arg(path)});
}

void DocumentWindowsTest::modifiedTitleAndSaveFollowTheActiveDocument()
{
    auto* save = window->findChild<QAction*>(QStringLiteral("actionSave"));
    AbstractDocument* first = window->openDocument(fixture->writeFile(QStringLiteral("one.arvir")));
    QVERIFY(!save->isEnabled());
    first->setModified(true);
    QCOMPARE(first->windowTitle(), QStringLiteral("one.arvir *"));
    QVERIFY(save->isEnabled());

    AbstractDocument* second = window->openDocument(fixture->writeFile(QStringLiteral("two.arvchk")));
    QCOMPARE(window->activeDocument(), second);
    QVERIFY(!save->isEnabled());
    window->setActiveDocument(first);
    QVERIFY(save->isEnabled());

    save->trigger();
    QCOMPARE(static_cast<TestDocument*>(first)->saves, 1);
    QCOMPARE(first->windowTitle(), QStringLiteral("one.arvir"));
    QVERIFY(!save->isEnabled());
}

void DocumentWindowsTest::oneCtrlSSavesTheActiveDocument()
{
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* first = static_cast<TestDocument*>(window->openDocument(fixture->writeFile(QStringLiteral("one.arvir"))));
    auto* second = static_cast<TestDocument*>(window->openDocument(fixture->writeFile(QStringLiteral("two.arvir"))));
    window->setActiveDocument(first);
    first->setModified(true);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(first->saves, 1);
    QCOMPARE(second->saves, 0);
}

void DocumentWindowsTest::zoomStopsAtTheTableEnds()
{
    GraphicsDocument doc(fixture->path(QStringLiteral("plan.arvid")));
    auto* zoomIn = doc.findChild<QAction*>(QStringLiteral("actionZoomIn"));
    auto* zoomOut = doc.findChild<QAction*>(QStringLiteral("actionZoomOut"));
    QVERIFY(zoomIn && zoomOut);
    for (int i = 0; i < 9; ++i)
        zoomIn->trigger();
    QCOMPARE(doc.zoomLevel(), 7);
    QCOMPARE(doc.view()->transform().m11(), 12.0);
    QVERIFY(!zoomIn->isEnabled());
    QVERIFY(zoomOut->isEnabled());
    doc.zoomOut();
    QCOMPARE(doc.view()->transform().m11(), 8.0);
    QVERIFY(zoomIn->isEnabled());
    QCOMPARE(GraphicsDocument::scaleForLevel(-3), 1.0 / 3.0);
    QCOMPARE(GraphicsDocument::scaleForLevel(0), 1.0);
}

void DocumentWindowsTest::ctrlWheelZoomsAroundTheMouse()
{
    GraphicsDocument doc(fixture->path(QStringLiteral("plan.arvid")));
    QGraphicsScene scene(0, 0, 4000, 4000);
    doc.view()->setScene(&scene);
    doc.resize(500, 400);
    doc.show();
    QVERIFY(QTest::qWaitForWindowExposed(&doc));
    doc.view()->centerOn(2000, 2000);
    QWidget* viewport = doc.view()->viewport();
    const QPoint mouse(viewport->width() / 4, viewport->height() / 3);
    // Each step keeps the point under the mouse to within the rounding of the scroll bars.
    for (int step = 0; step < 3; ++step) {
        const QPointF underMouse = doc.view()->mapToScene(mouse);
        wheel(viewport, mouse, 120, Qt::ControlModifier);
        const QPoint nowAt = doc.view()->mapFromScene(underMouse);
        QVERIFY2((nowAt - mouse).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("scene point moved from %1,%2 to %3,%4")
                                .arg(mouse.x()).arg(mouse.y()).arg(nowAt.x()).arg(nowAt.y())));
    }
    QCOMPARE(doc.zoomLevel(), 3);
    QCOMPARE(doc.view()->transform().m11(), 3.0);

    for (int step = 0; step < 11; ++step)
        wheel(viewport, mouse, -120, Qt::ControlModifier);
    QCOMPARE(doc.zoomLevel(), -7);
    QCOMPARE(doc.view()->transform().m11(), 1.0 / 12.0);
    QVERIFY(!doc.findChild<QAction*>(QStringLiteral("actionZoomOut"))->isEnabled());
}

void DocumentWindowsTest::plainWheelDoesNotZoom()
{
    GraphicsDocument doc(fixture->path(QStringLiteral("plan.arvid")));
    QGraphicsScene scene(0, 0, 4000, 4000);
    doc.view()->setScene(&scene);
    doc.resize(500, 400);
    doc.show();
    QVERIFY(QTest::qWaitForWindowExposed(&doc));
    const int before = doc.view()->verticalScrollBar()->value();
    wheel(doc.view()->viewport(), QPoint(50, 50), -120, Qt::NoModifier);
    QCOMPARE(doc.zoomLevel(), 0);
    QVERIFY(doc.view()->verticalScrollBar()->value() > before);
}

void DocumentWindowsTest::windowMenuLosesTheAcceleratorFromTheTenthWindow()
{
    for (int i = 1; i <= 11; ++i)
        window->openDocument(fixture->writeFile(QStringLiteral("doc%1.arvchk").arg(i)));
    window->updateWindowMenu();
    const QStringList entries = windowEntries(window->windowMenu());
    QCOMPARE(entries.size(), 11);
    QCOMPARE(entries.at(0), QStringLiteral("&1 doc1.arvchk"));
    QCOMPARE(entries.at(8), QStringLiteral("&9 doc9.arvchk"));
    QCOMPARE(entries.at(9), QStringLiteral("10 doc10.arvchk"));
    QCOMPARE(entries.at(10), QStringLiteral("11 doc11.arvchk [x]"));

    // Choosing an entry activates its window.
    for (QAction* action : window->windowMenu()->actions()) {
        if (action->text() == QLatin1String("&1 doc1.arvchk"))
            action->trigger();
    }
    QCOMPARE(window->activeDocument()->title(), QStringLiteral("doc1.arvchk"));
}

void DocumentWindowsTest::tabsShowWhileTheDocumentsAreMaximised()
{
    QVERIFY(window->documentTabs());
    for (int i = 1; i <= 3; ++i)
        window->openDocument(fixture->writeFile(QStringLiteral("doc%1.arvchk").arg(i)));
    QCOMPARE(window->documentTabs()->count(), 3);
    QVERIFY(window->documentTabs()->isVisibleTo(window.get()));

    // Another program taking the focus leaves the tabs alone.
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QCoreApplication::sendEvent(qApp, &deactivate);
    QVERIFY(window->documentTabs());
    QVERIFY(window->documentTabs()->isVisibleTo(window.get()));
    QEvent activate(QEvent::ApplicationActivate);
    QCoreApplication::sendEvent(qApp, &activate);

    // Tiled, the documents start at the top of the area: no strip is kept for hidden tabs.
    for (void (MdiWindow::*arrange)() : {&MdiWindow::tileDocuments, &MdiWindow::cascadeDocuments}) {
        (window.get()->*arrange)();
        QVERIFY(!window->documentTabs() || !window->documentTabs()->isVisibleTo(window.get()));
        QCOMPARE(window->mdiArea()->viewport()->geometry().top(), window->mdiArea()->contentsRect().top());
        window->mdiArea()->activeSubWindow()->showMaximized();
        QVERIFY(window->documentTabs() && window->documentTabs()->isVisibleTo(window.get()));
        QCOMPARE(window->documentTabs()->count(), 3);
        QVERIFY(window->mdiArea()->viewport()->geometry().top() >= window->documentTabs()->height());
    }

    // One more document, while the others are tiled, opens on a tab of its own.
    window->tileDocuments();
    window->openDocument(fixture->writeFile(QStringLiteral("doc4.arvchk")));
    QVERIFY(window->documentTabs() && window->documentTabs()->isVisibleTo(window.get()));
    QCOMPARE(window->documentTabs()->count(), 4);
    QVERIFY(window->mdiArea()->activeSubWindow()->isMaximized());
}

void DocumentWindowsTest::titleNamesOnlyTheActiveDocument()
{
    window->setWindowTitle(QStringLiteral("Veltrano"));
    AbstractDocument* first = window->openDocument(fixture->writeFile(QStringLiteral("a.arvir")));
    AbstractDocument* second = window->openDocument(fixture->writeFile(QStringLiteral("b.arvvc")));
    QCOMPARE(window->windowTitle(), QStringLiteral("Veltrano - [b.arvvc]"));
    window->setActiveDocument(first);
    QCOMPARE(window->windowTitle(), QStringLiteral("Veltrano - [a.arvir]"));
    window->setActiveDocument(second);
    window->setActiveDocument(first);
    QCOMPARE(window->windowTitle(), QStringLiteral("Veltrano - [a.arvir]"));
    first->setModified(true);
    QCOMPARE(window->windowTitle(), QStringLiteral("Veltrano - [a.arvir *]"));
    first->setModified(false);
    window->tileDocuments();
    QCOMPARE(window->windowTitle(), QStringLiteral("Veltrano"));
    window->closeDocument(first);
    window->closeDocument(second);
    QCOMPARE(window->windowTitle(), QStringLiteral("Veltrano"));
}

void DocumentWindowsTest::closingTheMainWindowAsksNewestFirst()
{
    auto* older = static_cast<TestDocument*>(window->openDocument(fixture->writeFile(QStringLiteral("older.arvir"))));
    auto* newer = static_cast<TestDocument*>(window->openDocument(fixture->writeFile(QStringLiteral("newer.arvatr"))));
    older->setModified(true);
    newer->setModified(true);
    newer->refuseToClose = true;

    QVERIFY(!window->close());
    QCOMPARE(TestDocument::closeQuestions(), QStringList{QStringLiteral("newer.arvatr")});
    QCOMPARE(window->documents().size(), 2);
    QVERIFY(window->isVisible());

    newer->refuseToClose = false;
    QVERIFY(window->close());
    QCOMPARE(TestDocument::closeQuestions(),
             (QStringList{QStringLiteral("newer.arvatr"), QStringLiteral("newer.arvatr"), QStringLiteral("older.arvir")}));
}

void DocumentWindowsTest::documentsWhoseFileVanishedAreClosed()
{
    const QString kept = fixture->writeFile(QStringLiteral("Farm/kept.arvir"));
    const QString gone = fixture->writeFile(QStringLiteral("Farm/gone.arvir"));
    window->openDocument(kept);
    window->openDocument(gone);
    QVERIFY(QFile::remove(gone));
    QMetaObject::invokeMethod(window.get(), "directoryChanged", Q_ARG(QString, fixture->path(QStringLiteral("Farm"))));
    QTRY_COMPARE(window->documents().size(), 1);
    QCOMPARE(window->documents().first()->filePath(), kept);
    QCOMPARE(TestDocument::closeQuestions(), QStringList{QStringLiteral("gone.arvir")});
}

// A document kept open is the user's Cancel in its save question: the language, the favourites
// and the next quit stay as they were.
void DocumentWindowsTest::documentKeptOpenCancelsTheLanguageChange()
{
    auto* doc = static_cast<TestDocument*>(window->openDocument(fixture->writeFile(QStringLiteral("open.arvir"))));
    doc->refuseToClose = true;
    const QString favourite = ReportFavourites::favouritePath(QStringLiteral("arvir"));
    QFile mine(favourite);
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.close();
    fixture->prompts.answerMessage(QMessageBox::Ok);
    QAction* german = nullptr;
    for (QAction* entry : window->languageMenu()->actions()) {
        if (entry->data().toLocale().language() == QLocale::German)
            german = entry;
    }
    QVERIFY2(german, "the German catalogue is built beside the test");

    german->trigger();

    QCOMPARE(fixture->prompts.messageTexts(),
             QStringList {QStringLiteral("Changing the language deletes any Report Favourites.\n")});
    QVERIFY(window->isVisible());
    QVERIFY(!Globals::restartRequested());
    QVERIFY(QSettings().value(SettingsKeys::locale).toString() != QLatin1String("de"));
    QVERIFY(QFile::exists(favourite));
    QVERIFY(!german->isChecked());
    QCOMPARE(window->documents().size(), 1);

    doc->refuseToClose = false;
    QVERIFY(window->close());
    QVERIFY(!Globals::restartRequested());
}

VELTRANO_TEST(DocumentWindowsTest)
#include "DocumentWindowsTest.moc"
