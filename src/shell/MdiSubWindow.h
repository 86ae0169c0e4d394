#pragma once

#include <QMdiSubWindow>

class AbstractDocument;

// Shows exactly one document, owns it, and deletes itself (and the document) when closed.
class MdiSubWindow : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit MdiSubWindow(AbstractDocument* document, QWidget* parent = nullptr);

    AbstractDocument* document() const;

protected:
    void closeEvent(QCloseEvent* event) override;
};
