#include "DocumentWithToolbar.h"

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

QToolBar* DocumentWithToolbar::toolBar() const
{
    return tools;
}

QScrollArea* DocumentWithToolbar::scrollArea() const
{
    return scroll;
}
