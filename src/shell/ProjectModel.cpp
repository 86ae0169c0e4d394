#include "ProjectModel.h"

#include "Globals.h"
#include "PathIcon.h"
#include "Prompts.h"
#include "RecycleBin.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>

namespace {
// data() supplies every icon the tree shows. The model's own provider would otherwise decode the
// desktop's pictures for each folder it meets, in the GUI thread and its file-gathering thread.
class NoIconProvider : public QFileIconProvider
{
public:
    QIcon icon(IconType) const override { return QIcon(); }
    QIcon icon(const QFileInfo&) const override { return QIcon(); }
};
} // namespace

ProjectModel::ProjectModel(QObject* parent)
    : QFileSystemModel(parent)
{
    static NoIconProvider noIcons;
    setIconProvider(&noIcons);
    setReadOnly(false);
    // A checklist arriving or leaving changes the icon of the folder around it.
    connect(this, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& folder) { refreshFolderIcon(folder); });
    connect(this, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex& folder) { refreshFolderIcon(folder); });
}

int ProjectModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant ProjectModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DecorationRole && index.isValid() && index.column() == 0)
        return PathIcon::forPath(filePath(index));
    return QFileSystemModel::data(index, role);
}

void ProjectModel::refreshFolderIcon(const QModelIndex& folder)
{
    if (folder.isValid())
        emit dataChanged(folder, folder, {Qt::DecorationRole});
}

bool ProjectModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return QFileSystemModel::setData(index, value, role);
    const QString newName = value.toString().trimmed();
    if (newName.isEmpty() || newName == fileName(index))
        return false;
    if (!canRename(index, newName))
        return false;
    return QFileSystemModel::setData(index, newName, role);
}

// Checks what the file-system model would otherwise report in a message box of its own.
bool ProjectModel::canRename(const QModelIndex& index, const QString& newName) const
{
    const QFileInfo current(filePath(index));
    const QString folder = current.absolutePath();
    QString problem;
    if (newName.contains(QLatin1Char('/')) || newName == QLatin1String(".") || newName == QLatin1String(".."))
        problem = tr("\"%1\" is not a valid name. Names may not contain \"/\".", "Error Message").arg(newName);
    else if (QFileInfo::exists(QDir(folder).filePath(newName)))
        problem = tr("\"%1\" already exists in \"%2\". Please choose another name.", "Error Message")
                      .arg(newName, QDir::toNativeSeparators(folder));
    else if (!QFileInfo(folder).isWritable())
        problem = tr("\"%1\" cannot be renamed: the folder \"%2\" is read-only.", "Error Message")
                      .arg(current.fileName(), QDir::toNativeSeparators(folder));
    if (problem.isEmpty())
        return true;
    Prompts::instance().show(Globals::mainWindowInstance(), QMessageBox::Warning, problem);
    return false;
}

bool ProjectModel::remove(const QModelIndexList& indexes)
{
    QStringList paths;
    for (const QModelIndex& index : indexes) {
        const QString path = filePath(index);
        if (!paths.contains(path))
            paths << path;
    }
    return RecycleBin::moveToTrash(paths, Globals::mainWindowInstance());
}
