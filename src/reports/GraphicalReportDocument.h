#pragma once

#include "GraphicsDocument.h"

struct Failure;
class QUndoStack;
class ReportScene;

// The window of every graphical report: the scene in a zoomable view, its undo stack, and tool
// buttons to save, keep as the favourite of its kind, fetch or import measurements, print and
// export. Download and import belong to the main window, which listens to the requests.
class GraphicalReportDocument : public GraphicsDocument
{
    Q_OBJECT

public:
    // Loads the report; the document is valid only when that succeeded.
    explicit GraphicalReportDocument(const QString& filePath, QWidget* parent = nullptr);
    ~GraphicalReportDocument() override;

    ReportScene* scene() const;
    QUndoStack* undoStack() const override;
    bool canPrint() const override;

public slots:
    bool okToClose() override;
    void save() override;
    void setCurrent(bool yesNo) override;
    void saveAsFavourite();
    void undo();
    void redo();
    void cleanChanged(bool clean);
    void print() override;
    void printPreview() override;
    void exportToPdf() override;

signals:
    void downloadRequested();
    void importRequested();

private:
    void buildToolBar();
    // Measurements go into array test reports only; the other kinds have nowhere to put them.
    void addMeasurementActions();
    void connectStack();
    // Writes and, on success, marks everything saved.
    bool writeToFile();
    // Shows a failure of the report file; returns whether all went well.
    static bool report(const Failure& failure);

    QUndoStack* stack;
    ReportScene* reportScene;
    QAction* actionUndo = nullptr;
    QAction* actionRedo = nullptr;
    QAction* actionSave = nullptr;
    QAction* actionSaveFavourite = nullptr;
    QAction* actionDownload = nullptr;
    QAction* actionImport = nullptr;
    QAction* actionPrint = nullptr;
    QAction* actionExportToPdf = nullptr;
};
