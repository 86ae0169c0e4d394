#include "FuzzTarget.h"

#include "ScriptedPrompts.h"

#include <QApplication>

namespace FuzzTarget {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    // Every message box is answered at once, as if cancelled.
    static ScriptedPrompts prompts;
}

} // namespace FuzzTarget
