#include "ProjectModel.h"

#include "FileKind.h"
#include "Globals.h"
#include "PathIcon.h"
#include "Prompts.h"
#include "RecycleBin.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

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
    const QString typed = value.toString().trimmed();
    if (typed.isEmpty())
        return false;
    const QString newName = nameForRename(index, typed);
    if (newName == fileName(index))
        return false;
    if (!canRename(index, newName) || !QFileSystemModel::setData(index, newName, role))
        return false;
    sortAgain();
    return true;
}

QString ProjectModel::documentExtension(const QModelIndex& index) const
{
    if (isDir(index) || documentClassOf(fileKind(fileName(index))) == DocumentClass::None)
        return QString();
    return QFileInfo(fileName(index)).suffix();
}

QString ProjectModel::nameForRename(const QModelIndex& index, const QString& newName) const
{
    const QString extension = documentExtension(index);
    if (extension.isEmpty() || QFileInfo(newName).suffix().compare(extension, Qt::CaseInsensitive) == 0)
        return newName;
    return newName + QLatin1Char('.') + extension;
}

int ProjectModel::renamedPartLength(const QModelIndex& index) const
{
    const QString extension = documentExtension(index);
    const int length = fileName(index).size();
    return extension.isEmpty() ? length : length - extension.size() - 1;
}

QModelIndex ProjectModel::indexOfNewEntry(const QString& path)
{
    if (index(path).isValid())
        sortAgain();
    return index(path);
}

// The model sorts the entries it finds by watching the disk, but not one it is asked for before
// it saw it, nor one it renamed. Asked to sort again by the same column it only re-sorts while a
// sort of its own is pending (just after a folder was read); a change of order alone merely reads
// the rows backwards. A change of column always sorts, so it goes by size and back to the name.
void ProjectModel::sortAgain()
{
    const int nameColumn = 0;
    const int sizeColumn = 1;
    sort(sizeColumn, Qt::AscendingOrder);
    sort(nameColumn, Qt::AscendingOrder);
}

// Checks what the file-system model would otherwise report in a message box of its own.
bool ProjectModel::canRename(const QModelIndex& index, const QString& newName) const
{
    const QFileInfo current(filePath(index));
    const QString folder = current.absolutePath();
    const QString openFile = openFileWithin(current.absoluteFilePath());
    QString problem;
    if (!openFile.isEmpty())
        problem = tr("\"%1\" cannot be renamed while the document \"%2\" is open. Please close the document and try again.",
                     "Error Message")
                      .arg(current.fileName(), QFileInfo(openFile).fileName());
    else if (newName.contains(QLatin1Char('/')) || newName == QLatin1String(".") || newName == QLatin1String(".."))
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

bool ProjectModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                const QModelIndex& parent)
{
    if (action == Qt::MoveAction) {
        const QString refusal = tr(
            "\"%1\" cannot be moved while the document \"%2\" is open. Please close the document and try again.",
            "Error Message");
        for (const QUrl& url : data->urls()) {
            if (!isFreeOfOpenDocuments(url.toLocalFile(), refusal))
                return false;
        }
    }
    return QFileSystemModel::dropMimeData(data, action, row, column, parent);
}

bool ProjectModel::isFreeOfOpenDocuments(const QString& path, const QString& refusal) const
{
    const QString openFile = openFileWithin(QFileInfo(path).absoluteFilePath());
    if (openFile.isEmpty())
        return true;
    Prompts::instance().show(Globals::mainWindowInstance(), QMessageBox::Warning,
                             refusal.arg(QFileInfo(path).fileName(), QFileInfo(openFile).fileName()));
    return false;
}

void ProjectModel::setOpenFiles(std::function<QStringList()> files)
{
    openFiles = std::move(files);
}

QString ProjectModel::openFileWithin(const QString& path) const
{
    if (!openFiles || path.isEmpty())
        return QString();
    const QString folderPrefix = path + QLatin1Char('/');
    for (const QString& file : openFiles()) {
        if (file == path || file.startsWith(folderPrefix))
            return file;
    }
    return QString();
}

bool ProjectModel::remove(const QModelIndexList& indexes)
{
    // An open document would go on showing, and saving, a file that is in the trash.
    const QString refusal = tr(
        "\"%1\" cannot be deleted while the document \"%2\" is open. Please close the document and try again.",
        "Error Message");
    QStringList paths;
    for (const QModelIndex& index : indexes) {
        const QString path = filePath(index);
        if (!isFreeOfOpenDocuments(path, refusal))
            return false;
        if (!paths.contains(path))
            paths << path;
    }
    return RecycleBin::moveToTrash(paths, Globals::mainWindowInstance());
}
