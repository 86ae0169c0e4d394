#include "FileIcons.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>

// The desktop's icon follows the file's type; looking it up is slow enough to be felt when the
// project tree repaints, so it is looked up once per suffix.
QIcon FileIcons::forFile(const QString& path)
{
    static const QFileIconProvider provider;
    static QHash<QString, QIcon> bySuffix;
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    auto found = bySuffix.find(suffix);
    if (found == bySuffix.end()) {
        const QIcon icon = provider.icon(info);
        found = bySuffix.insert(suffix, icon.isNull() ? provider.icon(QFileIconProvider::File) : icon);
    }
    return *found;
}
