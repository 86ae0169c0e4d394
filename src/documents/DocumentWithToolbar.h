#pragma once

#include "AbstractDocument.h"

class QAction;
class QKeySequence;
class QScrollArea;
class QToolBar;

// A document with its own tool bar above a scroll area; concrete documents fill both.
class DocumentWithToolbar : public AbstractDocument
{
    Q_OBJECT

public:
    explicit DocumentWithToolbar(const QString& filePath, QWidget* parent = nullptr);

    QToolBar* toolBar() const;
    QScrollArea* scrollArea() const;

protected:
    // Appends a tool button; the tool tip is also the action's text.
    QAction* addToolAction(const char* objectName, const QString& icon, const QString& toolTip,
                           const QKeySequence& shortcut);

private:
    QToolBar* tools;
    QScrollArea* scroll;
};
