#pragma once

#include "CurveMessageBox.h"
#include "CurveReport.h"
#include "DocumentWithToolbar.h"

#include <QModelIndex>

#include <functional>

#include <memory>

class CurveData;
class CurveDatabase;
class QMenu;
class QSplitter;

namespace IVCurve {

class CurveGraph;
class CurveGraphModel;
class CurveTree;
class CurveTreeModel;
class TreeItem;

// The window of one curve file: the curve tree on the left, the plot of the selected strings
// on the right, and the commands on both.
class CurveDocument : public DocumentWithToolbar
{
    Q_OBJECT

public:
    // Valid when the file could be opened.
    explicit CurveDocument(const QString& filePath, QWidget* parent = nullptr);
    ~CurveDocument() override;

    CurveTree* tree() const;
    CurveTreeModel* treeModel() const;
    CurveGraph* graph() const;
    CurveGraphModel* graphModel() const;
    // The selected nodes that show a curve, in the order the tree shows them.
    QVector<TreeItem*> selectedCurveItems() const;
    // Asked last before the document closes, for what ends with it (a download running for it).
    void setCloseGuard(std::function<bool()> guard);

    bool canPrint() const override;

public slots:
    bool okToClose() override;
    void save() override;
    // The plot on paper or in a PDF file, as the tool bar does it.
    void print() override;
    void exportToPdf() override;
    // The curve report of the selected strings.
    void printPreview() override;
    void setReadOnly(bool readOnly) override;
    void modified(bool dirty);
    void onCustomContextMenu(const QPoint& point);
    void slotInsertRow();
    void slotDeleteRow();
    void slotViewDetails();
    void slotViewDetails(const QModelIndex& index);
    void slotSetColour();
    void slotManageModules();
    void slotAssignModule();
    void slotDetermineCoefficients();
    void slotCurveReport();
    void slotCurveReportPreview();
    void slotExportPoints();
    void slotExportPointsSTC();
    void slotExportPWRPoints();
    void slotExportPWRPointsSTC();
    void slotExportPointsEXP();
    void slotExportPWRPointsEXP();
    void slotDoubleClickTree(const QModelIndex& index);
    void slotDownload();
    void slotImport();
    // Imports a results file into this document and saves it.
    bool importFile(const QString& path);

signals:
    // The download program is to be started; its file comes back through importFile.
    void downloadRequested();

private:
    QAction* makeAction(const char* objectName, const QString& icon, const QString& text, const QString& toolTip);
    void buildActions();
    void buildToolBar();
    void buildContextMenu();
    void buildLayout();
    void connectModels();
    // The findings follow the user's limits and every change of a string's module or method.
    void connectFindings();
    void runGuarded(void (CurveDocument::*command)());
    bool writeTree();
    void exportPoints(int kind);
    // Empty, after asking the user to select some, when no selected string has a curve.
    QVector<CurveReport::Entry> reportEntries();
    TreeItem* currentCurveItem() const;
    // The plot shows the curve again after its settings or module changed.
    void replotString(uint stringId);
    void updateModuleNote();
    void updateSelectionCommands();

    // Shows the failures of the file; it outlives the database that reports them.
    CurveMessageBox failureMessages {this};
    std::unique_ptr<CurveDatabase> database;
    CurveTreeModel* curveTreeModel = nullptr;
    CurveGraphModel* curveGraphModel = nullptr;
    CurveTree* curveTree = nullptr;
    CurveGraph* curveGraph = nullptr;
    QSplitter* splitter = nullptr;
    QMenu* contextMenu = nullptr;
    std::function<bool()> closeGuard;

    QAction* actionSave = nullptr;
    QAction* actionPrint = nullptr;
    QAction* actionExportToPdf = nullptr;
    QAction* actionExportToImage = nullptr;
    QAction* actionInsertTreeRow = nullptr;
    QAction* actionDeleteTreeRow = nullptr;
    QAction* actionImportCSV = nullptr;
    QAction* actionShowIV = nullptr;
    QAction* actionShowPWR = nullptr;
    QAction* actionShowMEAS = nullptr;
    QAction* actionShowSTC = nullptr;
    QAction* actionShowNOM = nullptr;
    QAction* actionShowEXP = nullptr;
    QAction* actionDownload = nullptr;
    QAction* actionViewDetails = nullptr;
    QAction* actionManageModules = nullptr;
    QAction* actionAssignModule = nullptr;
    QAction* actionCurveReport = nullptr;
    QAction* actionExportPoints = nullptr;
    QAction* actionExportPointsSTC = nullptr;
    QAction* actionExportPWRPoints = nullptr;
    QAction* actionExportPWRPointsSTC = nullptr;
    QAction* actionExportPointsEXP = nullptr;
    QAction* actionExportPWRPointsEXP = nullptr;
    QAction* actionSetColour = nullptr;
    QAction* actionDetermineCoefficients = nullptr;
};

} // namespace IVCurve
