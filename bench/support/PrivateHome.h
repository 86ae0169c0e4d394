#pragma once

#include <QTemporaryDir>

// Points HOME and the XDG folders into `home`, so a benchmark neither reads nor changes the
// user's settings. Call before the application object exists.
inline void usePrivateHome(const QTemporaryDir& home)
{
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
}
