#include "RecentDocuments.h"

#include "SettingsKeys.h"

#include <QFileInfo>
#include <QSettings>

QStringList RecentDocuments::paths()
{
    return QSettings().value(SettingsKeys::recentDocuments).toStringList().mid(0, maximum);
}

void RecentDocuments::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, maximum));
}

void RecentDocuments::forgetMissing()
{
    QStringList present;
    for (const QString& path : paths()) {
        if (QFileInfo(path).isFile())
            present << path;
    }
    store(present);
}

void RecentDocuments::store(const QStringList& paths)
{
    QSettings().setValue(SettingsKeys::recentDocuments, paths);
}
