#include "PakCommand.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    PakCommand command(out, err);
    return command.run(app.arguments().mid(1));
}
