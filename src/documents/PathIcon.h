#pragma once

#include <QIcon>
#include <QString>

// The icon of a path as the project tree shows it; document windows and search results use the
// same one so a file looks alike wherever it appears.
class PathIcon
{
public:
    static QIcon forPath(const QString& path);
    // A folder holding a checklist is a client handover pack.
    static bool isHandoverPack(const QString& folder);
};
