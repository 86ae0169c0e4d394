#pragma once

#include <QMainWindow>
#include <QPointer>

class AbstractDocument;
class DocumentArea;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSignalMapper;
class QTabBar;

// A main window whose documents live in tabbed sub-windows, with the Window menu over them.
class MdiWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MdiWindow(QWidget* parent = nullptr);
    ~MdiWindow() override;

    QMdiArea* mdiArea() const;
    QMenu* windowMenu() const;
    QTabBar* documentTabs() const;
    // The document in the active sub-window, or none.
    AbstractDocument* activeDocument() const;
    // In the area's order.
    QList<AbstractDocument*> documents() const;

public slots:
    void openDocument(AbstractDocument* doc);
    void closeDocument(AbstractDocument* doc);
    void closeActiveDocument();
    // Closes every document, last first, each asking about its changes; false as soon as one stays.
    bool closeAllDocuments();
    void closeTab(int index);
    void setActiveDocument(AbstractDocument* doc);
    void cascadeDocuments();
    void tileDocuments();
    virtual void resetWindowLayout();
    void updateWindowMenu();
    void setActiveWidget(QWidget* widget);
    void subWindowActivated(QMdiSubWindow* sub);
    void windowStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState);

signals:
    void activeDocumentChanged(AbstractDocument* from, AbstractDocument* to);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The Window menu's title and its six actions; the menu itself is filled when it opens.
    void setUpWindowMenu(QMenu* menu);

private:
    QMdiSubWindow* subWindowOf(const QWidget* widget) const;
    void connectTabBar(QTabBar* bar);
    QAction* makeAction(const QString& text, const QString& icon, const QString& statusTip);
    // The program's name, and the active document's while it is maximised.
    void showActiveDocumentInTitle();

    DocumentArea* area;
    QMenu* menuWindow = nullptr;
    QAction* actionClose = nullptr;
    QAction* actionTile = nullptr;
    QAction* actionCascade = nullptr;
    QAction* actionResetWindowLayout = nullptr;
    QAction* actionNext = nullptr;
    QAction* actionPrevious = nullptr;
    QSignalMapper* windowMapper;
    QPointer<AbstractDocument> lastActive;
};
