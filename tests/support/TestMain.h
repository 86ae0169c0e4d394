#pragma once

#include <QObject>
#include <functional>
#include <vector>

// Each test class registers itself with VELTRANO_TEST(Class); the folder's test program runs
// them all, in one process with one fresh environment.
class TestRegistry
{
public:
    using Factory = std::function<QObject*()>;
    static int add(const char* name, Factory factory);
    static int runAll(int argc, char** argv);
};

#define VELTRANO_TEST(TestClass)                                                                   \
    static const int TestClass##Registered =                                                     \
        TestRegistry::add(#TestClass, [] { return static_cast<QObject*>(new TestClass); });
