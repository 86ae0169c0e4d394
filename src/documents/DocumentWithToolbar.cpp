#include "DocumentWithToolbar.h"

#include "ResourceIcons.h"

#include <QAction>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

DocumentWithToolbar::DocumentWithToolbar(const QString& filePath, QWidget* parent)
    : AbstractDocument(filePath, parent)
    , tools(new QToolBar(this))
    , scroll(new QScrollArea(this))
{
    tools->setFloatable(false);
    tools->setStyleSheet(QStringLiteral("background-image: url(:/images/toolbar_bg.png);"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tools);
    layout->addWidget(scroll);
}

QAction* DocumentWithToolbar::addToolAction(const char* objectName, const QString& icon, const QString& toolTip,
                                            const QKeySequence& shortcut)
{
    auto* action = new QAction(ResourceIcons::get(icon), toolTip, this);
    action->setObjectName(QLatin1String(objectName));
    action->setToolTip(toolTip);
    action->setShortcut(shortcut);
    tools->addAction(action);
    return action;
}

QToolBar* DocumentWithToolbar::toolBar() const
{
    return tools;
}

QScrollArea* DocumentWithToolbar::scrollArea() const
{
    return scroll;
}
