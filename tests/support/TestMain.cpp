#include "TestMain.h"

#include "TestEnvironment.h"

#include <QApplication>
#include <QSettings>
#include <QTest>

#include <map>
#include <memory>
#include <string>

namespace {
std::map<std::string, TestRegistry::Factory>& registry()
{
    static std::map<std::string, TestRegistry::Factory> tests;
    return tests;
}
} // namespace

int TestRegistry::add(const char* name, Factory factory)
{
    registry()[name] = std::move(factory);
    return int(registry().size());
}

// Runs every registered class; "-class NAME" picks one, other arguments go to QTest.
int TestRegistry::runAll(int argc, char** argv)
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Torvane"));
    QApplication::setApplicationName(QStringLiteral("Veltrano"));

    QStringList arguments = app.arguments();
    QString only;
    const int classFlag = arguments.indexOf(QStringLiteral("-class"));
    if (classFlag > 0 && classFlag + 1 < arguments.size()) {
        only = arguments.at(classFlag + 1);
        arguments.erase(arguments.begin() + classFlag, arguments.begin() + classFlag + 2);
    }
    int failures = 0;
    for (const auto& [name, factory] : registry()) {
        if (!only.isEmpty() && only != QLatin1String(name.c_str()))
            continue;
        TestEnvironment::clearSettings();
        std::unique_ptr<QObject> test(factory());
        failures += QTest::qExec(test.get(), arguments);
    }
    return failures == 0 ? 0 : 1;
}

int main(int argc, char** argv)
{
    return TestRegistry::runAll(argc, argv);
}
