#pragma once

#include <QString>
#include <QTemporaryDir>

#include <functional>

// A private copy of the module database the build ships, in a fresh folder, which the program
// uses while the fixture lives.
class ModuleDatabaseFixture
{
public:
    ModuleDatabaseFixture();
    ~ModuleDatabaseFixture();

    QString path() const;
    static QString shippedPath();
    // Runs one statement on the copy behind the program's back, as another program might.
    bool execute(const QString& statement) const;
    int count(const QString& filter = QStringLiteral("1=1")) const;

    // Runs `step` on the next modal dialog once it is open, then lets the caller's exec() go on.
    static void onNextDialog(const std::function<void(QWidget*)>& step);

private:
    QTemporaryDir folder;
};
