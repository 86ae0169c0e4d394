#include "DocumentSession.h"

#include "SettingsKeys.h"

#include <QFileInfo>
#include <QSettings>

bool DocumentSession::reopens()
{
    return QSettings().value(SettingsKeys::reopenDocuments, true).toBool();
}

void DocumentSession::setReopens(bool reopen)
{
    QSettings().setValue(SettingsKeys::reopenDocuments, reopen);
}

void DocumentSession::remember(const QStringList& paths)
{
    QSettings().setValue(SettingsKeys::openDocuments, paths);
}

QStringList DocumentSession::toReopen()
{
    if (!reopens())
        return {};
    QStringList existing;
    for (const QString& path : QSettings().value(SettingsKeys::openDocuments).toStringList()) {
        if (QFileInfo(path).isFile())
            existing << path;
    }
    return existing;
}
