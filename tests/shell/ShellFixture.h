#pragma once

#include "ScriptedPrompts.h"

#include <QTemporaryDir>

// A fresh projects root with the settings pointing at it, scripted prompts, the test's own
// shipped defaults (":res/reports_test/") and no favourites yet. No welcome dialog.
class ShellFixture
{
public:
    ShellFixture();
    ~ShellFixture();

    QString root() const;
    QString path(const QString& relative) const;
    // Writes `contents` to the path below the root, making folders as needed.
    QString writeFile(const QString& relative, const QByteArray& contents = "x") const;

    ScriptedPrompts prompts;

private:
    QTemporaryDir dir;
};
