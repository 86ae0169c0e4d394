#include "InstallationDiagramDocument.h"

#include "DiagramConnection.h"
#include "DiagramGraphicsScene.h"
#include "DiagramPrinter.h"
#include "DiagramTeardown.h"
#include "Globals.h"
#include "Prompts.h"
#include "ZoomableGraphicsView.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QTimer>
#include <QToolBar>

namespace {
constexpr qreal openingMargin = 500;
constexpr qreal editingMargin = 200;
} // namespace

InstallationDiagramDocument::InstallationDiagramDocument(const QString& filePath, QWidget* parent)
    : GraphicsDocument(filePath, parent)
    , cableTypes(new QActionGroup(this))
    , diagramScene(new DiagramGraphicsScene(this))
{
    buildToolBar();
    view()->setScene(diagramScene);
    view()->setRenderHint(QPainter::Antialiasing);
    setValid(Prompts::instance().report(Globals::mainWindowInstance(), QMessageBox::Warning, diagramScene->load(filePath)));
    QCoreApplication::processEvents();
    showWholeDiagram();
    connectScene();
    setModified(false);
}

InstallationDiagramDocument::~InstallationDiagramDocument()
{
    view()->setScene(nullptr);
    DiagramTeardown::dismantle(diagramScene);
}

DiagramGraphicsScene* InstallationDiagramDocument::scene() const
{
    return diagramScene;
}

void InstallationDiagramDocument::buildToolBar()
{
    actionSave = addToolAction("actionSave", QStringLiteral(":res/toolButtons/save.png"), tr("Save", "Tool tip hint"),
                               QKeySequence(QStringLiteral("Ctrl+S")));
    actionSave->setEnabled(false);
    toolBar()->addSeparator();
    actionPrint = addToolAction("actionPrint", QStringLiteral(":res/toolButtons/printer.png"),
                                tr("Print", "Tool tip hint"), QKeySequence(QStringLiteral("Ctrl+P")));
    actionExportToPdf = addToolAction("actionExportToPdf", QStringLiteral(":res/toolButtons/export_pdf.png"),
                                      tr("Export to PDF", "Tool tip hint"), QKeySequence(QStringLiteral("Ctrl+Shift+E")));
    toolBar()->addSeparator();
    actionWire = addToolAction("actionWire", QStringLiteral(":res/toolButtons/wire.png"), tr("Wire", "Tool tip hint"),
                               QKeySequence());
    actionWire->setCheckable(true);
    toolBar()->addSeparator();
    cableTypes->setExclusive(true);
    cableTypes->setEnabled(false);
    action1Core = addCableAction("action1Core", QStringLiteral(":res/toolButtons/cable1core.png"),
                                 tr("Single wire", "Tool tip hint"), DiagramConnection::SingleWire);
    action2Core = addCableAction("action2Core", QStringLiteral(":res/toolButtons/cable2core.png"),
                                 tr("DC cable", "Tool tip hint"), DiagramConnection::DcCable);
    action3Core = addCableAction("", QStringLiteral(":res/toolButtons/cable3core.png"), tr("AC cable", "Tool tip hint"),
                                 DiagramConnection::AcCable);
    action1Core->setChecked(true);
    connect(actionSave, &QAction::triggered, this, &InstallationDiagramDocument::save);
    connect(actionWire, &QAction::toggled, this, &InstallationDiagramDocument::wireToggled);
    connect(cableTypes, &QActionGroup::triggered, this, &InstallationDiagramDocument::setCableType);
}

QAction* InstallationDiagramDocument::addCableAction(const char* objectName, const QString& icon, const QString& toolTip,
                                                     int cableType)
{
    QAction* action = addToolAction(objectName, icon, toolTip, QKeySequence());
    action->setCheckable(true);
    action->setData(cableType);
    cableTypes->addAction(action);
    return action;
}

// The whole drawing in view, with room around it to add more.
void InstallationDiagramDocument::showWholeDiagram()
{
    const QRectF drawn = diagramScene->itemsBoundingRect();
    view()->setSceneRect(drawn.adjusted(-openingMargin, -openingMargin, openingMargin, openingMargin));
    view()->centerOn(drawn.topLeft());
    if (!diagramScene->items().isEmpty())
        openedDrawing = diagramScene->drawingRect();
}

void InstallationDiagramDocument::showEvent(QShowEvent* event)
{
    GraphicsDocument::showEvent(event);
    // Only once the window is laid out does the view know how much it can show.
    if (!openedDrawing.isEmpty())
        QTimer::singleShot(0, this, &InstallationDiagramDocument::fitOpenedDrawing);
}

void InstallationDiagramDocument::fitOpenedDrawing()
{
    const QRectF drawn = openedDrawing;
    openedDrawing = QRectF();
    if (drawn.isEmpty())
        return;
    while (zoomLevel() > minimumZoomLevel && !showsWhole(drawn))
        zoomOut();
    view()->centerOn(drawn.center());
}

bool InstallationDiagramDocument::showsWhole(const QRectF& drawn) const
{
    const QRectF shown = view()->mapToScene(view()->viewport()->rect()).boundingRect();
    return shown.width() >= drawn.width() && shown.height() >= drawn.height();
}

void InstallationDiagramDocument::connectScene()
{
    connect(actionPrint, &QAction::triggered, this, &InstallationDiagramDocument::print);
    connect(actionExportToPdf, &QAction::triggered, this, &InstallationDiagramDocument::exportToPdf);
    connect(diagramScene, &QGraphicsScene::sceneRectChanged, this, &InstallationDiagramDocument::sceneRectChanged);
    connect(diagramScene, &DiagramGraphicsScene::modeChanged, this, &InstallationDiagramDocument::modeChanged);
    connect(diagramScene, &DiagramGraphicsScene::modified, this, &InstallationDiagramDocument::modified);
}

bool InstallationDiagramDocument::canPrint() const
{
    return true;
}

void InstallationDiagramDocument::print()
{
    diagramScene->print();
}

void InstallationDiagramDocument::printPreview()
{
    DiagramPrinter(*diagramScene).preview();
}

void InstallationDiagramDocument::exportToPdf()
{
    diagramScene->exportToPdf(filePath());
}

bool InstallationDiagramDocument::okToClose()
{
    if (!isModified())
        return true;
    const auto answer = Prompts::instance().show(Globals::mainWindowInstance(), QMessageBox::Information,
                                                 tr("Save changes to %1?", "Warning Message").arg(title()), QString(),
                                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return false;
    // A save that failed keeps the window open, so the changes are not lost with it.
    if (answer == QMessageBox::Yes)
        return writeToFile();
    return true;
}

void InstallationDiagramDocument::save()
{
    writeToFile();
}

bool InstallationDiagramDocument::writeToFile()
{
    if (!mayBeSaved()
        || !Prompts::instance().report(Globals::mainWindowInstance(), QMessageBox::Warning, diagramScene->save(filePath())))
        return false;
    setModified(false);
    return true;
}

void InstallationDiagramDocument::modified()
{
    actionSave->setEnabled(true);
    setModified(true);
}

void InstallationDiagramDocument::wireToggled(bool checked)
{
    cableTypes->setEnabled(checked);
    diagramScene->setWireMode(checked ? DiagramGraphicsScene::Drawing : DiagramGraphicsScene::Editing);
}

void InstallationDiagramDocument::setCableType(QAction* action)
{
    diagramScene->setCableType(action->data().toInt());
}

// The shown part of the scene stays where it is: a scroll area that shrank, or one smaller than the
// window, would re-centre and move the drawing away from under the pointer of the user who just
// added a box.
void InstallationDiagramDocument::sceneRectChanged(const QRectF& rect)
{
    const QRectF shown = view()->mapToScene(view()->viewport()->rect()).boundingRect();
    const QRectF grown = rect.adjusted(-editingMargin, -editingMargin, editingMargin, editingMargin);
    view()->setSceneRect(view()->sceneRect() | shown | grown);
    view()->centerOn(shown.center());
}

void InstallationDiagramDocument::modeChanged(int newMode)
{
    actionWire->setChecked(newMode == DiagramGraphicsScene::Drawing);
}
