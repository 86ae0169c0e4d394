// Compares constructing the main window (with its project tree over a small projects folder)
// against an empty QMainWindow. Goal: within 3x.
#include "AppIdentity.h"
#include "Globals.h"
#include "MainWindow.h"
#include "SettingsKeys.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

namespace {
struct ConstructionTimes
{
    double first = 0;
    double average = 0;
};

// Construction only: each window is destroyed after its clock stops (the main window stores its
// layout on destruction, which is not what is measured here), and before the next is built, as
// every live document area filters all of the application's events.
template <typename Window>
ConstructionTimes constructionMilliseconds(int runs)
{
    ConstructionTimes times;
    double total = 0;
    for (int i = 0; i < runs; ++i) {
        // As on a restart pass, each window resolves the projects root afresh and fills its tree.
        Globals::setRestartRequested(true);
        QElapsedTimer timer;
        timer.start();
        auto window = std::make_unique<Window>();
        const double elapsed = double(timer.nsecsElapsed()) / 1e6;
        if (i == 0)
            times.first = elapsed;
        total += elapsed;
    }
    times.average = total / runs;
    return times;
}

// A private HOME, so the benchmark neither reads nor changes the user's settings.
QString isolateFromTheUser(const QTemporaryDir& home)
{
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    const QString projects = home.path() + "/Projects";
    for (int i = 0; i < 20; ++i)
        QDir().mkpath(QStringLiteral("%1/Project %2/Photos").arg(projects).arg(i));
    return projects;
}
} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    const QString projects = isolateFromTheUser(home);
    QApplication app(argc, argv);
    AppIdentity::apply();
    Q_INIT_RESOURCE(veltrano);
    QSettings().setValue(SettingsKeys::rootDir, projects);
    QSettings().setValue(SettingsKeys::locale, QStringLiteral("en"));

    const int runs = 50;
    const ConstructionTimes empty = constructionMilliseconds<QMainWindow>(runs);
    const ConstructionTimes main = constructionMilliseconds<MainWindow>(runs);
    QTextStream(stdout) << "empty QMainWindow: " << empty.average << " ms (first " << empty.first << " ms)\n"
                        << "MainWindow: " << main.average << " ms (first " << main.first
                        << " ms, with decoding the icons)\n"
                        << "ratio: " << main.average / empty.average << " (goal: at most 3)\n";
    return 0;
}
