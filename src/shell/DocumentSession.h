#pragma once

#include <QStringList>

// The documents open when the program ended, opened again at the next start unless the user
// turned that off in the settings.
class DocumentSession
{
public:
    static bool reopens();
    static void setReopens(bool reopen);
    static void remember(const QStringList& paths);
    // What to open at start: the remembered files that still exist, or nothing when turned off.
    static QStringList toReopen();
};
