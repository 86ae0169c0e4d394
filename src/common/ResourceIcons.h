#pragma once

#include <QIcon>

// Icons of the program's own resources, decoded once. Every action, tool bar and tree row asks
// for the same few dozen pictures; decoding them on each request cost more than building the
// rest of the main window, and again on every repaint of the project tree.
class ResourceIcons
{
public:
    // For the GUI thread only. An empty path gives the null icon.
    static QIcon get(const QString& path);
};
