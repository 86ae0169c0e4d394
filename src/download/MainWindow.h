#pragma once

#include <QMainWindow>

class DownloadJob;
class QAction;
class QComboBox;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

// The download program's window: pick a port, download the tester's memory, see it arrive,
// save it. A download ends at the first silence after data and then asks where to save.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Set when the window closed for a language change; the start-up loop then builds a new one.
    bool isRestartRequested() const;

public slots:
    void changeLanguage();
    void refreshPorts();
    void download();
    void cancelDownload();
    void openFile();
    void saveFile();
    void showAbout();
    void showHelp();
    void convertDataToggled(bool checked);

private:
    void buildWidgets();
    void buildMenus();
    QAction* addAction(QMenu* menu, const QString& name, const QString& text, const QString& toolTip);
    void restoreSettings();
    void setDownloading(bool downloading);
    // "Select a port", or that there is none to select.
    void showIdlePrompt();
    void showOpenFailure(const QString& portPath, bool accessDenied);
    // Where the save dialog opens: the last save's folder while it exists, else Documents.
    static QString saveStartFolder(const QString& lastSavedPath);
    // Back to idle once the port is closed; the buttons offer what the transfer left.
    void showStopped();
    void queueForPane(const QByteArray& chunk);
    // Shows the counts and the text that came since the last refresh.
    void refreshPane();
    void transferEnded();
    void lineLost();
    // Asks where to save, once the events that came with the end of the transfer have run.
    void saveAfterTransfer();

    bool restartRequested = false;
    DownloadJob* job = nullptr;
    QProgressBar* busyIndicator = nullptr;
    QString lastFileName;
    // Text received but not yet in the pane: laying out the pane's long current line again for
    // every chunk of a few bytes kept a core busy, so the pane is refreshed a few times a second.
    QString paneBacklog;
    QTimer* paneRefresh = nullptr;
    // Set when the line failed mid-transfer, so that the save does not pass the data as whole.
    bool transferCutShort = false;

    QComboBox* portList = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* downloadButton = nullptr;
    QPlainTextEdit* output = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* saveButton = nullptr;
    QAction* refreshAction = nullptr;
    QAction* languageAction = nullptr;
    QAction* convertAction = nullptr;
    QMenu* countryMenu = nullptr;
};
