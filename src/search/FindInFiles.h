#pragma once

#include <QFrame>
#include <QPointer>

class FoundFilesModel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class SearchCriteria;
class SearchJob;

// The find-in-files panel: searches the projects root by name, a phrase inside reports, a date
// and a size. search() starts a job that walks in slices on the GUI thread and returns at once;
// searchFinished() tells when the job is done. Stop is honoured at the next entry.
class FindInFiles : public QFrame
{
    Q_OBJECT

public:
    explicit FindInFiles(QWidget* parent = nullptr);

    FoundFilesModel* model() const;
    bool isSearching() const;

    QGroupBox* fileGroup() const;
    QLineEdit* nameEdit() const;
    QCheckBox* nameCaseSensitive() const;
    QGroupBox* phraseGroup() const;
    QLineEdit* phraseEdit() const;
    QCheckBox* phraseCaseSensitive() const;
    // Which kinds of file the phrase is looked for in.
    QLabel* phraseKinds() const;
    QGroupBox* dateGroup() const;
    QComboBox* dateKind() const;
    QDateEdit* fromDate() const;
    QDateEdit* toDate() const;
    QGroupBox* sizeGroup() const;
    QComboBox* sizeComparison() const;
    QSpinBox* sizeLimit() const;
    QPushButton* searchButton() const;
    QPushButton* stopButton() const;

signals:
    void searchStarted();
    void searchFinished();

public slots:
    void search();
    void stop();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A search started in a shown window ends when that window is closed.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* buildFileGroup();
    QGroupBox* buildPhraseGroup();
    QGroupBox* buildDateGroup();
    QGroupBox* buildSizeGroup();
    QGroupBox* makeGroup(const QString& title, bool checked);
    SearchCriteria criteria() const;
    void setSearchingLook(bool searching);
    void finishSearch();

    FoundFilesModel* found;
    SearchJob* searchJob;
    QGroupBox* groupFile = nullptr;
    QLineEdit* editName = nullptr;
    QCheckBox* checkNameCase = nullptr;
    QGroupBox* groupPhrase = nullptr;
    QLineEdit* editPhrase = nullptr;
    QCheckBox* checkPhraseCase = nullptr;
    QLabel* phraseHint = nullptr;
    QGroupBox* groupDate = nullptr;
    QComboBox* comboDateKind = nullptr;
    QDateEdit* editFrom = nullptr;
    QDateEdit* editTo = nullptr;
    QGroupBox* groupSize = nullptr;
    QComboBox* comboComparison = nullptr;
    QSpinBox* spinSize = nullptr;
    QPushButton* buttonSearch = nullptr;
    QPushButton* buttonStop = nullptr;
    bool running = false;
    QPointer<QWidget> watchedWindow;
};
