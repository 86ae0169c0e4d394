#include "DocumentArea.h"

#include <QTabBar>

DocumentArea::DocumentArea(QWidget* parent)
    : QMdiArea(parent)
{
    setViewMode(QMdiArea::TabbedView);
    setDocumentMode(true);
    setTabsClosable(true);
    setTabsMovable(true);
}

QTabBar* DocumentArea::tabBar() const
{
    return findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
}

void DocumentArea::setTabBarShown(bool shown)
{
    const ViewMode mode = shown ? QMdiArea::TabbedView : QMdiArea::SubWindowView;
    if (viewMode() == mode)
        return;
    setViewMode(mode);
    if (shown)
        emit tabBarCreated(tabBar());
}
