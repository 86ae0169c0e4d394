#include "IconRenderCommand.h"

#include <QGuiApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    // A build step has no display; the offscreen platform still provides the fonts that text in
    // the drawings needs.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a runtime folder Qt warns on every start and the build log fills with noise; a
    // private one (created 0700) is removed again when the tool ends.
    QTemporaryDir runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeFolder.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    IconRenderCommand command(err);
    return command.run(app.arguments().mid(1));
}
