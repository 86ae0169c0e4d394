#pragma once

#include <QElapsedTimer>
#include <QFrame>

class FoundFilesModel;
struct FoundEntry;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDir;
class QFileInfo;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class SearchCriteria;

// The find-in-files panel: searches the projects root by name, a phrase inside reports, a date
// and a size. The walk runs on the GUI thread and lets pending events through as it goes, so the
// results window fills while it runs and Stop answers at once; the stop flag is honoured at the
// next entry.
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

private:
    QGroupBox* buildFileGroup();
    QGroupBox* buildPhraseGroup();
    QGroupBox* buildDateGroup();
    QGroupBox* buildSizeGroup();
    QGroupBox* makeGroup(const QString& title, bool checked);
    SearchCriteria criteria() const;
    void setSearchingLook(bool searching);
    // False once the search is to end: stopped, the window closed, or the panel destroyed while
    // events ran (nothing of it may be touched then).
    bool walk(const QDir& folder, const SearchCriteria& criteria);
    bool visit(const FoundEntry& entry, const SearchCriteria& criteria);
    static bool isDocumentLock(const QFileInfo& file);

    FoundFilesModel* found;
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
    bool stopRequested = false;
    bool running = false;
    // A search started in a shown window ends when that window is closed.
    bool endWithWindow = false;
    QElapsedTimer sinceEvents;
};
