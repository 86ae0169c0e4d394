#pragma once

#include <QIcon>

// The icon the desktop shows for a file.
class FileIcons
{
public:
    static QIcon forFile(const QString& path);
};
