#include "Folders.h"
#include "Globals.h"
#include "GraphicalReportDocument.h"
#include "ReportFolder.h"
#include "ReportResizableImage.h"
#include "ReportScene.h"
#include "ReportTable.h"
#include "ReportTableCell.h"
#include "ReportText.h"
#include "ScriptedPrompts.h"
#include "SettingsKeys.h"
#include "TestMain.h"
#include "WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsSceneDragDropEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>

// The report window as the user works with it: tool bar, undo and the "*" of unsaved changes,
// saving, favourites, closing and PDF export.

namespace {
QAction* action(const GraphicalReportDocument& doc, const char* name)
{
    return doc.findChild<QAction*>(QLatin1String(name));
}

// Types into a field the way the view delivers keys: the scene has the focus, the field the
// scene's focus.
void typeInto(GraphicalReportDocument& doc, const QString& id, const QString& text)
{
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(doc.scene(), &activation);
    doc.scene()->setFocus();
    doc.scene()->itemById(id)->setFocus();
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, character.toUpper().unicode(), Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(doc.scene(), &press);
    }
}

QString fieldText(const GraphicalReportDocument& doc, const QString& id)
{
    return qobject_cast<ReportText*>(doc.scene()->itemById(id))->text();
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList toolBarEntries(const GraphicalReportDocument& doc)
{
    QStringList entries;
    for (QAction* entry : doc.toolBar()->actions())
        entries << (entry->isSeparator() ? QStringLiteral("|") : entry->objectName() + " " + entry->shortcut().toString());
    return entries;
}

// Remembers the cursor each message box was shown under.
class CursorWatchingPrompts : public ScriptedPrompts
{
public:
    MessageAnswer message(const MessageRequest& request) override
    {
        const QCursor* cursor = QApplication::overrideCursor();
        cursorShapes << (cursor ? cursor->shape() : Qt::ArrowCursor);
        return ScriptedPrompts::message(request);
    }

    QVector<Qt::CursorShape> cursorShapes;
};

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

class GraphicalReportDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void toolBarOffersTheReportCommands();
    void saveFollowsTheCleanStateOfTheStack();
    void failedSaveKeepsTheChanges();
    void failureIsNotHiddenByTheOpenersWaitCursor();
    void documentOpenedReadOnlyIsNeverSaved();
    void tabInTheTestTableGoesToTheNextCell();
    void closingAsksAboutUnsavedChanges();
    void favouriteIsWrittenOnlyWhenConfirmed();
    void exportWritesEveryPageWithTheFooter();
    void measurementsAreFetchedOnlyIntoArrayTestReports();
    void exportedPdfIsSmallAndNamed();
    void previewShowsEveryPageAsPrinted();
    void droppedPicturesAreOneUndoStep();
};

void GraphicalReportDocumentTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    ReportScene::setScreenDpiY(96);
}

void GraphicalReportDocumentTest::init()
{
    Globals::setReportsFolder(QStringLiteral("reports_en"));
}

void GraphicalReportDocumentTest::toolBarOffersTheReportCommands()
{
    ReportFolder folder;
    GraphicalReportDocument doc(folder.copyDefault("en", "arvatr", "site.arvatr"));
    QCOMPARE(toolBarEntries(doc),
             QStringList({"actionZoomIn Ctrl++", "actionZoomOut Ctrl+-", "|", "actionUndo Ctrl+Z", "actionRedo Ctrl+Y",
                          "|", "actionSave Ctrl+S", "actionSaveFavourite Ctrl+Alt+S", "|",
                          "actionDownload Ctrl+Alt+D", "actionImport Ctrl+Alt+I", "|", "actionPrint Ctrl+P",
                          "actionExportToPdf Ctrl+Shift+E"}));
    QCOMPARE(action(doc, "actionSaveFavourite")->toolTip(),
             QStringLiteral("Save As Favourite. Next time you create a new report it look like this report."));
    QCOMPARE(action(doc, "actionDownload")->toolTip(), QStringLiteral("Download data from tester"));
    for (const char* disabled : {"actionUndo", "actionRedo", "actionSave"})
        QVERIFY2(!action(doc, disabled)->isEnabled(), disabled);
    for (const char* enabled : {"actionSaveFavourite", "actionDownload", "actionImport", "actionPrint", "actionExportToPdf"})
        QVERIFY2(action(doc, enabled)->isEnabled(), enabled);
    QCOMPARE(doc.windowTitle(), QStringLiteral("site.arvatr"));
}

void GraphicalReportDocumentTest::measurementsAreFetchedOnlyIntoArrayTestReports()
{
    ReportFolder folder;
    for (const char* kind : {"arvir", "arvvc", "arvchk"}) {
        GraphicalReportDocument doc(folder.copyDefault("en", kind, QStringLiteral("site.") + kind));
        QCOMPARE(toolBarEntries(doc),
                 QStringList({"actionZoomIn Ctrl++", "actionZoomOut Ctrl+-", "|", "actionUndo Ctrl+Z",
                              "actionRedo Ctrl+Y", "|", "actionSave Ctrl+S", "actionSaveFavourite Ctrl+Alt+S", "|",
                              "actionPrint Ctrl+P", "actionExportToPdf Ctrl+Shift+E"}));
    }
}

void GraphicalReportDocumentTest::saveFollowsTheCleanStateOfTheStack()
{
    ReportFolder folder;
    GraphicalReportDocument doc(folder.copyDefault("en", "arvir", "site.arvir"));
    QAction* undo = action(doc, "actionUndo");
    QAction* redo = action(doc, "actionRedo");
    QAction* save = action(doc, "actionSave");

    typeInto(doc, "inspector_name", "Ann");
    QVERIFY(undo->isEnabled());
    QVERIFY(save->isEnabled());
    QCOMPARE(doc.windowTitle(), QStringLiteral("site.arvir *"));

    save->trigger();
    QVERIFY(!save->isEnabled());
    QVERIFY(doc.undoStack()->isClean());
    QCOMPARE(doc.windowTitle(), QStringLiteral("site.arvir"));

    typeInto(doc, "report_ref_id", "R7");
    QCOMPARE(fieldText(doc, "report_ref_id"), QStringLiteral("R7"));
    QVERIFY(doc.isModified());
    while (!doc.undoStack()->isClean())
        undo->trigger();
    QCOMPARE(fieldText(doc, "report_ref_id"), QString());
    QCOMPARE(fieldText(doc, "inspector_name"), QStringLiteral("Ann"));
    QVERIFY(!save->isEnabled());
    QVERIFY(redo->isEnabled());
    QCOMPARE(doc.windowTitle(), QStringLiteral("site.arvir"));

    // Undoing past the save changes the document again.
    undo->trigger();
    QVERIFY(save->isEnabled());
    QCOMPARE(doc.windowTitle(), QStringLiteral("site.arvir *"));
}

void GraphicalReportDocumentTest::tabInTheTestTableGoesToTheNextCell()
{
    ReportFolder folder;
    GraphicalReportDocument doc(folder.copyDefault("en", "arvatr", "strings.arvatr"));
    auto* table = qgraphicsitem_cast<ReportTable*>(doc.scene()->itemById("test_table"));
    QVERIFY(table);
    typeInto(doc, "installation_address", "Main Street 1");
    ReportTableCell* first = table->nextEditableCell(nullptr, true);
    ReportTableCell* second = table->nextEditableCell(first, true);
    // Entered by Tab, the cell keeps what the form put in it and takes the key after it.
    const QString secondBefore = second->text();
    first->setFocus();
    for (int key : {int(Qt::Key_7), int(Qt::Key_Tab), int(Qt::Key_Z)}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Tab ? QString() : QString(QChar(key)));
        QCoreApplication::sendEvent(doc.scene(), &press);
    }
    QCOMPARE(first->text(), QStringLiteral("7"));
    QCOMPARE(second->text(), secondBefore + QStringLiteral("Z"));
    QCOMPARE(fieldText(doc, "installation_address"), QStringLiteral("Main Street 1"));
}

void GraphicalReportDocumentTest::failureIsNotHiddenByTheOpenersWaitCursor()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Broken.arvatr"));
    QFile broken(path);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("no report");
    broken.close();
    CursorWatchingPrompts prompts;
    {
        const WaitCursor opening;
        GraphicalReportDocument doc(path);
        QVERIFY(!doc.isValid());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QCOMPARE(prompts.cursorShapes, QVector<Qt::CursorShape>{Qt::ArrowCursor});
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QCOMPARE(prompts.last().message.text, QStringLiteral("Error opening %1 for reading").arg(path));
    QVERIFY(!QApplication::overrideCursor());
}

void GraphicalReportDocumentTest::failedSaveKeepsTheChanges()
{
    ScriptedPrompts prompts;
    ReportFolder folder;
    QDir().mkdir(folder.path("job"));
    GraphicalReportDocument doc(folder.copyDefault("en", "arvvc", "job/site.arvvc"));
    QVERIFY(doc.isValid());
    typeInto(doc, "client", "Ann");
    // The folder disappears under the open document.
    QVERIFY(QDir().rename(folder.path("job"), folder.path("moved")));
    const QByteArray before = contents(folder.path("moved/site.arvvc"));

    doc.save();
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QCOMPARE(prompts.last().message.text, "Error opening " + doc.filePath() + " for writing");
    QCOMPARE(prompts.last().message.informativeText,
             QStringLiteral("The folder %1 no longer exists. Save the document in another folder, or create the "
                            "folder again and save once more.")
                 .arg(folder.path("job")));
    QVERIFY(doc.isModified());
    QCOMPARE(doc.windowTitle(), QStringLiteral("site.arvvc *"));
    QVERIFY(action(doc, "actionSave")->isEnabled());
    QCOMPARE(contents(folder.path("moved/site.arvvc")), before);

    // Saving on close fails the same way and keeps the window open.
    prompts.answerMessage(QMessageBox::Yes);
    QVERIFY(!doc.okToClose());
    QCOMPARE(prompts.messageTexts().last(), "Error opening " + doc.filePath() + " for writing");
}

// Someone else had it open: their saves, not ours, reach the file.
void GraphicalReportDocumentTest::documentOpenedReadOnlyIsNeverSaved()
{
    ScriptedPrompts prompts;
    ReportFolder folder;
    GraphicalReportDocument doc(folder.copyDefault("en", "arvvc", "site.arvvc"));
    QVERIFY(doc.isValid());
    doc.setReadOnly(true);
    const QByteArray before = contents(doc.filePath());
    typeInto(doc, "client", "Ann");
    QCOMPARE(doc.windowTitle(), QStringLiteral("site.arvvc (read-only) *"));

    doc.save();

    QCOMPARE(prompts.messageTexts(), QStringList {doc.filePath() + " was opened read-only and cannot be saved."});
    QVERIFY(doc.isModified());
    QCOMPARE(contents(doc.filePath()), before);
}

void GraphicalReportDocumentTest::closingAsksAboutUnsavedChanges()
{
    ScriptedPrompts prompts;
    ReportFolder folder;
    const QString path = folder.copyDefault("en", "arvchk", "hand-over.arvchk");
    GraphicalReportDocument doc(path);
    QVERIFY(doc.okToClose());
    QVERIFY(prompts.shown().isEmpty());

    typeInto(doc, "basic_system_info", " ");
    QVERIFY(doc.isModified());
    prompts.answerMessage(QMessageBox::Cancel);
    QVERIFY(!doc.okToClose());
    QCOMPARE(prompts.last().message.icon, QMessageBox::Information);
    QCOMPARE(prompts.last().message.text, QStringLiteral("Save changes to hand-over.arvchk?"));
    QCOMPARE(prompts.last().message.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    prompts.answerMessage(QMessageBox::No);
    QVERIFY(doc.okToClose());
    QVERIFY(doc.isModified());

    const QByteArray before = contents(path);
    prompts.answerMessage(QMessageBox::Yes);
    QVERIFY(doc.okToClose());
    QVERIFY(!doc.isModified());
    QVERIFY(contents(path) != before);
}

void GraphicalReportDocumentTest::favouriteIsWrittenOnlyWhenConfirmed()
{
    ScriptedPrompts prompts;
    ReportFolder folder;
    const QString favourite = Folders::instance().dataFolder() + "/default.arvvc";
    QFile::remove(favourite);
    GraphicalReportDocument doc(folder.copyDefault("en", "arvvc", "Site.ARVVC"));
    typeInto(doc, "client", "Ann");

    prompts.answerMessage(QMessageBox::No);
    doc.saveAsFavourite();
    const MessageRequest& question = prompts.last().message;
    QCOMPARE(question.icon, QMessageBox::Warning);
    QCOMPARE(question.text, QStringLiteral("Saving this document as a favourite means that every time you create a new "
                                           "document of this type it will look like this document."));
    QCOMPARE(question.informativeText,
             QStringLiteral("Are you sure you want to overwrite the favourite?\n(NOTE: You may restore the default "
                            "document at any time from the settings.)"));
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.defaultButton, QMessageBox::No);
    QVERIFY(!QFile::exists(favourite));
    QVERIFY(doc.isModified());

    prompts.answerMessage(QMessageBox::Yes);
    doc.saveAsFavourite();
    QVERIFY(!doc.isModified());
    QCOMPARE(prompts.shown().size(), 2);
    GraphicalReportDocument fromFavourite(favourite);
    QVERIFY(fromFavourite.isValid());
    QCOMPARE(fieldText(fromFavourite, "client"), QStringLiteral("Ann"));
    QFile::remove(favourite);
}

void GraphicalReportDocumentTest::exportWritesEveryPageWithTheFooter()
{
    ScriptedPrompts prompts;
    ReportFolder folder;
    QDir().mkdir(folder.path("out"));
    GraphicalReportDocument doc(folder.copyDefault("en", "arvir", "site.arvir"));
    QSettings().setValue(SettingsKeys::lastPdfExportDir, folder.path("earlier"));

    // The dialog starts beside the report, under the report's name; cancelling it writes
    // nothing and keeps the folder of the last export.
    action(doc, "actionExportToPdf")->trigger();
    QCOMPARE(prompts.last().files.kind, FileRequest::SaveFile);
    QCOMPARE(prompts.last().files.caption, QStringLiteral("Export PDF"));
    QCOMPARE(prompts.last().files.filter, QStringLiteral("PDF Files (*.pdf)"));
    QCOMPARE(prompts.last().files.directory, folder.path("site.pdf"));
    QCOMPARE(QSettings().value(SettingsKeys::lastPdfExportDir).toString(), folder.path("earlier"));

    const QString pdf = folder.path("out/site.pdf");
    prompts.answer(pdf);
    action(doc, "actionExportToPdf")->trigger();
    QCOMPARE(QSettings().value(SettingsKeys::lastPdfExportDir).toString(), folder.path("out"));
    const QString info = run("pdfinfo", {pdf});
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+2\\n")), qPrintable(info));
    QVERIFY2(info.contains("(A4)"), qPrintable(info));
    const QString text = run("pdftotext", {pdf, "-"});
    QCOMPARE(text.count("Created by Veltrano."), 2);
    QCOMPARE(prompts.shown().size(), 2);

    const QString nowhere = folder.path("gone/site.pdf");
    prompts.answer(nowhere);
    action(doc, "actionExportToPdf")->trigger();
    QCOMPARE(prompts.messageTexts(), QStringList{"Error opening " + nowhere + " for writing"});
    QVERIFY(!QFile::exists(nowhere));

    // A cancelled print dialog prints nothing.
    action(doc, "actionPrint")->trigger();
    QCOMPARE(prompts.last().kind, ShownPrompt::Printer);
    QCOMPARE(prompts.shown().size(), 5);
}

// Mail programs refuse large attachments: fonts go in as subsets, and the file says what it is
// and who wrote it.
void GraphicalReportDocumentTest::exportedPdfIsSmallAndNamed()
{
    ScriptedPrompts prompts;
    ReportFolder folder;
    GraphicalReportDocument doc(folder.copyDefault("en", "arvvc", "Smith roof.arvvc"));
    typeInto(doc, "inspector", QStringLiteral("J\u00F6rg (M\u00FCller)"));
    const QString pdf = folder.path("Smith roof.pdf");
    prompts.answer(pdf);
    doc.exportToPdf();

    const QString info = run("pdfinfo", {pdf});
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression("Title:\\s+Smith roof\\n")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Author:\\s+J\u00F6rg \\(M\u00FCller\\)\\n"))),
             qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression("Creator:\\s+Veltrano V\\d")), qPrintable(info));
    QVERIFY2(QFileInfo(pdf).size() < 150 * 1024, qPrintable(QString::number(QFileInfo(pdf).size())));
    // pdffonts: name, type, encoding, emb, sub, uni, object, generation; two heading lines. The
    // texts of the form's drawing are text, in the regular and the bold face, embedded so that
    // the PDF looks the same everywhere.
    const QStringList fonts = run("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    QCOMPARE(fonts.size(), 2);
    for (const QString& font : fonts)
        QVERIFY2(font.contains(QRegularExpression("\\byes\\s+(yes|no)\\s+yes\\s+\\d+\\s+\\d+$")), qPrintable(font));
}

void GraphicalReportDocumentTest::previewShowsEveryPageAsPrinted()
{
    ScriptedPrompts prompts;
    ReportFolder folder;
    GraphicalReportDocument doc(folder.copyDefault("en", "arvir", "site.arvir"));
    doc.printPreview();
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().kind, ShownPrompt::PrintPreview);
    QVERIFY2(run("pdfinfo", {prompts.last().url}).contains(QRegularExpression("Pages:\\s+2\\n")),
             qPrintable(prompts.last().url));
    QCOMPARE(run("pdftotext", {prompts.last().url, "-"}).count("Created by Veltrano."), 2);
}

void GraphicalReportDocumentTest::droppedPicturesAreOneUndoStep()
{
    ScriptedPrompts prompts;
    ReportFolder folder;
    GraphicalReportDocument doc(folder.copyDefault("en", "arvchk", "site.arvchk"));
    QList<QUrl> urls;
    for (const char* name : {"a.png", "b.jpg", "c.bmp"}) {
        QImage photo(40, 30, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        QVERIFY(photo.save(folder.path(name)));
        urls << QUrl::fromLocalFile(folder.path(name));
    }
    QFile notes(folder.path("notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    urls.insert(1, QUrl::fromLocalFile(notes.fileName()));
    QMimeData files;
    files.setUrls(urls);
    const auto pictures = [&doc] {
        QList<QPointF> shown;
        for (QGraphicsItem* item : doc.scene()->items(Qt::AscendingOrder)) {
            if (item->type() == ReportResizableImage::Type && item->isVisible())
                shown << item->pos();
        }
        std::sort(shown.begin(), shown.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        return shown;
    };
    const QList<QPointF> before = pictures();

    // Outside the paper nothing is taken.
    QGraphicsSceneDragDropEvent outside(QEvent::GraphicsSceneDrop);
    outside.setMimeData(&files);
    outside.setScenePos(QPointF(-300, 100));
    QCoreApplication::sendEvent(doc.scene(), &outside);
    QCOMPARE(doc.undoStack()->count(), 0);

    QGraphicsSceneDragDropEvent drop(QEvent::GraphicsSceneDrop);
    drop.setMimeData(&files);
    drop.setProposedAction(Qt::CopyAction);
    drop.setScenePos(QPointF(100, 200));
    QCoreApplication::sendEvent(doc.scene(), &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(pictures().size(), before.size() + 3);
    QVERIFY(pictures().contains(QPointF(100, 200)));
    QVERIFY(pictures().contains(QPointF(120, 220)));
    QVERIFY(pictures().contains(QPointF(140, 240)));
    QCOMPARE(doc.undoStack()->count(), 1);
    QVERIFY(doc.isModified());

    doc.undoStack()->undo();
    QCOMPARE(pictures(), before);
    QVERIFY(!doc.isModified());
    QVERIFY(prompts.shown().isEmpty());
}

VELTRANO_TEST(GraphicalReportDocumentTest)

#include "GraphicalReportDocumentTest.moc"
