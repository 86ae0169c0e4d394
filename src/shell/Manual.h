#pragma once

#include <QCoreApplication>

class QWidget;

// The PDF instruction manual installed beside the program.
class Manual
{
    Q_DECLARE_TR_FUNCTIONS(Manual)

public:
    static QString path();
    // Opens it with the desktop's PDF viewer, at `page` when given. False, after telling the user,
    // when the manual is missing.
    static bool open(QWidget* parent, int page = 0);
};
