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
    // Never destroyed: at exit, the toolkit's clean-up of database connections would run after the
    // driver's own statics are gone and crash, long after every input was read.
    new QApplication(argc, argv);
    // Every message box is answered at once, as if cancelled.
    static ScriptedPrompts prompts;
}

} // namespace FuzzTarget
