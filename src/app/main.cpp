#include "AppIdentity.h"
#include "MainWindow.h"
#include "StartUp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    AppIdentity::apply();
    Q_INIT_RESOURCE(veltrano);
    StartUp startUp([] { return std::make_unique<MainWindow>(); });
    startUp.run(QApplication::arguments());
    return 0;
}
