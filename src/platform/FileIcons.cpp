#include "FileIcons.h"

#include <QFileIconProvider>
#include <QFileInfo>

QIcon FileIcons::forFile(const QString& path)
{
    static const QFileIconProvider provider;
    const QIcon icon = provider.icon(QFileInfo(path));
    return icon.isNull() ? provider.icon(QFileIconProvider::File) : icon;
}
