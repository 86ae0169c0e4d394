#include "Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
#ifdef QUILLET_HAS_RESOURCES
    Q_INIT_RESOURCE(quillet);
#endif
    Startup::setIdentity();
    return Startup::run();
}
