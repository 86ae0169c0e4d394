#pragma once

#include <QMdiArea>

class QTabBar;

// The tabbed MDI area whose tab bar can go away while the documents are tiled or cascaded. A
// hidden bar would leave its strip above the documents (the area keeps room for it on every
// resize), so the area then leaves tabbed view and makes a new bar when it comes back.
class DocumentArea : public QMdiArea
{
    Q_OBJECT

public:
    explicit DocumentArea(QWidget* parent = nullptr);

    // The bar of the tabbed view, or none while the documents are tiled or cascaded.
    QTabBar* tabBar() const;
    void setTabBarShown(bool shown);

signals:
    void tabBarCreated(QTabBar* bar);
};
