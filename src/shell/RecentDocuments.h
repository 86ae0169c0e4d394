#pragma once

#include <QStringList>

// The documents opened last, newest first, kept in the settings store across restarts.
class RecentDocuments
{
public:
    static constexpr int maximum = 10;

    static QStringList paths();
    // Puts `path` first; the oldest falls off beyond the maximum.
    static void add(const QString& path);
    // At start-up: files deleted or moved since are forgotten. Files that vanish while the
    // program runs stay listed, greyed out, until the next start.
    static void forgetMissing();

private:
    static void store(const QStringList& paths);
};
