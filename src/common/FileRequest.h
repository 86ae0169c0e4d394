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
    QWidget* parent = nullptr;
};
