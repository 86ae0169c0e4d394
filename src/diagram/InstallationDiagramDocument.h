#pragma once

#include "GraphicsDocument.h"

class DiagramGraphicsScene;
class QAction;
class QActionGroup;

// The window of an installation diagram: the scene in a zoomable view, with tool buttons to
// save, print, export and draw wires of the three cable kinds.
class InstallationDiagramDocument : public GraphicsDocument
{
    Q_OBJECT

public:
    // Loads the diagram; the document is valid only when that succeeded.
    explicit InstallationDiagramDocument(const QString& filePath, QWidget* parent = nullptr);
    // The window goes at once; a large diagram's items go after it, while the program is idle.
    ~InstallationDiagramDocument() override;

    DiagramGraphicsScene* scene() const;
    bool canPrint() const override;

public slots:
    bool okToClose() override;
    void save() override;
    void print() override;
    void printPreview() override;
    void exportToPdf() override;
    void modified();
    void wireToggled(bool checked);
    void setCableType(QAction* action);
    void sceneRectChanged(const QRectF& rect);
    void modeChanged(int newMode);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildToolBar();
    QAction* addCableAction(const char* objectName, const QString& icon, const QString& toolTip, int cableType);
    void showWholeDiagram();
    // Zooms out until the drawing as it was opened fits the window, and centres it.
    void fitOpenedDrawing();
    bool showsWhole(const QRectF& drawn) const;
    void connectScene();
    // Writes and, on success, marks everything saved.
    bool writeToFile();

    QActionGroup* cableTypes;
    QAction* actionSave = nullptr;
    QAction* actionPrint = nullptr;
    QAction* actionExportToPdf = nullptr;
    QAction* actionWire = nullptr;
    QAction* action1Core = nullptr;
    QAction* action2Core = nullptr;
    QAction* action3Core = nullptr;
    DiagramGraphicsScene* diagramScene;
    // Fitted once the window has its size; empty when there is nothing to fit.
    QRectF openedDrawing;
};
