#include "MdiWindow.h"

#include "AbstractDocument.h"
#include "AppIdentity.h"
#include "DocumentArea.h"
#include "MdiSubWindow.h"
#include "ResourceIcons.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QSignalMapper>
#include <QTabBar>

#include <algorithm>

MdiWindow::MdiWindow(QWidget* parent)
    : QMainWindow(parent)
    , area(new DocumentArea(this))
    , windowMapper(new QSignalMapper(this))
{
    connectTabBar(area->tabBar());
    connect(area, &DocumentArea::tabBarCreated, this, &MdiWindow::connectTabBar);
    connect(area, &QMdiArea::subWindowActivated, this, &MdiWindow::subWindowActivated);
    connect(windowMapper, &QSignalMapper::mappedWidget, this, &MdiWindow::setActiveWidget);
}

// The area closes its sub-windows as it goes, after this part of the window is gone: neither the
// area, its sub-windows, their documents nor its tab bar may reach these slots any more.
MdiWindow::~MdiWindow()
{
    area->disconnect(this);
    for (QMdiSubWindow* sub : area->subWindowList()) {
        sub->disconnect(this);
        if (QWidget* doc = sub->widget())
            doc->disconnect(this);
    }
    if (QTabBar* tabBar = area->tabBar())
        tabBar->disconnect(this);
    windowMapper->disconnect(this);
}

void MdiWindow::connectTabBar(QTabBar* bar)
{
    if (bar)
        connect(bar, &QTabBar::tabCloseRequested, this, &MdiWindow::closeTab);
}

QMdiArea* MdiWindow::mdiArea() const
{
    return area;
}

QTabBar* MdiWindow::documentTabs() const
{
    return area->tabBar();
}

QMenu* MdiWindow::windowMenu() const
{
    return menuWindow;
}

QAction* MdiWindow::makeAction(const QString& text, const QString& icon, const QString& statusTip)
{
    auto* action = new QAction(ResourceIcons::get(icon), text, this);
    action->setStatusTip(statusTip);
    return action;
}

void MdiWindow::setUpWindowMenu(QMenu* menu)
{
    menuWindow = menu;
    menuWindow->setTitle(tr("Window", "Menu option"));
    actionClose = makeAction(tr("Cl&ose", "Menu option"), QStringLiteral(":res/toolButtons/close.png"),
                             tr("Close the active window", "Tool tip hint"));
    actionTile = makeAction(tr("&Tile", "Menu option"), QStringLiteral(":res/toolButtons/window_tile.png"),
                            tr("Tile the windows", "Tool tip hint"));
    actionCascade = makeAction(tr("&Cascade", "Menu option"), QStringLiteral(":res/toolButtons/window_cascade.png"),
                               tr("Cascade the windows", "Tool tip hint"));
    actionResetWindowLayout = makeAction(tr("&Reset Window Layout", "Menu option"),
                                         QStringLiteral(":res/toolButtons/redo.png"),
                                         tr("Restore the default Window layout", "Tool tip hint"));
    actionNext = makeAction(tr("Ne&xt", "Menu option"), QStringLiteral(":res/toolButtons/window_next.png"),
                            tr("Move the focus to the next window", "Tool tip hint"));
    actionNext->setShortcuts(QKeySequence::NextChild);
    actionPrevious = makeAction(tr("Pre&vious", "Menu option"), QStringLiteral(":res/toolButtons/window_prev.png"),
                                tr("Move the focus to the previous window", "Tool tip hint"));
    actionPrevious->setShortcuts(QKeySequence::PreviousChild);

    connect(actionClose, &QAction::triggered, this, &MdiWindow::closeActiveDocument);
    connect(actionTile, &QAction::triggered, this, &MdiWindow::tileDocuments);
    connect(actionCascade, &QAction::triggered, this, &MdiWindow::cascadeDocuments);
    connect(actionResetWindowLayout, &QAction::triggered, this, &MdiWindow::resetWindowLayout);
    connect(actionNext, &QAction::triggered, area, &QMdiArea::activateNextSubWindow);
    connect(actionPrevious, &QAction::triggered, area, &QMdiArea::activatePreviousSubWindow);
    connect(menuWindow, &QMenu::aboutToShow, this, &MdiWindow::updateWindowMenu);
    updateWindowMenu();
}

void MdiWindow::updateWindowMenu()
{
    menuWindow->clear();
    menuWindow->addAction(actionClose);
    menuWindow->addSeparator();
    menuWindow->addAction(actionTile);
    menuWindow->addAction(actionCascade);
    menuWindow->addSeparator();
    menuWindow->addAction(actionResetWindowLayout);
    menuWindow->addSeparator();
    menuWindow->addAction(actionNext);
    menuWindow->addAction(actionPrevious);
    menuWindow->addSeparator();

    const QList<QMdiSubWindow*> windows = area->subWindowList();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows.at(i);
        const int number = i + 1;
        // Only one digit can follow the ampersand.
        const QString text = number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(sub->windowTitle())
                                         : QStringLiteral("%1 %2").arg(number).arg(sub->windowTitle());
        QAction* entry = menuWindow->addAction(text);
        entry->setCheckable(true);
        entry->setChecked(sub == area->activeSubWindow());
        connect(entry, &QAction::triggered, windowMapper, QOverload<>::of(&QSignalMapper::map));
        windowMapper->setMapping(entry, sub->widget());
    }
}

AbstractDocument* MdiWindow::activeDocument() const
{
    QMdiSubWindow* sub = area->activeSubWindow();
    return sub ? qobject_cast<AbstractDocument*>(sub->widget()) : nullptr;
}

QList<AbstractDocument*> MdiWindow::documents() const
{
    QList<AbstractDocument*> docs;
    for (QMdiSubWindow* sub : area->subWindowList()) {
        if (auto* doc = qobject_cast<AbstractDocument*>(sub->widget()))
            docs << doc;
    }
    return docs;
}

QMdiSubWindow* MdiWindow::subWindowOf(const QWidget* widget) const
{
    for (QMdiSubWindow* sub : area->subWindowList()) {
        if (sub->widget() == widget)
            return sub;
    }
    return nullptr;
}

// A document opens maximised on its tab, also while the others are tiled or cascaded.
void MdiWindow::openDocument(AbstractDocument* doc)
{
    area->setTabBarShown(true);
    auto* sub = new MdiSubWindow(doc);
    area->addSubWindow(sub);
    connect(sub, &QMdiSubWindow::windowStateChanged, this, &MdiWindow::windowStateChanged);
    // The sub-window takes the document's new title later than this.
    connect(doc, &QWidget::windowTitleChanged, this, &MdiWindow::showActiveDocumentInTitle);
    sub->show();
}

void MdiWindow::closeDocument(AbstractDocument* doc)
{
    QMdiSubWindow* sub = subWindowOf(doc);
    if (!sub)
        return;
    area->setActiveSubWindow(sub);
    closeActiveDocument();
}

void MdiWindow::closeActiveDocument()
{
    area->closeActiveSubWindow();
}

// The area's own tab handling closes the sub-window (asking its document); nothing more to do.
void MdiWindow::closeTab(int)
{
}

void MdiWindow::setActiveDocument(AbstractDocument* doc)
{
    setActiveWidget(doc);
}

void MdiWindow::setActiveWidget(QWidget* widget)
{
    if (QMdiSubWindow* sub = subWindowOf(widget))
        area->setActiveSubWindow(sub);
}

void MdiWindow::cascadeDocuments()
{
    area->cascadeSubWindows();
}

void MdiWindow::tileDocuments()
{
    area->tileSubWindows();
}

void MdiWindow::resetWindowLayout()
{
}

void MdiWindow::subWindowActivated(QMdiSubWindow* sub)
{
    AbstractDocument* to = sub ? qobject_cast<AbstractDocument*>(sub->widget()) : nullptr;
    emit activeDocumentChanged(lastActive, to);
    lastActive = to;
    showActiveDocumentInTitle();
}

// Each maximised sub-window adds its document to the title it found when it was maximised,
// which may already name another document; the title is therefore rebuilt whenever it changes.
void MdiWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange)
        showActiveDocumentInTitle();
}

void MdiWindow::showActiveDocumentInTitle()
{
    const QMdiSubWindow* sub = area->activeSubWindow();
    const QString title = sub && sub->isMaximized() && sub->widget()
        ? QStringLiteral("%1 - [%2]").arg(AppIdentity::applicationName, sub->widget()->windowTitle())
        : AppIdentity::applicationName;
    // Setting it again raises the change event again, which then finds nothing to do.
    if (windowTitle() != title)
        setWindowTitle(title);
}

// Tabs while the documents are maximised, none while they are tiled or cascaded. Judged by all
// sub-windows: the one just left behind reports "not maximised" last when another opens, and
// while another program has the focus none is active.
void MdiWindow::windowStateChanged(Qt::WindowStates, Qt::WindowStates)
{
    const QList<QMdiSubWindow*> windows = area->subWindowList();
    area->setTabBarShown(
        std::any_of(windows.cbegin(), windows.cend(), [](const QMdiSubWindow* sub) { return sub->isMaximized(); }));
    showActiveDocumentInTitle();
}

// The most recently opened document is asked first; a refusal keeps it, the older ones and the
// main window.
void MdiWindow::closeEvent(QCloseEvent* event)
{
    if (!closeAllDocuments()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool MdiWindow::closeAllDocuments()
{
    QMdiSubWindow* active = area->activeSubWindow();
    const Qt::WindowStates state = active ? active->windowState() : Qt::WindowNoState;
    const QList<QMdiSubWindow*> list = area->subWindowList();
    const QVector<QPointer<QMdiSubWindow>> windows(list.cbegin(), list.cend());
    for (int i = windows.size() - 1; i >= 0; --i) {
        // Pending events may already have closed it (a watched file that went away).
        QMdiSubWindow* sub = windows.at(i);
        if (!sub)
            continue;
        sub->setWindowState(state | Qt::WindowActive);
        QApplication::processEvents();
        if (!sub->close())
            return false;
    }
    return true;
}
