#include "FindInFiles.h"

#include "Clock.h"
#include "DocumentLock.h"
#include "Folders.h"
#include "FoundFilesModel.h"
#include "SearchCriteria.h"
#include "UnreadableNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int largestSizeKilobytes = 4194303;
// Symbolic links are left out: a link to a parent folder would make the walk endless. Hidden
// entries are listed like any other: a project folder holds them only when someone put them there.
const QDir::Filters entryFilter = QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden;
const QDir::SortFlags entryOrder = QDir::Name | QDir::IgnoreCase;
// Letting events through after every entry would repaint the growing results window thousands
// of times a second and slow the walk several times over; a few dozen times a second keeps
// Stop and the window just as lively.
constexpr qint64 eventIntervalMs = 15;

Qt::CaseSensitivity sensitivityOf(const QCheckBox* box)
{
    return box->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
}
} // namespace

FindInFiles::FindInFiles(QWidget* parent)
    : QFrame(parent)
    , found(new FoundFilesModel(this))
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
    stopRequested = true;
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
    // Return pressed while events run during a search would otherwise start a second walk
    // inside the first.
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
    endWithWindow = window()->isVisible();
    QCoreApplication::processEvents();
    sinceEvents.start();
    if (!alive)
        return;
    // Without a projects root there is nothing to walk; an empty path would mean the working
    // folder.
    if (!root.isEmpty())
        walk(QDir(root), criteria());
    if (!alive)
        return;
    setSearchingLook(false);
    stopRequested = false;
    running = false;
    found->finishSearch();
    emit searchFinished();
}

void FindInFiles::setSearchingLook(bool searching)
{
    buttonSearch->setVisible(!searching);
    buttonStop->setVisible(searching);
}

// Entries with names the toolkit cannot read come after the others of their kind; the toolkit
// cannot list what lies in such a folder, so it is found but not entered.
bool FindInFiles::walk(const QDir& folder, const SearchCriteria& wanted)
{
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files | entryFilter, entryOrder)) {
        if (!isDocumentLock(file) && !visit(FoundEntry::of(file), wanted))
            return false;
    }
    for (const FoundEntry& file : UnreadableNames::files(folder.absolutePath())) {
        if (!visit(file, wanted))
            return false;
    }
    for (const QFileInfo& subFolder : folder.entryInfoList(QDir::Dirs | entryFilter, entryOrder)) {
        if (!visit(FoundEntry::of(subFolder), wanted) || !walk(QDir(subFolder.absoluteFilePath()), wanted))
            return false;
    }
    for (const FoundEntry& subFolder : UnreadableNames::folders(folder.absolutePath())) {
        if (!visit(subFolder, wanted))
            return false;
    }
    return true;
}

// An open document's lock is hidden beside it and goes when the document closes: it is the
// program's bookkeeping, and opening it from the results would lead nowhere.
bool FindInFiles::isDocumentLock(const QFileInfo& file)
{
    const QString name = file.fileName();
    const QString suffix = QStringLiteral(".lock");
    if (!name.startsWith(QLatin1Char('.')) || !name.endsWith(suffix))
        return false;
    const QString document = file.dir().filePath(name.mid(1, name.size() - 1 - suffix.size()));
    return QFileInfo(document).isFile() && DocumentLock::lockPathOf(document) == file.filePath();
}

bool FindInFiles::visit(const FoundEntry& entry, const SearchCriteria& wanted)
{
    if (wanted.matches(entry))
        found->append(entry);
    if (sinceEvents.elapsed() >= eventIntervalMs) {
        QPointer<FindInFiles> alive(this);
        QCoreApplication::processEvents();
        if (!alive)
            return false;
        sinceEvents.restart();
    }
    return !stopRequested && !(endWithWindow && !window()->isVisible());
}
