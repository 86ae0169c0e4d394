#pragma once

#include <QDir>
#include <QSize>
#include <QString>

class QWidget;

// Saves pictures of the programs' own windows, drawn offscreen, for the manuals: they are made
// by the code they show and never go stale.
class WindowShooter
{
public:
    explicit WindowShooter(const QString& folder);

    // Shows `window` at `size` (an empty size keeps the window's own), lets it settle and saves
    // it as <name>.png. False, with the reason on the error stream, when it cannot be saved.
    bool shoot(QWidget& window, const QString& name, const QSize& size = QSize());
    // True when every picture so far was saved.
    bool allSaved() const;

private:
    QDir folder;
    bool saved = true;
};
