#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// The files that come with the programs: catalogues, help pages, manuals, the module database.
// In a build tree they lie beside the programs; installed, the programs sit in bin/ and the files
// in share/veltrano/ of the same prefix. The folder is chosen once for all of them, so a program
// never mixes files of two installations.
class ShippedFiles
{
public:
    // The data folder for the program in `programFolder`: its ../share/veltrano when that folder
    // exists, else `programFolder` itself.
    static QString folderFor(const QString& programFolder);
    // The data folder of the running program.
    static QString folder();
    // `relative` (a file or folder name, "/"-separated) inside folder().
    static QString path(const QString& relative);
    // True when the program was started as "PROGRAM --check-installation".
    static bool checkRequested(const QStringList& arguments);
    // Writes "found: PATH" or "missing: PATH" for each path; 0 when all exist, else 1. Lets a
    // packager or a user with a broken installation see at once what the program cannot find.
    static int report(const QStringList& paths, QTextStream& out);
};
