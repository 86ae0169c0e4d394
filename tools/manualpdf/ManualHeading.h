#pragma once

#include <QString>

// One numbered chapter (level 1) or section (level 2) of a manual, with the page it starts on
// (counted from 1, the title page).
struct ManualHeading
{
    int level = 1;
    QString number;
    QString title;
    int page = 0;
};
