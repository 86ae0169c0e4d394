#pragma once

#include <QString>
#include <QTemporaryDir>

// Points HOME, the XDG folders and the documents folder into a fresh temporary folder, so no
// test reads or writes the user's real settings. Must exist before the application object and
// the first settings access, because the settings path is computed once per process.
class TestEnvironment
{
public:
    TestEnvironment();

    QString home() const;
    QString documentsFolder() const;
    // Forgets every stored setting of both programs, for a clean start between test classes.
    static void clearSettings();

private:
    QTemporaryDir root;
};
