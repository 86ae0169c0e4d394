#pragma once

#include <QString>

class QWidget;

struct FileRequest
{
    enum Kind { OpenFile, OpenFiles, SaveFile, ExistingDirectory };

    Kind kind = OpenFile;
    QString caption;
    QString directory;
    QString filter;
    // Saving: the filter shown first, and the suffix a name typed without one is given. The
    // suffix follows the filter the user picks, as long as that filter names one.
    QString selectedFilter;
    QString defaultSuffix;
    QWidget* parent = nullptr;
};
