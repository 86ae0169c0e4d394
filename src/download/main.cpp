#include "QuilletFiles.h"
#include "ShippedFiles.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
#ifdef QUILLET_HAS_RESOURCES
    Q_INIT_RESOURCE(quillet);
#endif
    Startup::setIdentity();
    if (ShippedFiles::checkRequested(QApplication::arguments())) {
        QTextStream out(stdout);
        return ShippedFiles::report(QuilletFiles::required(), out);
    }
    return Startup::run();
}
