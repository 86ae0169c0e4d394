#include "TestMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    return TestRegistry::runAll<QApplication>(argc, argv);
}
