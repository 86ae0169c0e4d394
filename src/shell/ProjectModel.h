#pragma once

#include <QFileSystemModel>

#include <functional>

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
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // The files open in documents. Renaming or moving one of them, or a folder holding one, is
    // refused: its window would go on saving to the old path.
    void setOpenFiles(std::function<QStringList()> openFiles);

    // The entry of a file or folder just made, in its sorted place.
    QModelIndex indexOfNewEntry(const QString& path);

    // The name a rename to `newName` gives the entry at `index`: a document keeps its extension,
    // which is what opens it, when the new name drops or changes it.
    QString nameForRename(const QModelIndex& index, const QString& newName) const;
    // How much of the entry's name a rename selects: a document's name without its extension.
    int renamedPartLength(const QModelIndex& index) const;

    // Moves the files and folders behind the indexes to the trash after one confirmation; refused
    // while one of them is, or holds, an open document.
    bool remove(const QModelIndexList& indexes);

private:
    void refreshFolderIcon(const QModelIndex& folder);
    void sortAgain();
    // The extension that makes the entry a document, or nothing.
    QString documentExtension(const QModelIndex& index) const;
    bool canRename(const QModelIndex& index, const QString& newName) const;
    // The first open file that is `path` or lies inside it, or nothing.
    QString openFileWithin(const QString& path) const;
    // True when no open document is `path` or lies in it; otherwise shows `refusal`, which takes
    // the item's and the document's names.
    bool isFreeOfOpenDocuments(const QString& path, const QString& refusal) const;

    std::function<QStringList()> openFiles;
};
