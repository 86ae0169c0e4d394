#pragma once

#include <QFileSystemModel>

// The projects root as a one-column, editable tree: renames and drops change the disk. Folders
// holding a checklist show as client handover packs.
class ProjectModel : public QFileSystemModel
{
    Q_OBJECT

public:
    explicit ProjectModel(QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Moves the files and folders behind the indexes to the trash after one confirmation.
    bool remove(const QModelIndexList& indexes);

private:
    void refreshFolderIcon(const QModelIndex& folder);
    bool canRename(const QModelIndex& index, const QString& newName) const;
};
