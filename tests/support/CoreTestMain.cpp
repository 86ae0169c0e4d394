#include "TestMain.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    return TestRegistry::runAll<QCoreApplication>(argc, argv);
}
