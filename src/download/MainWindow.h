#pragma once

#include <QMainWindow>

class QAction;
class QComboBox;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace Ks {
class WinSerialDeviceAsync;
}

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
    void readyRead();
    void readTimeOut();
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
    void receive(const QByteArray& chunk);
    void lineLost();
    // Stops the transfer and asks where to save what came.
    void finishTransfer();

    bool restartRequested = false;
    Ks::WinSerialDeviceAsync* device = nullptr;
    bool receivedAny = false;
    QByteArray downloadBuffer;
    QProgressBar* busyIndicator = nullptr;
    QString lastFileName;
    qint32 characterCount = 0;
    quint32 extendedCount = 0;
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
