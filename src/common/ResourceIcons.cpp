#include "ResourceIcons.h"

#include <QHash>

QIcon ResourceIcons::get(const QString& path)
{
    if (path.isEmpty())
        return QIcon();
    static QHash<QString, QIcon> decoded;
    auto found = decoded.find(path);
    if (found == decoded.end())
        found = decoded.insert(path, QIcon(path));
    return *found;
}
