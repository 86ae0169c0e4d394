#include "FindInFiles.h"

#include "Clock.h"
#include "Folders.h"
#include "FoundFilesModel.h"
#include "SearchCriteria.h"
#include "SearchJob.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int largestSizeKilobytes = 4194303;

Qt::CaseSensitivity sensitivityOf(const QCheckBox* box)
{
    return box->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
}
} // namespace

FindInFiles::FindInFiles(QWidget* parent)
    : QFrame(parent)
    , found(new FoundFilesModel(this))
    , searchJob(new SearchJob(found, this))
{
    setWindowTitle(tr("Find in Files", "Window Title"));
    auto* heading = new QLabel(tr("Search by any or all of the criteria below.", "User prompt"), this);
    heading->setWordWrap(true);

    buttonSearch = new QPushButton(tr("Search", "Button"), this);
    buttonSearch->setObjectName(QStringLiteral("buttonSearch"));
    buttonStop = new QPushButton(tr("Stop", "Button"), this);
    buttonStop->setObjectName(QStringLiteral("buttonStop"));
    buttonStop->hide();
    connect(buttonSearch, &QPushButton::clicked, this, &FindInFiles::search);
    connect(buttonStop, &QPushButton::clicked, this, &FindInFiles::stop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(buttonSearch);
    buttons->addWidget(buttonStop);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(buildFileGroup());
    layout->addWidget(buildPhraseGroup());
    layout->addWidget(buildDateGroup());
    layout->addWidget(buildSizeGroup());
    layout->addLayout(buttons);
    layout->addStretch();
    connect(searchJob, &SearchJob::finished, this, &FindInFiles::finishSearch);
}

QGroupBox* FindInFiles::makeGroup(const QString& title, bool checked)
{
    auto* group = new QGroupBox(title, this);
    group->setCheckable(true);
    group->setChecked(checked);
    return group;
}

QGroupBox* FindInFiles::buildFileGroup()
{
    groupFile = makeGroup(tr("File search", "Group title"), true);
    editName = new QLineEdit(groupFile);
    checkNameCase = new QCheckBox(tr("Case sensitive", "Check box"), groupFile);
    auto* layout = new QVBoxLayout(groupFile);
    layout->addWidget(new QLabel(tr("All or part of the file name:", "Field label"), groupFile));
    layout->addWidget(editName);
    layout->addWidget(checkNameCase);
    return groupFile;
}

QGroupBox* FindInFiles::buildPhraseGroup()
{
    groupPhrase = makeGroup(tr("Word / Phrase Search", "Group title"), false);
    editPhrase = new QLineEdit(groupPhrase);
    checkPhraseCase = new QCheckBox(tr("Case sensitive", "Check box"), groupPhrase);
    auto* layout = new QVBoxLayout(groupPhrase);
    layout->addWidget(new QLabel(tr("A word or phrase in the reports:", "Field label"), groupPhrase));
    layout->addWidget(editPhrase);
    layout->addWidget(checkPhraseCase);
    // Checklists, diagrams and curve files are not looked into, which users do not expect.
    const QString searched = tr("Looks into inspection reports, array test reports and verification certificates.",
                                "Tool tip hint");
    phraseHint = new QLabel(searched, groupPhrase);
    phraseHint->setWordWrap(true);
    phraseHint->setEnabled(false);
    layout->addWidget(phraseHint);
    editPhrase->setToolTip(searched);
    return groupPhrase;
}

QGroupBox* FindInFiles::buildDateGroup()
{
    groupDate = makeGroup(tr("Date", "Group title"), false);
    comboDateKind = new QComboBox(groupDate);
    comboDateKind->addItem(tr("Created Date", "Date kind"), int(SearchCriteria::CreatedDate));
    comboDateKind->addItem(tr("Modified Date", "Date kind"), int(SearchCriteria::ModifiedDate));
    comboDateKind->addItem(tr("Accessed Date", "Date kind"), int(SearchCriteria::AccessedDate));
    comboDateKind->setCurrentIndex(comboDateKind->findData(int(SearchCriteria::ModifiedDate)));
    const QDate today = Clock::now().date();
    editFrom = new QDateEdit(today, groupDate);
    editTo = new QDateEdit(today, groupDate);
    auto* layout = new QFormLayout(groupDate);
    layout->addRow(comboDateKind);
    for (QDateEdit* edit : {editFrom, editTo})
        edit->setCalendarPopup(true);
    layout->addRow(tr("from", "Field label"), editFrom);
    layout->addRow(tr("to", "Field label"), editTo);
    return groupDate;
}

QGroupBox* FindInFiles::buildSizeGroup()
{
    groupSize = makeGroup(tr("File Size", "Group title"), false);
    comboComparison = new QComboBox(groupSize);
    comboComparison->addItem(tr("greater than", "Size comparison"), int(SearchCriteria::GreaterThan));
    comboComparison->addItem(tr("less than", "Size comparison"), int(SearchCriteria::LessThan));
    spinSize = new QSpinBox(groupSize);
    spinSize->setRange(0, largestSizeKilobytes);
    spinSize->setSuffix(tr(" KB", "File size unit"));
    spinSize->setGroupSeparatorShown(true);
    auto* layout = new QHBoxLayout(groupSize);
    layout->addWidget(comboComparison);
    layout->addWidget(spinSize, 1);
    return groupSize;
}

FoundFilesModel* FindInFiles::model() const
{
    return found;
}

bool FindInFiles::isSearching() const
{
    return running;
}

QGroupBox* FindInFiles::fileGroup() const
{
    return groupFile;
}

QLineEdit* FindInFiles::nameEdit() const
{
    return editName;
}

QCheckBox* FindInFiles::nameCaseSensitive() const
{
    return checkNameCase;
}

QGroupBox* FindInFiles::phraseGroup() const
{
    return groupPhrase;
}

QLineEdit* FindInFiles::phraseEdit() const
{
    return editPhrase;
}

QCheckBox* FindInFiles::phraseCaseSensitive() const
{
    return checkPhraseCase;
}

QLabel* FindInFiles::phraseKinds() const
{
    return phraseHint;
}

QGroupBox* FindInFiles::dateGroup() const
{
    return groupDate;
}

QComboBox* FindInFiles::dateKind() const
{
    return comboDateKind;
}

QDateEdit* FindInFiles::fromDate() const
{
    return editFrom;
}

QDateEdit* FindInFiles::toDate() const
{
    return editTo;
}

QGroupBox* FindInFiles::sizeGroup() const
{
    return groupSize;
}

QComboBox* FindInFiles::sizeComparison() const
{
    return comboComparison;
}

QSpinBox* FindInFiles::sizeLimit() const
{
    return spinSize;
}

QPushButton* FindInFiles::searchButton() const
{
    return buttonSearch;
}

QPushButton* FindInFiles::stopButton() const
{
    return buttonStop;
}

void FindInFiles::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        search();
        return;
    }
    QFrame::keyPressEvent(event);
}

void FindInFiles::stop()
{
    searchJob->stop();
}

bool FindInFiles::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == watchedWindow && event->type() == QEvent::Hide)
        stop();
    return QFrame::eventFilter(watched, event);
}

SearchCriteria FindInFiles::criteria() const
{
    SearchCriteria wanted;
    wanted.setName(groupFile->isChecked() ? editName->text() : QString(), sensitivityOf(checkNameCase));
    if (groupDate->isChecked())
        wanted.setDateRange(SearchCriteria::DateKind(comboDateKind->currentData().toInt()), editFrom->date(),
                            editTo->date());
    if (groupSize->isChecked())
        wanted.setSizeLimit(SearchCriteria::SizeComparison(comboComparison->currentData().toInt()),
                            spinSize->value());
    if (groupPhrase->isChecked())
        wanted.setPhrase(editPhrase->text(), sensitivityOf(checkPhraseCase));
    return wanted;
}

void FindInFiles::search()
{
    // Return pressed while a search runs would otherwise start a second one over the first.
    if (running)
        return;
    running = true;
    QPointer<FindInFiles> alive(this);
    emit searchStarted();
    if (!alive)
        return;
    setSearchingLook(true);
    const QString root = Folders::instance().rootDir();
    found->startSearch(root);
    if (window()->isVisible()) {
        watchedWindow = window();
        watchedWindow->installEventFilter(this);
    }
    searchJob->start(root, criteria());
}

void FindInFiles::finishSearch()
{
    if (watchedWindow)
        watchedWindow->removeEventFilter(this);
    watchedWindow = nullptr;
    setSearchingLook(false);
    running = false;
    found->finishSearch();
    emit searchFinished();
}

void FindInFiles::setSearchingLook(bool searching)
{
    buttonSearch->setVisible(!searching);
    buttonStop->setVisible(searching);
}
