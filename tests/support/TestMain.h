#pragma once

#include "TestEnvironment.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <vector>

// Each test class registers itself with VELTRANO_TEST(Class); the folder's test program runs
// them all, in one process with one fresh environment.
class TestRegistry
{
public:
    using Factory = std::function<QObject*()>;
    static int add(const char* name, Factory factory);

    // The application object is a parameter so that a library without widgets can be tested by a
    // program that links QtCore alone.
    template <class Application>
    static int runAll(int argc, char** argv)
    {
        TestEnvironment environment;
        Application app(argc, argv);
        nameApplication();
        return runRegistered(app.arguments());
    }

private:
    static void nameApplication();
    // "-class NAME" picks one class, other arguments go to QTest.
    static int runRegistered(QStringList arguments);
};

#define VELTRANO_TEST(TestClass)                                                                   \
    static const int TestClass##Registered =                                                     \
        TestRegistry::add(#TestClass, [] { return static_cast<QObject*>(new TestClass); });
