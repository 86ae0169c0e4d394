#include "MainWindow.h"
#include "ScriptedPrompts.h"
#include "SimulatedTester.h"
#include "SmallDisk.h"
#include "Startup.h"
#include "TestMain.h"
#include "WinSerialDeviceAsync.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
QByteArray sample()
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/results-point.csv"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a tester may put on the line: the file with the top bit set here and there, as a line
// with noise or an instrument with its own character set does.
QByteArray withTopBits(const QByteArray& bytes)
{
    QByteArray noisy = bytes;
    for (int index = 7; index < noisy.size(); index += 53)
        noisy[index] = char(quint8(noisy.at(index)) | 0x80);
    return noisy;
}

QPushButton* button(MainWindow& window, const char* name)
{
    return window.findChild<QPushButton*>(QLatin1String(name));
}

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QStringLiteral("<missing>");
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Clicks a button the first time it is shown, the way a user's click arrives: queued behind
// whatever the program is busy with, delivered when it next handles events.
struct ClickWhenShown : QObject
{
    explicit ClickWhenShown(QPushButton* target)
        : target(target)
    {
        target->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == target && event->type() == QEvent::Show && !clicked) {
            clicked = true;
            const QPointF centre = QRectF(target->rect()).center();
            QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, centre, Qt::LeftButton,
                                                                Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, centre, Qt::LeftButton,
                                                                Qt::NoButton, Qt::NoModifier));
        }
        return false;
    }

    QPushButton* target;
    bool clicked = false;
};

// Notes what the status bar says while each message box is up.
struct StatusWhilePrompting : ScriptedPrompts
{
    MessageAnswer message(const MessageRequest& request) override
    {
        statusTexts << (window ? window->statusBar()->currentMessage() : QString());
        return ScriptedPrompts::message(request);
    }

    QMainWindow* window = nullptr;
    QStringList statusTexts;
};
} // namespace

class DownloadWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void downloadsAndSavesTheSevenBitBytes();
    void csvIsConvertedUnderADecimalCommaLocale();
    void cancelMidTransferKeepsTheReceivedBytes();
    void unpluggingEndsTheDownload();
    void chunksAreCountedAndShownAsTheyArrive();
    void silentTesterKeepsTheWindowWaiting();
    void failedOpenReturnsToIdle();
    void failedSaveNamesTheFileAndKeepsTheLastPath();
    void fullDiskIsNeverReportedAsSaved();
    void closingStoresThePortShown();
    void clickOnDownloadAsTheTransferEndsKeepsEveryByte();
    void noPortSaysSoAndOpensNothing();
    void nameTypedWithoutSuffixIsSavedAsConvertedCsv();

private:
    // A window with the simulated tester's port chosen.
    std::unique_ptr<MainWindow> makeWindow(const QString& portPath);
    QString statusText(MainWindow& window) const;

    QLocale originalLocale;
    QTemporaryDir folder;
    std::unique_ptr<ScriptedPrompts> prompts;
};

void DownloadWindowTest::initTestCase()
{
    Startup::setIdentity();
    QVERIFY(!sample().isEmpty());
}

void DownloadWindowTest::cleanupTestCase()
{
    QSettings().clear();
    QCoreApplication::setOrganizationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Veltrano"));
}

void DownloadWindowTest::init()
{
    QSettings settings;
    settings.clear();
    // Generous, so that a loaded machine's scheduling pauses do not end a transfer early.
    settings.setValue(QStringLiteral("Device/ReadTimeout"), 400);
    originalLocale = QLocale();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    prompts = std::make_unique<ScriptedPrompts>();
}

void DownloadWindowTest::cleanup()
{
    prompts.reset();
    QLocale::setDefault(originalLocale);
}

std::unique_ptr<MainWindow> DownloadWindowTest::makeWindow(const QString& portPath)
{
    auto window = std::make_unique<MainWindow>();
    auto* ports = window->findChild<QComboBox*>(QStringLiteral("portList"));
    ports->addItem(QStringLiteral("pty-test"), portPath);
    ports->setCurrentIndex(ports->count() - 1);
    window->show();
    return window;
}

QString DownloadWindowTest::statusText(MainWindow& window) const
{
    return window.statusBar()->currentMessage();
}

void DownloadWindowTest::downloadsAndSavesTheSevenBitBytes()
{
    SimulatedTester tester;
    const QByteArray memory = sample();
    tester.start(withTopBits(memory));
    auto window = makeWindow(tester.portPath());
    const QString target = folder.filePath(QStringLiteral("report.txt"));
    prompts->answer(target);

    window->download();
    QCOMPARE(statusText(*window), QStringLiteral("Now initiate the download on the tester"));
    QVERIFY(button(*window, "cancelButton")->isVisible());
    QVERIFY(!button(*window, "downloadButton")->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target), 30000);
    tester.stop();

    QCOMPARE(tester.commands(), SimulatedTester::expectedCommands());
    QCOMPARE(fileBytes(target), memory);
    QCOMPARE(QSettings().value(QStringLiteral("Device/LastSavedFilePath")).toString(), QFileInfo(target).absoluteFilePath());
    QVERIFY(!QSettings().contains(QStringLiteral("ConvertData")));
    QCOMPARE(statusText(*window), QStringLiteral("File successfully saved"));
    QVERIFY(button(*window, "openButton")->isVisible());
    QVERIFY(button(*window, "downloadButton")->isVisible());

    const ShownPrompt& dialog = prompts->shown().first();
    QCOMPARE(dialog.kind, ShownPrompt::Files);
    QCOMPARE(dialog.files.kind, FileRequest::SaveFile);
    QCOMPARE(dialog.files.caption, QStringLiteral("Save downloaded data to file"));
    QCOMPARE(dialog.files.filter, QStringLiteral("Comma Separated Value files (*.csv);;Text files (*.txt);;All files (*.*)"));
    QCOMPARE(dialog.files.selectedFilter, QStringLiteral("Comma Separated Value files (*.csv)"));
    QCOMPARE(dialog.files.defaultSuffix, QStringLiteral("csv"));
    QCOMPARE(prompts->shown().size(), 1);
}

void DownloadWindowTest::csvIsConvertedUnderADecimalCommaLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SimulatedTester tester;
    const QByteArray memory = sample();
    tester.start(withTopBits(memory));
    auto window = makeWindow(tester.portPath());
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("earlier")));
    QSettings().setValue(QStringLiteral("Device/LastSavedFilePath"), folder.filePath(QStringLiteral("earlier/file.csv")));
    const QString target = folder.filePath(QStringLiteral("RESULTS.CSV"));
    prompts->answer(target);

    window->download();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target), 30000);

    QByteArray converted = memory;
    converted.replace(',', ';').replace('.', ',');
    QCOMPARE(fileText(target), QString::fromLatin1(converted));
    QCOMPARE(QSettings().value(QStringLiteral("ConvertData")).toBool(), true);
    QCOMPARE(prompts->shown().first().files.directory, folder.filePath(QStringLiteral("earlier")));
}

void DownloadWindowTest::cancelMidTransferKeepsTheReceivedBytes()
{
    SimulatedTester tester;
    const QByteArray memory = sample();
    tester.start(memory);
    auto window = makeWindow(tester.portPath());
    auto* output = window->findChild<QPlainTextEdit*>(QStringLiteral("output"));
    window->download();
    QTRY_VERIFY_WITH_TIMEOUT(output->toPlainText().size() > 300, 20000);
    window->cancelDownload();
    tester.stop();
    const QString counts = statusText(*window);

    QVERIFY(prompts->shown().isEmpty());
    QVERIFY(button(*window, "saveButton")->isVisible());
    QVERIFY(button(*window, "openButton")->isVisible());
    QVERIFY(button(*window, "downloadButton")->isVisible());
    QVERIFY(!button(*window, "cancelButton")->isVisible());
    QVERIFY(window->findChild<QComboBox*>(QStringLiteral("portList"))->isEnabled());
    QVERIFY(counts.startsWith(QStringLiteral("Downloading... ")));

    const QString target = folder.filePath(QStringLiteral("partial.txt"));
    prompts->answer(target);
    button(*window, "saveButton")->click();
    const QByteArray saved = fileBytes(target);
    QVERIFY(saved.size() >= 300);
    QVERIFY(saved.size() < memory.size());
    QCOMPARE(saved, memory.left(saved.size()));
    QCOMPARE(counts, QStringLiteral("Downloading... %1 characters, 0 extended").arg(saved.size()));
}

void DownloadWindowTest::unpluggingEndsTheDownload()
{
    SimulatedTester tester;
    const QByteArray memory = sample();
    tester.start(memory, 1000);
    auto window = makeWindow(tester.portPath());
    const QString target = folder.filePath(QStringLiteral("unplugged.txt"));
    prompts->answerMessage(QMessageBox::Ok);
    prompts->answer(target);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("readData failed")));

    window->download();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target), 30000);
    QCOMPARE(fileBytes(target), memory.left(1000));
    QVERIFY(button(*window, "downloadButton")->isVisible());

    // A hang-up is no end of transfer: the user hears of it before choosing where to save.
    QCOMPARE(prompts->shown().size(), 2);
    const ShownPrompt& warning = prompts->shown().first();
    QCOMPARE(warning.kind, ShownPrompt::Message);
    QCOMPARE(warning.message.icon, QMessageBox::Warning);
    QCOMPARE(warning.message.text, QStringLiteral("The connection to the tester was lost after 1000 bytes."));
    QCOMPARE(warning.message.informativeText,
             QStringLiteral("The data may be incomplete. Save it if you wish, then check the cable and download again."));
    QCOMPARE(prompts->shown().at(1).kind, ShownPrompt::Files);
    QCOMPARE(statusText(*window), QStringLiteral("Saved, but the connection was lost after 1000 bytes: the file may be incomplete"));
}

void DownloadWindowTest::chunksAreCountedAndShownAsTheyArrive()
{
    SimulatedTester tester;
    tester.start(QByteArray("\x41\xC1\x0D\x0A"));
    auto window = makeWindow(tester.portPath());
    window->download();
    // The end of the transfer asks for a file; cancelling it saves nothing.
    QTRY_COMPARE_WITH_TIMEOUT(prompts->shown().size(), 1, 20000);
    QCOMPARE(statusText(*window), QStringLiteral("Downloading... 4 characters, 1 extended"));
    QCOMPARE(window->findChild<QPlainTextEdit*>(QStringLiteral("output"))->toPlainText(), QStringLiteral("A\uFFFD\n"));
    QVERIFY(!QSettings().contains(QStringLiteral("Device/LastSavedFilePath")));
    QVERIFY(button(*window, "saveButton")->isVisible());
}

void DownloadWindowTest::silentTesterKeepsTheWindowWaiting()
{
    SimulatedTester tester;
    tester.start(QByteArray());
    auto window = makeWindow(tester.portPath());
    window->download();
    QTest::qWait(1200);
    QCOMPARE(statusText(*window), QStringLiteral("Now initiate the download on the tester"));
    QVERIFY(prompts->shown().isEmpty());
    QCOMPARE(tester.commands(), SimulatedTester::expectedCommands());
    window->cancelDownload();
    QVERIFY(!button(*window, "saveButton")->isVisible());
    QVERIFY(!button(*window, "openButton")->isVisible());
    QCOMPARE(statusText(*window), QStringLiteral("Please select a port and connect your device"));
}

void DownloadWindowTest::failedOpenReturnsToIdle()
{
    prompts.reset();
    auto recording = std::make_unique<StatusWhilePrompting>();
    auto window = makeWindow(QStringLiteral("/dev/ttyNoSuchTester"));
    recording->window = window.get();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("open failed")));
    window->download();
    // The tester prompt would send the user to the tester while the box says the opposite.
    QCOMPARE(recording->statusTexts, QStringList { QStringLiteral("Please select a port and connect your device") });
    prompts = std::move(recording);
    QCOMPARE(prompts->messageTexts(),
             QStringList { QStringLiteral("Failed to connect. Please check the device is connected and switched on") });
    QCOMPARE(prompts->last().message.icon, QMessageBox::Warning);
    // The serial layer's English error text is for the error stream, not for the user.
    QVERIFY(prompts->last().message.informativeText.isEmpty());
    QCOMPARE(statusText(*window), QStringLiteral("Please select a port and connect your device"));
    QVERIFY(button(*window, "downloadButton")->isVisible());
    QVERIFY(!button(*window, "cancelButton")->isVisible());
    QVERIFY(!button(*window, "saveButton")->isVisible());
    QVERIFY(window->findChild<QComboBox*>(QStringLiteral("portList"))->isEnabled());
    QVERIFY(window->findChild<QAction*>(QStringLiteral("actionRefreshPorts"))->isEnabled());
    QVERIFY(window->findChild<QAction*>(QStringLiteral("actionChangeLanguage"))->isEnabled());
}

void DownloadWindowTest::failedSaveNamesTheFileAndKeepsTheLastPath()
{
    SimulatedTester tester;
    tester.start(QByteArray("1.5,2.0\r\n"));
    auto window = makeWindow(tester.portPath());
    QSettings().setValue(QStringLiteral("Device/LastSavedFilePath"), QStringLiteral("/kept.csv"));
    const QString target = folder.filePath(QStringLiteral("no/such/folder/data.txt"));
    prompts->answer(target);
    window->download();
    QTRY_COMPARE_WITH_TIMEOUT(prompts->shown().size(), 2, 20000);
    QCOMPARE(prompts->last().message.text,
             QStringLiteral("Error opening \"%1\" for writing. Is it open already or read only?").arg(target));
    QVERIFY(!prompts->last().message.informativeText.isEmpty());
    QCOMPARE(QSettings().value(QStringLiteral("Device/LastSavedFilePath")).toString(), QStringLiteral("/kept.csv"));
}

// A memory of a few KB fits in the toolkit's own buffer: that write used to "succeed".
void DownloadWindowTest::fullDiskIsNeverReportedAsSaved()
{
    SmallDisk disk;
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.reason()));
    const QString target = disk.filePath(QStringLiteral("site.txt"));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("yesterday's results");
    old.close();
    QVERIFY(disk.fillLeaving(0));
    SimulatedTester tester;
    tester.start(sample().left(6000));
    auto window = makeWindow(tester.portPath());
    prompts->answer(target);

    window->download();
    QTRY_COMPARE_WITH_TIMEOUT(prompts->shown().size(), 2, 30000);
    tester.stop();

    QCOMPARE(prompts->last().message.text,
             QStringLiteral("Error opening \"%1\" for writing. Is it open already or read only?").arg(target));
    QVERIFY2(prompts->last().message.informativeText.startsWith(QStringLiteral("The disk is full.")),
             qPrintable(prompts->last().message.informativeText));
    QVERIFY(statusText(*window) != QStringLiteral("File successfully saved"));
    QCOMPARE(fileBytes(target), QByteArray("yesterday's results"));
}

void DownloadWindowTest::closingStoresThePortShown()
{
    {
        auto window = makeWindow(QStringLiteral("/dev/pts/999"));
    }
    QCOMPARE(QSettings().value(QStringLiteral("Device/PortName")).toString(), QStringLiteral("pty-test"));
    QVERIFY(QSettings().contains(QStringLiteral("MainWindow/Geometry")));
}

void DownloadWindowTest::clickOnDownloadAsTheTransferEndsKeepsEveryByte()
{
    SimulatedTester tester;
    const QByteArray memory = sample().left(600);
    tester.start(memory);
    auto window = makeWindow(tester.portPath());
    const QString target = folder.filePath(QStringLiteral("clicked.txt"));
    prompts->answer(target);
    window->download();
    // The user clicks the moment the stop shows Download again, before the save dialog.
    ClickWhenShown clicker(button(*window, "downloadButton"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target), 30000);
    tester.stop();
    QVERIFY(clicker.clicked);
    QCOMPARE(fileBytes(target), memory);
    QCOMPARE(prompts->shown().size(), 1);
    window->cancelDownload();
}

void DownloadWindowTest::noPortSaysSoAndOpensNothing()
{
    auto window = std::make_unique<MainWindow>();
    window->findChild<QComboBox*>(QStringLiteral("portList"))->clear();
    window->show();
    window->download();
    const QString noPort =
        QStringLiteral("No serial port was found. Please connect the tester and choose Refresh Ports in the Tools menu.");
    QCOMPARE(prompts->messageTexts(), QStringList { noPort });
    QVERIFY(!window->findChild<Ks::WinSerialDeviceAsync*>());
    QVERIFY(button(*window, "downloadButton")->isVisibleTo(window.get()));
    QVERIFY(!button(*window, "cancelButton")->isVisibleTo(window.get()));
    const QString status = statusText(*window);
    QCOMPARE(status, QStringLiteral("No port found: connect the tester and refresh"));
    // Readable in full at the window's first size, beside the status bar's own margins.
    QCOMPARE(window->width(), 451);
    QVERIFY2(window->statusBar()->fontMetrics().horizontalAdvance(status) < window->width() - 20,
             qPrintable(QString::number(window->statusBar()->fontMetrics().horizontalAdvance(status))));
}

void DownloadWindowTest::nameTypedWithoutSuffixIsSavedAsConvertedCsv()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    prompts.reset();
    SimulatedTester tester;
    tester.start(QByteArray("1.5,2.0\r\n"));
    auto window = makeWindow(tester.portPath());
    const QString typed = folder.filePath(QStringLiteral("typed"));
    // The real save dialog, answered as a user would: a name without suffix, the csv filter kept.
    QTimer answerer;
    QString unexpected;
    connect(&answerer, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialog->setDirectory(folder.path());
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("typed"));
            QMetaObject::invokeMethod(dialog, "accept");
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            unexpected = box->text();
            box->reject();
        }
    });
    answerer.start(50);
    window->download();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(typed + QStringLiteral(".csv")) || !unexpected.isEmpty(), 30000);
    QCOMPARE(unexpected, QString());
    QCOMPARE(fileBytes(typed + QStringLiteral(".csv")), QByteArray("1,5;2,0\r\n"));
    QCOMPARE(QSettings().value(QStringLiteral("Device/LastSavedFilePath")).toString(), typed + QStringLiteral(".csv"));
    QVERIFY(!QFile::exists(typed));
}

VELTRANO_TEST(DownloadWindowTest)
#include "DownloadWindowTest.moc"
