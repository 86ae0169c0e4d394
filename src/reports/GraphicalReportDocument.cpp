#include "GraphicalReportDocument.h"

#include "FileKind.h"
#include "Folders.h"
#include "Globals.h"
#include "Prompts.h"
#include "ReportFile.h"
#include "ReportPrinter.h"
#include "ReportScene.h"
#include "ZoomableGraphicsView.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QToolBar>
#include <QUndoStack>

GraphicalReportDocument::GraphicalReportDocument(const QString& filePath, QWidget* parent)
    : GraphicsDocument(filePath, parent)
    , stack(new QUndoStack(this))
    , reportScene(new ReportScene(stack, this))
{
    buildToolBar();
    connectStack();
    connect(reportScene, &ReportScene::modified, this, &AbstractDocument::setModified);
    view()->setScene(reportScene);
    setValid(report(ReportFile::load(*reportScene, filePath)));
    QCoreApplication::processEvents();
    // Loading fills every field, which items report as changes.
    setModified(false);
}

// The stack and the scene go with the widget's children, after this document's own members: what
// they report while they empty themselves must not reach it.
GraphicalReportDocument::~GraphicalReportDocument()
{
    stack->disconnect();
    reportScene->disconnect(this);
}

ReportScene* GraphicalReportDocument::scene() const
{
    return reportScene;
}

QUndoStack* GraphicalReportDocument::undoStack() const
{
    return stack;
}

void GraphicalReportDocument::buildToolBar()
{
    actionUndo = addToolAction("actionUndo", QStringLiteral(":res/toolButtons/undo.png"), tr("Undo", "Tool tip hint"),
                               QKeySequence(QStringLiteral("Ctrl+Z")));
    actionRedo = addToolAction("actionRedo", QStringLiteral(":res/toolButtons/redo.png"), tr("Redo", "Tool tip hint"),
                               QKeySequence(QStringLiteral("Ctrl+Y")));
    toolBar()->addSeparator();
    actionSave = addToolAction("actionSave", QStringLiteral(":res/toolButtons/save.png"), tr("Save", "Tool tip hint"),
                               QKeySequence(QStringLiteral("Ctrl+S")));
    actionSaveFavourite = addToolAction(
        "actionSaveFavourite", QStringLiteral(":res/toolButtons/save_favourite.png"),
        tr("Save As Favourite. Next time you create a new report it look like this report.", "Tool tip hint"),
        QKeySequence(QStringLiteral("Ctrl+Alt+S")));
    toolBar()->addSeparator();
    addMeasurementActions();
    actionPrint = addToolAction("actionPrint", QStringLiteral(":res/toolButtons/printer.png"), tr("Print", "Tool tip hint"),
                                QKeySequence(QStringLiteral("Ctrl+P")));
    actionExportToPdf = addToolAction("actionExportToPdf", QStringLiteral(":res/toolButtons/export_pdf.png"),
                                      tr("Export to PDF", "Tool tip hint"),
                                      QKeySequence(QStringLiteral("Ctrl+Shift+E")));
    for (QAction* action : {actionUndo, actionRedo, actionSave})
        action->setEnabled(false);

    connect(actionUndo, &QAction::triggered, this, &GraphicalReportDocument::undo);
    connect(actionRedo, &QAction::triggered, this, &GraphicalReportDocument::redo);
    connect(actionSave, &QAction::triggered, this, &GraphicalReportDocument::save);
    connect(actionSaveFavourite, &QAction::triggered, this, &GraphicalReportDocument::saveAsFavourite);
    connect(actionPrint, &QAction::triggered, this, &GraphicalReportDocument::print);
    connect(actionExportToPdf, &QAction::triggered, this, &GraphicalReportDocument::exportToPdf);
}

void GraphicalReportDocument::addMeasurementActions()
{
    if (fileKind(filePath()) != FileKind::ArrayTestReport)
        return;
    actionDownload = addToolAction("actionDownload", QStringLiteral(":res/toolButtons/download.png"),
                                   tr("Download data from tester", "Tool tip hint"),
                                   QKeySequence(QStringLiteral("Ctrl+Alt+D")));
    actionImport = addToolAction("actionImport", QStringLiteral(":res/toolButtons/import.png"),
                                 tr("Import data from file", "Tool tip hint"),
                                 QKeySequence(QStringLiteral("Ctrl+Alt+I")));
    toolBar()->addSeparator();
    connect(actionDownload, &QAction::triggered, this, &GraphicalReportDocument::downloadRequested);
    connect(actionImport, &QAction::triggered, this, &GraphicalReportDocument::importRequested);
}

bool GraphicalReportDocument::canPrint() const
{
    return true;
}

void GraphicalReportDocument::print()
{
    reportScene->print();
}

void GraphicalReportDocument::printPreview()
{
    ReportPrinter(*reportScene).preview();
}

void GraphicalReportDocument::exportToPdf()
{
    reportScene->exportToPdf(filePath());
}

void GraphicalReportDocument::connectStack()
{
    connect(stack, &QUndoStack::canUndoChanged, actionUndo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, actionRedo, &QAction::setEnabled);
    connect(stack, &QUndoStack::cleanChanged, this, &GraphicalReportDocument::cleanChanged);
}

void GraphicalReportDocument::undo()
{
    stack->undo();
}

void GraphicalReportDocument::redo()
{
    stack->redo();
}

void GraphicalReportDocument::cleanChanged(bool clean)
{
    actionSave->setEnabled(!clean);
    setModified(!clean);
}

void GraphicalReportDocument::setCurrent(bool yesNo)
{
    reportScene->setFocusItem(nullptr);
    if (yesNo)
        reportScene->setFocus();
    else
        reportScene->clearFocus();
}

void GraphicalReportDocument::save()
{
    writeToFile();
}

bool GraphicalReportDocument::writeToFile()
{
    if (!mayBeSaved())
        return false;
    // An open editor hands its last typing to the stack before the scene is written.
    reportScene->clearFocus();
    reportScene->removeDeletedPictures();
    const bool written = report(ReportFile::save(*reportScene, filePath()));
    QCoreApplication::processEvents();
    if (written) {
        setModified(false);
        actionSave->setEnabled(false);
        stack->setClean();
    }
    return written;
}

void GraphicalReportDocument::saveAsFavourite()
{
    const auto answer = Prompts::instance().show(
        this, QMessageBox::Warning,
        tr("Saving this document as a favourite means that every time you create a new document of this type it will "
           "look like this document.",
           "Warning Message"),
        tr("Are you sure you want to overwrite the favourite?\n(NOTE: You may restore the default document at any time "
           "from the settings.)",
           "Warning message text"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    // A favourite made from a document that could not be saved would hold changes the document
    // itself lost.
    if (answer != QMessageBox::Yes || !writeToFile())
        return;
    const QString suffix = QFileInfo(filePath()).suffix().toLower();
    report(ReportFile::save(*reportScene, QStringLiteral("%1/default.%2").arg(Folders::instance().dataFolder(), suffix)));
}

// A document is often opened under the wait cursor of whoever opened it, which must not hide
// the message.
bool GraphicalReportDocument::report(const Failure& failure)
{
    const bool waiting = failure.failed() && QApplication::overrideCursor() != nullptr;
    if (waiting)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool succeeded = Prompts::instance().report(Globals::mainWindowInstance(), QMessageBox::Warning, failure);
    if (waiting)
        QApplication::restoreOverrideCursor();
    return succeeded;
}

// A save that failed keeps the window open: closing it would lose the changes the user just
// asked to keep.
bool GraphicalReportDocument::okToClose()
{
    if (!isModified())
        return true;
    const auto answer = Prompts::instance().show(this, QMessageBox::Information,
                                                 tr("Save changes to %1?").arg(title()), QString(),
                                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes)
        return writeToFile();
    return true;
}
