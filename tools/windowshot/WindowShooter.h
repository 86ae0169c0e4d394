#pragma once

#include <QDir>
#include <QSize>
#include <QString>

class QPixmap;
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
    // Saves a picture the program shows as it is, such as its splash screen.
    bool save(const QPixmap& picture, const QString& name);
    // True when every picture so far was saved.
    bool allSaved() const;

private:
    QDir folder;
    bool saved = true;
};
