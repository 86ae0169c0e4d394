#include "ProjectModel.h"

#include "FileIcons.h"
#include "Globals.h"
#include "Prompts.h"
#include "RecycleBin.h"
#include "ResourceIcons.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>

namespace {
// Our own document kinds and the common kinds a project folder holds: the icons an installed
// program registers for its file types.
QString fileTypeIcon(const QString& suffix)
{
    static const QHash<QString, QString> icons{
        {QStringLiteral("arvir"), QStringLiteral("inspection")},
        {QStringLiteral("arvatr"), QStringLiteral("report")},
        {QStringLiteral("arvreport"), QStringLiteral("report")},
        {QStringLiteral("arvvc"), QStringLiteral("certificate")},
        {QStringLiteral("arvid"), QStringLiteral("installation_diagram")},
        {QStringLiteral("arvchk"), QStringLiteral("checklist")},
        {QStringLiteral("arvcrv"), QStringLiteral("chart")},
        {QStringLiteral("pdf"), QStringLiteral("pdf")},
        {QStringLiteral("png"), QStringLiteral("image")},
        {QStringLiteral("jpg"), QStringLiteral("image")},
        {QStringLiteral("jpeg"), QStringLiteral("image")},
        {QStringLiteral("bmp"), QStringLiteral("image")},
        {QStringLiteral("tif"), QStringLiteral("image")},
        {QStringLiteral("tiff"), QStringLiteral("image")},
        {QStringLiteral("csv"), QStringLiteral("spreadsheet")},
        {QStringLiteral("xls"), QStringLiteral("spreadsheet")},
        {QStringLiteral("xlsx"), QStringLiteral("spreadsheet")},
        {QStringLiteral("doc"), QStringLiteral("document")},
        {QStringLiteral("docx"), QStringLiteral("document")},
        {QStringLiteral("html"), QStringLiteral("html")},
        {QStringLiteral("htm"), QStringLiteral("html")},
    };
    const QString name = icons.value(suffix.toLower());
    return name.isEmpty() ? QString() : QStringLiteral(":res/fileTypes/%1.png").arg(name);
}

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
        return iconForPath(filePath(index));
    return QFileSystemModel::data(index, role);
}

QIcon ProjectModel::iconForPath(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return ResourceIcons::get(isHandoverPack(path) ? QStringLiteral(":res/fileTypes/chp_folder.png")
                                                        : QStringLiteral(":res/fileTypes/folder.png"));
    if (path.endsWith(QLatin1String("Search Results")))
        return ResourceIcons::get(QStringLiteral(":res/fileTypes/search.png"));
    const QString ownIcon = fileTypeIcon(info.suffix());
    return ownIcon.isEmpty() ? FileIcons::forFile(path) : ResourceIcons::get(ownIcon);
}

bool ProjectModel::isHandoverPack(const QString& folder)
{
    const QDir dir(folder);
    return !dir.entryList({QStringLiteral("*.arvchk")}, QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot)
                .isEmpty();
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
