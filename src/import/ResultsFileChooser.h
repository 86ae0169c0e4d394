#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// Asks for a tester's results file, starting in the folder of the last import (the projects
// folder the first time). Where the import succeeds the caller remembers the folder.
class ResultsFileChooser
{
    Q_DECLARE_TR_FUNCTIONS(ResultsFileChooser)

public:
    // Empty when the user cancels.
    static QString choose(QWidget* parent);
};
