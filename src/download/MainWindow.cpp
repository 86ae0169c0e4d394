#include "MainWindow.h"

#include "DialogLanguage.h"
#include "DownloadBytes.h"
#include "DownloadJob.h"
#include "DownloadProtocol.h"
#include "FileWriter.h"
#include "LocaleFormat.h"
#include "PortEnumerator.h"
#include "Prompts.h"
#include "QuilletFiles.h"
#include "WinSerialDeviceAsync.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString portNameKey = QStringLiteral("Device/PortName");
const QString lastSavedKey = QStringLiteral("Device/LastSavedFilePath");
const QString convertDataKey = QStringLiteral("ConvertData");
const QString geometryKey = QStringLiteral("MainWindow/Geometry");
const QString stateKey = QStringLiteral("MainWindow/State");

constexpr int ButtonWidth = 100;
constexpr int Spacing = 6;
constexpr int Margin = 11;
// Often enough to look continuous, seldom enough that the pane costs next to nothing.
constexpr int PaneRefreshMs = 200;

QPushButton* makeButton(const QString& name, const QString& text)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setMinimumWidth(ButtonWidth);
    return button;
}

template <typename Layout>
Layout* makeLayout(QWidget* owner)
{
    auto* layout = new Layout(owner);
    layout->setSpacing(Spacing);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    return layout;
}
} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , job(new DownloadJob(this))
    , paneRefresh(new QTimer(this))
{
    buildWidgets();
    buildMenus();
    cancelButton->hide();
    openButton->hide();
    saveButton->hide();
    setWindowIcon(QIcon(QStringLiteral(":res/images/Torvane_logo.ico")));
    busyIndicator = new QProgressBar(this);
    busyIndicator->setObjectName(QStringLiteral("busyIndicator"));
    busyIndicator->setRange(0, 0);
    busyIndicator->setValue(0);
    busyIndicator->setMaximumSize(100, 15);
    busyIndicator->setStyleSheet(QStringLiteral(
        "QProgressBar { border: 1px solid #CCCCCC; border-radius: 3px; } "
        "QProgressBar::chunk:horizontal { background: qlineargradient(x1: 0, y1: 0.5, x2: 1, y2: 0.5, "
        "stop: 0 orange, stop: 1 white); }"));
    busyIndicator->hide();
    statusBar()->setMinimumHeight(30);
    statusBar()->setStyleSheet(QStringLiteral("QStatusBar { background-color: #FFFFFF; border-top: 1px solid gray; }"));
    restoreSettings();
    refreshPorts();

    connect(downloadButton, &QPushButton::clicked, this, &MainWindow::download);
    connect(cancelButton, &QPushButton::clicked, this, &MainWindow::cancelDownload);
    connect(saveButton, &QPushButton::clicked, this, &MainWindow::saveFile);
    connect(openButton, &QPushButton::clicked, this, &MainWindow::openFile);
    paneRefresh->setSingleShot(true);
    paneRefresh->setInterval(PaneRefreshMs);
    connect(paneRefresh, &QTimer::timeout, this, &MainWindow::refreshPane);
    connect(job, &DownloadJob::chunkReceived, this, &MainWindow::queueForPane);
    connect(job, &DownloadJob::transferEnded, this, &MainWindow::transferEnded);
    connect(job, &DownloadJob::lineLost, this, &MainWindow::lineLost);
}

MainWindow::~MainWindow()
{
    QSettings settings;
    settings.setValue(geometryKey, saveGeometry());
    settings.setValue(stateKey, saveState(0));
    settings.setValue(portNameKey, portList->currentText());
    // Stops the worker and releases the port before the widgets it reports to go.
    delete job;
}

bool MainWindow::isRestartRequested() const
{
    return restartRequested;
}

void MainWindow::buildWidgets()
{
    setWindowTitle(tr("TorvaneQuillet", "Window Title"));
    resize(451, 367);
    auto* central = new QWidget(this);
    auto* outer = makeLayout<QVBoxLayout>(central);

    auto* connection = new QGroupBox(tr("Device Connection", "Window Title"), central);
    connection->setFlat(true);
    auto* connectionRow = makeLayout<QHBoxLayout>(connection);
    portList = new QComboBox(connection);
    portList->setObjectName(QStringLiteral("portList"));
    portList->setMinimumWidth(ButtonWidth);
    cancelButton = makeButton(QStringLiteral("cancelButton"), tr("Cancel", "Button text"));
    downloadButton = makeButton(QStringLiteral("downloadButton"), tr("Download", "Button text"));
    connectionRow->addWidget(portList);
    connectionRow->addStretch();
    connectionRow->addWidget(cancelButton);
    connectionRow->addWidget(downloadButton);

    auto* downloaded = new QGroupBox(tr("Downloaded Output", "Window Title"), central);
    downloaded->setFlat(true);
    auto* downloadedColumn = makeLayout<QVBoxLayout>(downloaded);
    output = new QPlainTextEdit(downloaded);
    output->setObjectName(QStringLiteral("output"));
    output->setReadOnly(true);
    auto* fileRow = new QHBoxLayout;
    fileRow->setSpacing(Spacing);
    openButton = makeButton(QStringLiteral("openButton"), tr("Open", "Button text"));
    saveButton = makeButton(QStringLiteral("saveButton"), tr("Save", "Button text"));
    fileRow->addStretch();
    fileRow->addWidget(openButton);
    fileRow->addWidget(saveButton);
    downloadedColumn->addWidget(output);
    downloadedColumn->addLayout(fileRow);

    outer->addWidget(connection);
    outer->addWidget(downloaded);
    setCentralWidget(central);
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("File", "Menu option"));
    QAction* exit = addAction(file, QStringLiteral("actionExit"), tr("Exit", "Menu option"),
                              tr("Quits the application", "Tool tip hint"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* tools = menuBar()->addMenu(tr("Tools", "Menu option"));
    refreshAction = addAction(tools, QStringLiteral("actionRefreshPorts"), tr("Refresh Ports", "Menu option"),
                              tr("Refreshes the list of COM ports", "Tool tip hint"));
    connect(refreshAction, &QAction::triggered, this, &MainWindow::refreshPorts);
    languageAction = addAction(tools, QStringLiteral("actionChangeLanguage"), tr("Change Language...", "Menu option"),
                               tr("Change the language used in this application", "Tool tip hint"));
    connect(languageAction, &QAction::triggered, this, &MainWindow::changeLanguage);
    countryMenu = tools->addMenu(tr("Country Settings", "Menu option"));
    convertAction = addAction(countryMenu, QStringLiteral("actionConvertData"), tr("Convert CSV Data", "Menu option"), QString());
    convertAction->setCheckable(true);

    QMenu* help = menuBar()->addMenu(tr("Help", "Menu option"));
    connect(addAction(help, QStringLiteral("actionHelp"), tr("Help", "Menu option"), tr("Shows documentation", "Tool tip hint")),
            &QAction::triggered, this, &MainWindow::showHelp);
    connect(addAction(help, QStringLiteral("actionAbout"), tr("About", "Menu option"),
                      tr("Shows version information about TorvaneQuillet", "Tool tip hint")),
            &QAction::triggered, this, &MainWindow::showAbout);
}

QAction* MainWindow::addAction(QMenu* menu, const QString& name, const QString& text, const QString& toolTip)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setToolTip(toolTip);
    action->setStatusTip(toolTip);
    return action;
}

void MainWindow::restoreSettings()
{
    QSettings settings;
    // The conversion follows the locale when saving, so the choice is kept but not offered.
    const QVariant convert = settings.value(convertDataKey);
    if (LocaleFormat::usesDecimalComma() && convert.isValid())
        convertAction->setChecked(convert.toBool());
    countryMenu->menuAction()->setVisible(false);
    connect(convertAction, &QAction::toggled, this, &MainWindow::convertDataToggled);
    restoreGeometry(settings.value(geometryKey).toByteArray());
    restoreState(settings.value(stateKey).toByteArray(), 0);
}

void MainWindow::refreshPorts()
{
    portList->clear();
    for (const SerialPortInfo& port : PortEnumerator::enumeratePorts())
        portList->addItem(port.portName, port.devicePath);
    const int stored = portList->findText(QSettings().value(portNameKey).toString());
    if (stored >= 0)
        portList->setCurrentIndex(stored);
    showIdlePrompt();
}

void MainWindow::showIdlePrompt()
{
    // Short enough for the status bar at the window's first size; the box gives the whole story.
    statusBar()->showMessage(portList->count() == 0
                                 ? tr("No port found: connect the tester and refresh", "User prompt")
                                 : tr("Please select a port and connect your device", "User prompt"));
}

void MainWindow::setDownloading(bool downloading)
{
    downloadButton->setVisible(!downloading);
    cancelButton->setVisible(downloading);
    refreshAction->setEnabled(!downloading);
    languageAction->setEnabled(!downloading);
    portList->setEnabled(!downloading);
}

void MainWindow::download()
{
    if (portList->count() == 0) {
        showIdlePrompt();
        Prompts::instance().show(
            this, QMessageBox::Warning,
            tr("No serial port was found. Please connect the tester and choose Refresh Ports in the Tools menu.",
               "Error Message"));
        return;
    }
    setDownloading(true);
    openButton->hide();
    saveButton->hide();
    statusBar()->showMessage(tr("Now initiate the download on the tester", "User prompt"));
    statusBar()->addPermanentWidget(busyIndicator);
    busyIndicator->show();

    const QString portPath = portList->currentData().toString();
    auto* device = new Ks::WinSerialDeviceAsync(this, portPath);
    device->setSettings(DownloadProtocol::lineSettings());
    output->clear();
    paneBacklog.clear();
    transferCutShort = false;
    QSettings settings;
    if (!job->start(device, DownloadProtocol::readTimeout(settings))) {
        // Back to idle first, so that the status bar does not send the user to the tester while
        // the box says the connection failed.
        showStopped();
        showOpenFailure(portPath, job->accessDenied());
    }
}

void MainWindow::showOpenFailure(const QString& portPath, bool accessDenied)
{
    // The serial layer's own text went to the error stream; the user is told what to do.
    if (!accessDenied) {
        Prompts::instance().show(this, QMessageBox::Warning,
                                 tr("Failed to connect. Please check the device is connected and switched on", "Error Message"));
        return;
    }
    // Serial adapters belong to a group whose members may use them; on Debian that is dialout.
    QString group = QFileInfo(portPath).group();
    if (group.isEmpty())
        group = QStringLiteral("dialout");
    Prompts::instance().show(this, QMessageBox::Warning,
                             tr("You may not open the port \"%1\": permission denied.", "Error Message").arg(portPath),
                             tr("Join the group \"%1\", which owns the port (for example with \"sudo adduser $USER %1\"), "
                                "then log out and log in again, so that the membership takes effect.",
                                "Error message informative text")
                                 .arg(group));
}

void MainWindow::cancelDownload()
{
    if (!job->isRunning())
        return;
    job->stop();
    showStopped();
}

void MainWindow::showStopped()
{
    refreshPane();
    setDownloading(false);
    openButton->setVisible(!job->received().isEmpty());
    saveButton->setVisible(job->receivedAny());
    statusBar()->removeWidget(busyIndicator);
    // Without data the tester prompt no longer applies; with data the counts stay readable.
    if (!job->receivedAny())
        showIdlePrompt();
}

void MainWindow::queueForPane(const QByteArray& chunk)
{
    paneBacklog += DownloadBytes::paneText(chunk);
    if (!paneRefresh->isActive())
        paneRefresh->start();
}

void MainWindow::refreshPane()
{
    paneRefresh->stop();
    if (!job->receivedAny())
        return;
    statusBar()->showMessage(tr("Downloading... %1 characters, %2 extended", "User prompt")
                                 .arg(job->characterCount())
                                 .arg(job->extendedCount()));
    // Always at the end, even if the user clicked somewhere into the text meanwhile.
    output->moveCursor(QTextCursor::End);
    output->insertPlainText(paneBacklog);
    output->ensureCursorVisible();
    paneBacklog.clear();
}

void MainWindow::transferEnded()
{
    // A click that lands on Download between the stop and the save dialog must not start a
    // new download and wipe out the one about to be saved.
    downloadButton->setEnabled(false);
    showStopped();
    QTimer::singleShot(0, this, &MainWindow::saveAfterTransfer);
}

void MainWindow::lineLost()
{
    transferCutShort = true;
    downloadButton->setEnabled(false);
    showStopped();
    Prompts::instance().show(
        this, QMessageBox::Warning,
        tr("The connection to the tester was lost after %1 bytes.", "Error Message").arg(job->characterCount()),
        tr("The data may be incomplete. Save it if you wish, then check the cable and download again.",
           "Error message informative text"));
    saveAfterTransfer();
}

void MainWindow::saveAfterTransfer()
{
    saveFile();
    downloadButton->setEnabled(true);
}

QString MainWindow::saveStartFolder(const QString& lastSavedPath)
{
    // The folder alone: the last job's name filled in would be overwritten by a hasty Enter.
    const QFileInfo lastSaved(lastSavedPath);
    if (!lastSavedPath.isEmpty() && lastSaved.absoluteDir().exists())
        return lastSaved.absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A fresh account may not have it yet; a dialog asked to open a missing folder shows another.
    QDir().mkpath(documents);
    return documents;
}

void MainWindow::saveFile()
{
    QByteArray bytes = DownloadBytes::sevenBit(job->received());
    QSettings settings;
    FileRequest request;
    request.kind = FileRequest::SaveFile;
    request.caption = tr("Save downloaded data to file", "Window Title");
    request.directory = saveStartFolder(settings.value(lastSavedKey).toString());
    const QString csvFilter = tr("Comma Separated Value files (*.csv)", "File filter");
    request.filter = QStringLiteral("%1;;%2;;%3")
                         .arg(csvFilter, tr("Text files (*.txt)", "File filter"), tr("All files (*.*)", "File filter"));
    request.selectedFilter = csvFilter;
    request.defaultSuffix = QStringLiteral("csv");
    request.parent = this;
    lastFileName = Prompts::instance().chooseFile(request);
    if (lastFileName.isEmpty())
        return;

    if (DownloadBytes::isCsvFile(lastFileName)) {
        const bool convert = LocaleFormat::usesDecimalComma();
        if (convert)
            bytes = DownloadBytes::decimalComma(bytes);
        settings.setValue(convertDataKey, convert);
    }
    QString error;
    if (!FileWriter::write(lastFileName, bytes, error)) {
        Prompts::instance().show(
            this, QMessageBox::Warning,
            //: The %1 will be replaced with the a file name. Please do not remove it in your translation!
            tr("Error opening \"%1\" for writing. Is it open already or read only?", "Warning Message")
                .arg(lastFileName),
            error);
        return;
    }
    openButton->show();
    if (transferCutShort)
        statusBar()->showMessage(tr("Saved, but the connection was lost after %1 bytes: the file may be incomplete",
                                    "User prompt")
                                     .arg(job->characterCount()));
    else
        statusBar()->showMessage(tr("File successfully saved", "User prompt"), 3000);
    settings.setValue(lastSavedKey, QFileInfo(lastFileName).absoluteFilePath());
}

void MainWindow::openFile()
{
    if (!lastFileName.isEmpty())
        Prompts::instance().openWithDesktop(QUrl::fromLocalFile(lastFileName));
}

void MainWindow::convertDataToggled(bool checked)
{
    QSettings().setValue(convertDataKey, checked);
}

void MainWindow::changeLanguage()
{
    DialogLanguage dialog(QuilletFiles::translationFolder(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    MessageRequest request;
    request.icon = QMessageBox::Critical;
    request.text = tr("The application must be restarted when the language is changed.", "User prompt");
    request.buttons = QMessageBox::Ok;
    request.parent = this;
    Prompts::instance().message(request);
    restartRequested = true;
    close();
}

void MainWindow::showHelp()
{
    Prompts::instance().openWithDesktop(QUrl::fromLocalFile(QuilletFiles::helpPage(QLocale().name().left(2))));
}

void MainWindow::showAbout()
{
    MessageRequest request;
    //: Title of the About box
    request.title = tr("About TorvaneQuillet", "Window Title");
    //: The %1 is replaced with the version number so please don't remove it!
    request.text = tr("TorvaneQuillet\n\n %1\n", "About box")
                       .arg(QCoreApplication::applicationVersion());
    request.windowIcon = windowIcon();
    request.parent = this;
    Prompts::instance().message(request);
}
