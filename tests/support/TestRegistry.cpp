#include "TestMain.h"

#include <QCoreApplication>
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

void TestRegistry::nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Veltrano"));
}

int TestRegistry::runRegistered(QStringList arguments)
{
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
