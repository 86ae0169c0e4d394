#pragma once

#include "ProjectsRootFolder.h"
#include "ScriptedPrompts.h"

// A fresh projects root with the settings pointing at it, scripted prompts, the test's own
// shipped defaults (":res/reports_test/") and no favourites yet. No welcome dialog.
class ShellFixture : public ProjectsRootFolder
{
public:
    ShellFixture();
    ~ShellFixture();

    ScriptedPrompts prompts;
};
