#include "Globals.h"
#include "SettingsKeys.h"
#include "StartUp.h"
#include "TestMain.h"

#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>
#include <QTimer>

// Stands in for the main window: records what it was asked to open, and asks for a restart on
// its first pass the way a language change does.
class PassWindow : public QWidget
{
    Q_OBJECT

public:
    static QStringList opened;
    static int passes;
    static bool restartOnFirstPass;

    PassWindow()
    {
        ++passes;
        const bool restart = restartOnFirstPass && passes == 1;
        if (!restart)
            Globals::setRestartRequested(false);
        // Close only once the pass's event loop runs: the splash processes events before that,
        // and a window closed then would leave the loop waiting for ever.
        auto* closer = new QTimer(this);
        connect(closer, &QTimer::timeout, this, [this, closer, restart] {
            if (QThread::currentThread()->loopLevel() == 0)
                return;
            closer->stop();
            Globals::setRestartRequested(restart);
            close();
        });
        closer->start(5);
    }

public slots:
    QObject* openDocument(const QString& filePath)
    {
        opened << filePath;
        return nullptr;
    }
};

QStringList PassWindow::opened;
int PassWindow::passes = 0;
bool PassWindow::restartOnFirstPass = false;

class StartUpTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstStartAsksForTheLanguage();
    void restartRunsAnotherPassWithoutAsking();
    void documentOnTheCommandLineIsOpened();

private:
    static void runStartUp(const QStringList& arguments);
};

void StartUpTest::init()
{
    QSettings().clear();
    Globals::reset();
    PassWindow::opened.clear();
    PassWindow::passes = 0;
    PassWindow::restartOnFirstPass = false;
}

void StartUpTest::runStartUp(const QStringList& arguments)
{
    StartUp startUp([] { return std::make_unique<PassWindow>(); });
    startUp.setSplashDuration(0);
    startUp.run(arguments);
}

void StartUpTest::firstStartAsksForTheLanguage()
{
    bool chooserShown = false;
    // The chooser runs modally: close it as a user would, without pressing OK.
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            chooserShown = true;
            dialog->reject();
            watcher.stop();
        }
    });
    watcher.start(10);
    runStartUp({QStringLiteral("Veltrano")});
    QVERIFY(chooserShown);
    QCOMPARE(QSettings().value(SettingsKeys::locale).toString(), QStringLiteral("en"));
    QCOMPARE(PassWindow::passes, 1);
}

void StartUpTest::restartRunsAnotherPassWithoutAsking()
{
    QSettings().setValue(SettingsKeys::locale, QStringLiteral("en"));
    PassWindow::restartOnFirstPass = true;
    runStartUp({QStringLiteral("Veltrano")});
    QCOMPARE(PassWindow::passes, 2);
    QVERIFY(!Globals::restartRequested());
}

void StartUpTest::documentOnTheCommandLineIsOpened()
{
    QSettings().setValue(SettingsKeys::locale, QStringLiteral("en"));
    QTemporaryFile report(QDir::tempPath() + QStringLiteral("/XXXXXX.arvir"));
    QVERIFY(report.open());
    runStartUp({QStringLiteral("Veltrano"), report.fileName(), QStringLiteral("ignored")});
    QCOMPARE(PassWindow::opened, QStringList{report.fileName()});

    PassWindow::opened.clear();
    runStartUp({QStringLiteral("Veltrano"), QStringLiteral("/nonexistent/report.arvir")});
    QVERIFY(PassWindow::opened.isEmpty());
}

VELTRANO_TEST(StartUpTest)
#include "StartUpTest.moc"
