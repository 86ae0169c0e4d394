#include "CurveDocument.h"

#include "CoefficientFitDialog.h"
#include "CommandGuard.h"
#include "CurveCsvImporter.h"
#include "CurveData.h"
#include "CurveDatabase.h"
#include "CurveDetailsDialog.h"
#include "CurveGraph.h"
#include "CurveGraphModel.h"
#include "CurveGraphSquishHelper.h"
#include "CurveMessageBox.h"
#include "CurveModuleAssignment.h"
#include "CurveModulesChooser.h"
#include "CurveModulesDlg.h"
#include "CurvePointsExport.h"
#include "CurveReport.h"
#include "CurveReportPrinter.h"
#include "CurveTree.h"
#include "CurveTreeModel.h"
#include "DiagnosisSettings.h"
#include "Prompts.h"
#include "ResultsFileChooser.h"
#include "ResourceIcons.h"
#include "SettingsKeys.h"
#include "TreeItem.h"
#include "WaitCursor.h"

#include <QAction>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QPrinter>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace IVCurve {

namespace {
const int treeStretch = 2;
const int graphStretch = 3;

// Rows from the top of the tree down to the node: compared in order they give the tree's order.
QVector<int> pathOf(const QModelIndex& index)
{
    QVector<int> rows;
    for (QModelIndex at = index; at.isValid(); at = at.parent())
        rows.prepend(at.row());
    return rows;
}

// The descriptions of the nodes above, the top-level one (the file) first.
QStringList foldersAbove(const TreeItem* item)
{
    QStringList folders;
    for (const TreeItem* above = item->parent(); above && above->parent(); above = above->parent())
        folders.prepend(above->value(TreeItem::Description).toString());
    return folders;
}
} // namespace

CurveDocument::CurveDocument(const QString& filePath, QWidget* parent)
    : DocumentWithToolbar(filePath, parent)
    , database(std::make_unique<CurveDatabase>(filePath, &failureMessages))
{
    curveTreeModel = new CurveTreeModel(*database, this);
    if (database->isOpen() && !curveTreeModel->load() && !curveTreeModel->refusal().isEmpty())
        database->refuse(CurveFileCheck::beyondLimits(filePath, curveTreeModel->refusal()));
    curveGraphModel = new CurveGraphModel(*database, curveTreeModel, this);
    curveGraphModel->collection().setModuleLookup(CurveModuleAssignment::databaseLookup(&failureMessages));
    curveTree = new CurveTree;
    curveTree->setModel(curveTreeModel);
    curveTree->setContextMenuPolicy(Qt::CustomContextMenu);
    curveGraph = new CurveGraph(*curveGraphModel);
    new CurveGraphSquishHelper(curveGraph);
    buildActions();
    buildToolBar();
    buildContextMenu();
    buildLayout();
    connectModels();
    setValid(database->isOpen());
}

// The views and models let go of their statements before the connection is removed.
CurveDocument::~CurveDocument()
{
    delete splitter;
    delete curveGraphModel;
    delete curveTreeModel;
    database.reset();
}

CurveTree* CurveDocument::tree() const
{
    return curveTree;
}

CurveTreeModel* CurveDocument::treeModel() const
{
    return curveTreeModel;
}

CurveGraph* CurveDocument::graph() const
{
    return curveGraph;
}

CurveGraphModel* CurveDocument::graphModel() const
{
    return curveGraphModel;
}

QAction* CurveDocument::makeAction(const char* objectName, const QString& icon, const QString& text,
                                   const QString& toolTip)
{
    auto* action = new QAction(ResourceIcons::get(icon), text, this);
    action->setObjectName(QLatin1String(objectName));
    action->setToolTip(toolTip);
    return action;
}

void CurveDocument::buildActions()
{
    const QString icons = QStringLiteral(":res/toolButtons/");
    actionSave = makeAction("actionSave", icons + QStringLiteral("save.png"), tr("Save", "Tool tip hint"),
                            tr("Save", "Tool tip hint"));
    actionSave->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    actionSave->setEnabled(false);
    actionPrint = makeAction("actionPrint", icons + QStringLiteral("printer.png"), tr("Print", "Tool tip hint"),
                             tr("Print", "Tool tip hint"));
    actionPrint->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    actionExportToPdf = makeAction("actionExportToPdf", icons + QStringLiteral("export_pdf.png"),
                                   tr("Export to PDF", "Tool tip hint"), tr("Export to PDF", "Tool tip hint"));
    actionExportToImage = makeAction("actionExportToImage", icons + QStringLiteral("export_img.png"),
                                     tr("Export to Image", "Tool tip hint"), tr("Export to Image", "Tool tip hint"));
    actionInsertTreeRow = makeAction("actionInsertTreeRow", icons + QStringLiteral("plus_sign.png"),
                                     tr("Insert Row", "Tool tip hint"), QString());
    actionDeleteTreeRow = makeAction("actionDeleteTreeRow", icons + QStringLiteral("delete_row.png"),
                                     tr("Delete Row", "Tool tip hint"), tr("Delete Row", "Tool tip hint"));
    actionImportCSV = makeAction("actionImportCSV", icons + QStringLiteral("import.png"),
                                 tr("Import CSV", "Tool tip hint"), tr("Import CSV", "Tool tip hint"));
    actionShowIV = makeAction("actionShowIV", QString(), tr("IV", "Tool tip hint"), tr("Show IV Curves", "Tool tip hint"));
    actionShowPWR = makeAction("actionShowPWR", QString(), tr("PWR", "Tool tip hint"),
                               tr("Show VP Power Curves", "Tool tip hint"));
    actionShowMEAS = makeAction("actionShowMEAS", QString(), tr("MEAS", "Tool tip hint"),
                                tr("Show Measured Curve Data", "Tool tip hint"));
    actionShowSTC = makeAction("actionShowSTC", QString(), tr("STC", "Tool tip hint"),
                               tr("Show STC-corrected Curves", "Tool tip hint"));
    actionShowNOM = makeAction("actionShowNOM", QString(), tr("NOM", "Tool tip hint"),
                               tr("Show Nominal Curve", "Tool tip hint"));
    actionShowEXP = makeAction("actionShowEXP", QString(), tr("EXP", "Tool tip hint"),
                               tr("Show Expected Curve at Measured Conditions", "Tool tip hint"));
    for (QAction* toggle : {actionShowIV, actionShowPWR, actionShowMEAS, actionShowSTC, actionShowNOM, actionShowEXP})
        toggle->setCheckable(true);
    actionShowIV->setChecked(true);
    actionShowSTC->setChecked(true);
    actionDownload = makeAction("actionDownload", icons + QStringLiteral("zorn_download.png"),
                                tr("Download", "Tool tip hint"), tr("Download data from tester", "Tool tip hint"));
    actionViewDetails = makeAction("actionViewDetails", icons + QStringLiteral("zorn_download.png"),
                                   tr("View Details", "Tool tip hint"), tr("View Details from tester", "Tool tip hint"));
    actionManageModules = makeAction("actionManageModules", icons + QStringLiteral("module32.png"),
                                     tr("Manage Module Database", "Tool tip hint"),
                                     tr("Manage Module Database", "Tool tip hint"));
    actionAssignModule = makeAction("actionAssignModule", QString(), tr("Set PV Module Type", "Tool tip hint"),
                                    tr("Manage Module Database", "Tool tip hint"));
    actionCurveReport = makeAction("actionCurveReport", QString(), tr("Curve Report", "Tool tip hint"),
                                   tr("Curve Report", "Tool tip hint"));
    actionExportPoints = makeAction("actionExportPoints", QString(), tr("Export MEAS IV Curve Points", "Tool tip hint"),
                                    tr("Export Measured IV Curve Points in CSV format", "Tool tip hint"));
    actionExportPointsSTC = makeAction("actionExportPointsSTC", QString(),
                                       tr("Export STC IV Curve Points", "Tool tip hint"),
                                       tr("Export STC IV Curve Points in CSV format", "Tool tip hint"));
    actionExportPWRPoints = makeAction("actionExportPWRPoints", QString(),
                                       tr("Export MEAS PWR Curve Points", "Tool tip hint"),
                                       tr("Export Measured Power Curve Points in CSV format", "Tool tip hint"));
    actionExportPWRPointsSTC = makeAction("actionExportPWRPointsSTC", QString(),
                                          tr("Export STC PWR Curve Points", "Tool tip hint"),
                                          tr("Export STC Power Curve Points in CSV format", "Tool tip hint"));
    actionExportPointsEXP = makeAction("actionExportPointsEXP", QString(),
                                       tr("Export EXP IV Curve Points", "Tool tip hint"),
                                       tr("Export Expected IV Curve Points in CSV format", "Tool tip hint"));
    actionExportPWRPointsEXP = makeAction("actionExportPWRPointsEXP", QString(),
                                          tr("Export EXP PWR Curve Points", "Tool tip hint"),
                                          tr("Export Expected Power Curve Points in CSV format", "Tool tip hint"));
    actionSetColour = makeAction(
        "actionSetColour", QString(), tr("Set Colour", "Tool tip hint"),
        tr("Change the colour of lines on the graph associated with this string", "Tool tip hint"));
    actionDetermineCoefficients = makeAction(
        "actionDetermineCoefficients", QString(), tr("Determine Coefficients", "Tool tip hint"),
        tr("Find Rs and κ from two or more curves of one string measured at different irradiances and temperatures",
           "Tool tip hint"));
    actionDetermineCoefficients->setEnabled(false);

    const QVector<QPair<QAction*, void (CurveDocument::*)()>> commands{
        {actionSave, &CurveDocument::save},
        {actionInsertTreeRow, &CurveDocument::slotInsertRow},
        {actionDeleteTreeRow, &CurveDocument::slotDeleteRow},
        {actionImportCSV, &CurveDocument::slotImport},
        {actionDownload, &CurveDocument::slotDownload},
        {actionViewDetails, qOverload<>(&CurveDocument::slotViewDetails)},
        {actionManageModules, &CurveDocument::slotManageModules},
        {actionAssignModule, &CurveDocument::slotAssignModule},
        {actionCurveReport, &CurveDocument::slotCurveReport},
        {actionExportPoints, &CurveDocument::slotExportPoints},
        {actionExportPointsSTC, &CurveDocument::slotExportPointsSTC},
        {actionExportPWRPoints, &CurveDocument::slotExportPWRPoints},
        {actionExportPWRPointsSTC, &CurveDocument::slotExportPWRPointsSTC},
        {actionExportPointsEXP, &CurveDocument::slotExportPointsEXP},
        {actionExportPWRPointsEXP, &CurveDocument::slotExportPWRPointsEXP},
        {actionSetColour, &CurveDocument::slotSetColour},
        {actionDetermineCoefficients, &CurveDocument::slotDetermineCoefficients}};
    for (const auto& command : commands) {
        const auto slot = command.second;
        connect(command.first, &QAction::triggered, this, [this, slot] { runGuarded(slot); });
    }
    const QVector<QPair<QAction*, void (CurveGraph::*)()>> plotCommands{
        {actionPrint, &CurveGraph::print},
        {actionExportToPdf, &CurveGraph::exportpdf},
        {actionExportToImage, &CurveGraph::exportimg}};
    // std::invoke, not (curveGraph->*slot): GCC 12 with -fsanitize=vptr checks the object of a
    // member-pointer call on a member only on the virtual branch and then calls through garbage.
    for (const auto& command : plotCommands) {
        const auto slot = command.second;
        connect(command.first, &QAction::triggered, this,
                [this, slot] { CommandGuard::run(this, [this, slot] { std::invoke(slot, curveGraph); }); });
    }
    const QVector<QPair<QAction*, void (CurveGraph::*)(bool)>> toggles{
        {actionShowIV, &CurveGraph::displayIVToggled},
        {actionShowPWR, &CurveGraph::displayPWRToggled},
        {actionShowMEAS, &CurveGraph::displayMEASToggled},
        {actionShowSTC, &CurveGraph::displaySTCToggled},
        {actionShowNOM, &CurveGraph::displayNOMToggled},
        {actionShowEXP, &CurveGraph::displayEXPToggled}};
    for (const auto& toggle : toggles) {
        const auto slot = toggle.second;
        connect(toggle.first, &QAction::toggled, this,
                [this, slot](bool on) { CommandGuard::run(this, [this, slot, on] { std::invoke(slot, curveGraph, on); }); });
    }
}

void CurveDocument::runGuarded(void (CurveDocument::*command)())
{
    CommandGuard::run(this, [this, command] { (this->*command)(); });
}

void CurveDocument::buildToolBar()
{
    QToolBar* tools = toolBar();
    tools->setToolButtonStyle(Qt::ToolButtonFollowStyle);
    tools->addActions({actionSave, actionPrint, actionExportToPdf, actionExportToImage});
    tools->addSeparator();
    tools->addActions({actionInsertTreeRow, actionDeleteTreeRow, actionImportCSV, actionDownload});
    tools->addSeparator();
    tools->addActions({actionShowIV, actionShowPWR});
    tools->addSeparator();
    tools->addActions({actionShowMEAS, actionShowSTC, actionShowNOM, actionShowEXP});
    tools->addSeparator();
    tools->addActions({actionViewDetails, actionManageModules, actionAssignModule, actionSetColour,
                       actionDetermineCoefficients});
    tools->addSeparator();
    tools->addAction(actionCurveReport);
    auto* exportMenu = new QMenu(this);
    exportMenu->addActions({actionExportPoints, actionExportPointsSTC, actionExportPWRPoints, actionExportPWRPointsSTC,
                            actionExportPointsEXP, actionExportPWRPointsEXP});
    auto* exportButton = new QToolButton(tools);
    exportButton->setObjectName(QStringLiteral("exportPointsButton"));
    exportButton->setText(tr("Export Points", "Tool tip hint"));
    exportButton->setToolTip(tr("Export the points of the selected string in CSV format", "Tool tip hint"));
    exportButton->setMenu(exportMenu);
    exportButton->setPopupMode(QToolButton::InstantPopup);
    tools->addWidget(exportButton);
}

void CurveDocument::buildContextMenu()
{
    contextMenu = new QMenu(this);
    contextMenu->addActions({actionInsertTreeRow, actionDeleteTreeRow});
    contextMenu->addSeparator();
    contextMenu->addActions({actionViewDetails, actionSetColour, actionAssignModule, actionDetermineCoefficients});
    contextMenu->addSeparator();
    contextMenu->addActions({actionCurveReport, actionExportPoints, actionExportPointsSTC, actionExportPWRPoints,
                             actionExportPWRPointsSTC, actionExportPointsEXP, actionExportPWRPointsEXP});
    contextMenu->addSeparator();
    contextMenu->addActions({actionImportCSV, actionDownload});
}

void CurveDocument::buildLayout()
{
    splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(curveTree);
    splitter->addWidget(curveGraph);
    splitter->setStretchFactor(0, treeStretch);
    splitter->setStretchFactor(1, graphStretch);
    // The plot's size hint would otherwise leave the tree too narrow to read its columns.
    splitter->setSizes({treeStretch * 100, graphStretch * 100});
    splitter->setChildrenCollapsible(false);
    scrollArea()->setWidget(splitter);
}

void CurveDocument::connectModels()
{
    connect(curveTreeModel, &CurveTreeModel::modified, this, &CurveDocument::modified);
    connect(curveGraphModel, &CurveGraphModel::modified, this, &CurveDocument::modified);
    connect(curveTree->selectionModel(), &QItemSelectionModel::selectionChanged, curveGraphModel,
            &CurveGraphModel::slotTreeSelectionChanged);
    connect(curveTreeModel, &QAbstractItemModel::rowsAboutToBeRemoved, curveGraphModel,
            &CurveGraphModel::slotRowRemoved);
    connect(curveGraphModel, &CurveGraphModel::signalStringSelected, curveGraph, &CurveGraph::slotInsertCurves);
    connect(curveGraphModel, &CurveGraphModel::signalStringDeselected, curveGraph, &CurveGraph::slotRemoveCurves);
    connect(curveGraphModel, &CurveGraphModel::signalStringSelected, this, &CurveDocument::updateModuleNote);
    connect(curveGraphModel, &CurveGraphModel::signalStringDeselected, this, &CurveDocument::updateModuleNote);
    connect(curveTree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CurveDocument::updateSelectionCommands);
    connect(curveTree, &QWidget::customContextMenuRequested, this, &CurveDocument::onCustomContextMenu);
    connect(curveTree, &QAbstractItemView::doubleClicked, this, &CurveDocument::slotDoubleClickTree);
    connectFindings();
}

void CurveDocument::connectFindings()
{
    connect(curveGraphModel, &CurveGraphModel::findingsChanged, curveGraph, &CurveGraph::setStringFindings);
    connect(&DiagnosisSettings::instance(), &DiagnosisSettings::thresholdsChanged, curveGraphModel,
            &CurveGraphModel::refreshFindings);
}

void CurveDocument::modified(bool dirty)
{
    actionSave->setEnabled(dirty);
    setModified(dirty);
}

void CurveDocument::onCustomContextMenu(const QPoint& point)
{
    contextMenu->popup(curveTree->viewport()->mapToGlobal(point));
}

// Asked before the wait cursor comes up, so that the box saying why nothing is saved shows the
// ordinary pointer.
bool CurveDocument::writeTree()
{
    if (!database->checkWritable())
        return false;
    const WaitCursor waiting;
    if (!curveTreeModel->save())
        return false;
    actionSave->setEnabled(false);
    setModified(false);
    return true;
}

void CurveDocument::save()
{
    writeTree();
}

// The file is written as the user works, not only on save: every change is refused instead.
void CurveDocument::setReadOnly(bool readOnly)
{
    AbstractDocument::setReadOnly(readOnly);
    if (readOnly)
        database->refuseWrites();
}

// A save that failed keeps the window open: closing it would lose the tree the user built.
bool CurveDocument::okToClose()
{
    if (isModified()) {
        const auto answer = CurveMessageBox::show(this, QMessageBox::Information,
                                                  tr("Save changes to %1?", "Warning Message").arg(title()),
                                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !writeTree()))
            return false;
    }
    return !closeGuard || closeGuard();
}

void CurveDocument::setCloseGuard(std::function<bool()> guard)
{
    closeGuard = std::move(guard);
}

QVector<TreeItem*> CurveDocument::selectedCurveItems() const
{
    QModelIndexList rows = curveTree->selectionModel()->selectedRows(0);
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return pathOf(a) < pathOf(b); });
    QVector<TreeItem*> items;
    for (const QModelIndex& row : qAsConst(rows)) {
        TreeItem* item = curveTreeModel->itemFor(row);
        if (CurveGraphModel::curveIdOf(item) != 0)
            items.append(item);
    }
    return items;
}

TreeItem* CurveDocument::currentCurveItem() const
{
    const QModelIndex current = curveTree->currentIndex();
    TreeItem* item = current.isValid() ? curveTreeModel->itemFor(current.siblingAtColumn(0)) : nullptr;
    if (CurveGraphModel::curveIdOf(item) != 0)
        return item;
    const QVector<TreeItem*> selected = selectedCurveItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void CurveDocument::slotInsertRow()
{
    if (!database->checkWritable())
        return;
    const QModelIndex current = curveTree->currentIndex();
    TreeItem* item = curveTreeModel->insertNewRow(current.isValid() ? current.siblingAtColumn(0) : QModelIndex());
    const QModelIndex inserted = curveTreeModel->indexFor(item);
    curveTree->setCurrentIndex(inserted);
    curveTree->edit(inserted);
}

// Rows are removed from the last to the first, so that the positions still to come stay right;
// a row inside one already removed has gone with it.
void CurveDocument::slotDeleteRow()
{
    QModelIndexList rows = curveTree->selectionModel()->selectedRows(0);
    if (rows.isEmpty() || !database->checkWritable())
        return;
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return pathOf(a) > pathOf(b); });
    QList<QPersistentModelIndex> persistent;
    for (const QModelIndex& row : qAsConst(rows))
        persistent.append(QPersistentModelIndex(row));
    for (const QPersistentModelIndex& row : qAsConst(persistent)) {
        if (row.isValid())
            curveTreeModel->removeRows(row.row(), 1, row.parent());
    }
}

void CurveDocument::slotViewDetails()
{
    TreeItem* item = currentCurveItem();
    slotViewDetails(item ? curveTreeModel->indexFor(item) : QModelIndex());
}

void CurveDocument::slotViewDetails(const QModelIndex& index)
{
    TreeItem* item = index.isValid() ? curveTreeModel->itemFor(index.siblingAtColumn(0)) : nullptr;
    CurveData* curve = curveGraphModel->curveOf(item);
    if (!curve) {
        CurveMessageBox::show(this, QMessageBox::Information,
                              tr("Please select a string with curve data first.", "User prompt"));
        return;
    }
    CurveDetailsDialog dialog(*curve, curveGraphModel->collection(), *curveTreeModel, item, this);
    if (dialog.exec() == QDialog::Accepted) {
        replotString(CurveGraphModel::curveIdOf(item));
        curveGraphModel->refreshFindings();
    }
}

void CurveDocument::slotDoubleClickTree(const QModelIndex& index)
{
    if (CurveGraphModel::curveIdOf(curveTreeModel->itemFor(index.siblingAtColumn(0))) != 0)
        CommandGuard::run(this, [this, index] { slotViewDetails(index); });
}

void CurveDocument::replotString(uint stringId)
{
    if (!curveGraph->shownStrings().contains(stringId))
        return;
    curveGraph->slotRemoveCurves(stringId);
    curveGraph->slotInsertCurves(stringId);
    updateModuleNote();
}

// Without a module the whole string is converted with the coefficients of one module, so its
// STC values are no more than an estimate; the plot says so rather than nothing.
void CurveDocument::updateModuleNote()
{
    bool unassigned = false;
    for (uint stringId : curveGraph->shownStrings()) {
        const CurveData* curve = curveGraphModel->collection().curve(int(stringId));
        unassigned = unassigned || (curve && curve->module().moduleId == 0);
    }
    curveGraph->setFooter(unassigned ? tr("no module assigned: STC values approximate", "Graph footnote") : QString());
}

void CurveDocument::slotSetColour()
{
    TreeItem* item = currentCurveItem();
    if (!item) {
        CurveMessageBox::show(this, QMessageBox::Information,
                              tr("Please select a string with curve data first.", "User prompt"));
        return;
    }
    if (!database->checkWritable())
        return;
    QColor colour = item->colour();
    if (!Prompts::instance().chooseColor(this, tr("Set Colour", "Window Title"), colour) || !colour.isValid())
        return;
    curveGraphModel->setStringColour(item, colour);
    curveGraph->setStringColour(CurveGraphModel::curveIdOf(item), colour);
    modified(true);
}

QVector<CurveReport::Entry> CurveDocument::reportEntries()
{
    QVector<CurveReport::Entry> entries;
    for (TreeItem* item : selectedCurveItems()) {
        if (CurveData* curve = curveGraphModel->curveOf(item)) {
            entries.append({item->value(TreeItem::Description).toString(), curve, foldersAbove(item),
                            item->parent()->value(TreeItem::NodeId).toLongLong()});
            entries.last().findings = curveGraphModel->diagnose(item);
        }
    }
    if (entries.isEmpty())
        CurveMessageBox::show(this, QMessageBox::Information,
                              tr("Please select the strings to report on in the tree first.", "User prompt"));
    return entries;
}

void CurveDocument::slotCurveReport()
{
    const QVector<CurveReport::Entry> entries = reportEntries();
    if (!entries.isEmpty())
        CurveReport::exportPdf(this, entries, QFileInfo(filePath()).completeBaseName() + QStringLiteral(".pdf"));
}

void CurveDocument::slotCurveReportPreview()
{
    const QVector<CurveReport::Entry> entries = reportEntries();
    if (entries.isEmpty())
        return;
    const QString page = CurveReport::userPage(entries);
    QPrinter printer(QPrinter::HighResolution);
    CurveReportPrinter::setUpPrinter(printer, QString());
    // Printed from the preview, the report goes to the printer the user picks, not into a file.
    printer.setOutputFormat(QPrinter::NativeFormat);
    Prompts::instance().previewPrint(this, printer, [&page](QPrinter* target) { CurveReportPrinter::paint(page, *target); });
}

bool CurveDocument::canPrint() const
{
    return true;
}

void CurveDocument::print()
{
    actionPrint->trigger();
}

void CurveDocument::exportToPdf()
{
    actionExportToPdf->trigger();
}

void CurveDocument::printPreview()
{
    runGuarded(&CurveDocument::slotCurveReportPreview);
}

void CurveDocument::exportPoints(int kind)
{
    TreeItem* item = nullptr;
    CurveData* curve = nullptr;
    for (TreeItem* selected : selectedCurveItems()) {
        curve = curveGraphModel->curveOf(selected);
        item = selected;
        if (curve)
            break;
    }
    if (!curve) {
        CurveMessageBox::show(this, QMessageBox::Information,
                              tr("Please select a string with curve data first.", "User prompt"));
        return;
    }
    CurvePointsExport(CurveLineKind(kind), item->value(TreeItem::Description).toString(), *curve).run(this);
}

void CurveDocument::slotExportPoints()
{
    exportPoints(int(CurveLineKind::MeasuredIV));
}

void CurveDocument::slotExportPointsSTC()
{
    exportPoints(int(CurveLineKind::StcIV));
}

void CurveDocument::slotExportPWRPoints()
{
    exportPoints(int(CurveLineKind::MeasuredPower));
}

void CurveDocument::slotExportPWRPointsSTC()
{
    exportPoints(int(CurveLineKind::StcPower));
}

void CurveDocument::slotExportPointsEXP()
{
    exportPoints(int(CurveLineKind::ExpectedIV));
}

void CurveDocument::slotExportPWRPointsEXP()
{
    exportPoints(int(CurveLineKind::ExpectedPower));
}

void CurveDocument::slotDownload()
{
    emit downloadRequested();
}

void CurveDocument::slotImport()
{
    if (!database->checkWritable())
        return;
    const QString path = ResultsFileChooser::choose(this);
    if (!path.isEmpty() && importFile(path))
        QSettings().setValue(SettingsKeys::lastImportDir, QFileInfo(path).absolutePath());
}

// A failed import takes its file node out again, and the document is then as changed as before.
bool CurveDocument::importFile(const QString& path)
{
    bool imported = false;
    const bool wasModified = isModified();
    CommandGuard::run(this, [this, &path, &imported, wasModified] {
        CurveCsvImporter importer(path, *database, *curveTreeModel);
        imported = importer.run();
        if (!imported) {
            modified(wasModified);
            return;
        }
        curveTree->expand(curveTreeModel->indexFor(importer.fileNode()));
        curveTree->fitColumns();
    });
    return imported;
}

void CurveDocument::slotManageModules()
{
    CurveModulesDlg dialog(this);
    dialog.exec();
}

// The chooser starts on the module and series count of the first chosen string.
void CurveDocument::slotAssignModule()
{
    const QVector<TreeItem*> items = selectedCurveItems();
    CurveData* first = items.isEmpty() ? nullptr : curveGraphModel->curveOf(items.first());
    if (!first) {
        CurveMessageBox::show(this, QMessageBox::Information,
                              tr("Please select the strings to assign a module to in the tree first.", "User prompt"));
        return;
    }
    if (!database->checkWritable())
        return;
    CurveModulesChooser chooser(first->module().moduleId, first->module().series, this);
    CurveModuleRow row;
    if (chooser.exec() != QDialog::Accepted || !chooser.chosenModule(row))
        return;
    QList<int> curveIds;
    for (TreeItem* item : items)
        curveIds.append(int(CurveGraphModel::curveIdOf(item)));
    const WaitCursor waiting;
    const QList<int> assigned =
        CurveModuleAssignment::assign(curveGraphModel->collection(), curveIds, row, chooser.series());
    for (TreeItem* item : items) {
        const uint id = CurveGraphModel::curveIdOf(item);
        if (!assigned.contains(int(id)))
            continue;
        curveTreeModel->setItemConversion(item, *curveGraphModel->curveOf(item));
        replotString(id);
    }
    curveGraphModel->refreshFindings();
}

// The fit compares curves, so one curve alone offers nothing to determine.
void CurveDocument::updateSelectionCommands()
{
    actionDetermineCoefficients->setEnabled(selectedCurveItems().size() >= 2);
}

void CurveDocument::slotDetermineCoefficients()
{
    const QVector<TreeItem*> items = selectedCurveItems();
    QVector<CurveData*> curves;
    for (TreeItem* item : items) {
        if (CurveData* curve = curveGraphModel->curveOf(item))
            curves.append(curve);
    }
    if (curves.size() < 2) {
        CurveMessageBox::show(this, QMessageBox::Information,
                              tr("Please select two or more curves of one string in the tree first.", "User prompt"));
        return;
    }
    if (!CoefficientFitDialog::determine(this, curves, curveGraphModel->collection()))
        return;
    for (TreeItem* item : items) {
        curveTreeModel->setItemConversion(item, *curveGraphModel->curveOf(item));
        replotString(CurveGraphModel::curveIdOf(item));
    }
}

} // namespace IVCurve
