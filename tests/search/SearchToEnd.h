#pragma once

#include "FindInFiles.h"

#include <QSignalSpy>

// Starts a search and waits until it has finished, as a user waits for the Search button to
// come back. False when it never finished.
inline bool searchToEnd(FindInFiles& panel)
{
    QSignalSpy finished(&panel, &FindInFiles::searchFinished);
    panel.search();
    return !finished.isEmpty() || finished.wait(30000);
}
