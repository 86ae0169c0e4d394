#pragma once

#include <QTreeView>

class ProjectModel;

// The project tree: opens, renames, moves and deletes files, and asks before copying files that
// are dropped in from outside the program.
class ProjectTreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit ProjectTreeView(QWidget* parent = nullptr);

    ProjectModel* projectModel() const;
    using QTreeView::edit;

protected:
    // The name editor selects a document's name without its extension, so typing keeps it.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool confirmExternalDrop(const QList<QUrl>& urls);
};
