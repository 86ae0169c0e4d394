#pragma once

#include "AbstractDocument.h"

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

private:
    QToolBar* tools;
    QScrollArea* scroll;
};
