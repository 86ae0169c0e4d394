#pragma once

#include <QString>

// What a field showed at one moment: its text and where the caret (with its selection) stood.
struct TextState
{
    QString text;
    int anchor = 0;
    int position = 0;
};
