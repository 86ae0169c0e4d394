#pragma once

#include <QCoreApplication>
#include <QLocale>

class QWidget;

// What changing the language costs the user: the favourites (made in the old language) go, and
// the program restarts its window.
class LanguageChange
{
    Q_DECLARE_TR_FUNCTIONS(LanguageChange)

public:
    // Warns that the favourites go, unless the user asked not to be warned again. False when the
    // user cancelled.
    static bool confirm();
    // Stores the locale, deletes the favourites and says that a restart follows.
    static void apply(const QLocale& locale, QWidget* parent);
};
