#include "SearchJob.h"

#include "DocumentLock.h"
#include "FoundFilesModel.h"
#include "ReportPhraseScan.h"
#include "UnreadableNames.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace {
// Symbolic links are left out: a link to a parent folder would make the walk endless. Hidden
// entries are listed like any other: a project folder holds them only when someone put them there.
const QDir::Filters entryFilter = QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden;
// Letting events through after every entry would repaint the growing results window thousands
// of times a second and slow the walk several times over; a few dozen times a second keeps
// Stop and the window just as lively.
constexpr int defaultSliceMs = 15;

// By name without regard to case, as the project tree shows them. Sorted here rather than by the
// folder listing, whose sorting took longer than the reading of the folder itself.
QFileInfoList listingOf(const QString& folder)
{
    QFileInfoList listed;
    QDirIterator entries(folder, entryFilter);
    while (entries.hasNext()) {
        entries.next();
        listed.append(entries.fileInfo());
    }
    std::sort(listed.begin(), listed.end(), [](const QFileInfo& left, const QFileInfo& right) {
        const int order = left.fileName().compare(right.fileName(), Qt::CaseInsensitive);
        return order != 0 ? order < 0 : left.fileName() < right.fileName();
    });
    return listed;
}

// An open document's lock is hidden beside it and goes when the document closes: it is the
// program's bookkeeping, and opening it from the results would lead nowhere.
bool isDocumentLock(const QFileInfo& file)
{
    const QString name = file.fileName();
    const QString suffix = QStringLiteral(".lock");
    if (!name.startsWith(QLatin1Char('.')) || !name.endsWith(suffix))
        return false;
    const QString document = file.dir().filePath(name.mid(1, name.size() - 1 - suffix.size()));
    return QFileInfo(document).isFile() && DocumentLock::lockPathOf(document) == file.filePath();
}
} // namespace

SearchJob::SearchJob(FoundFilesModel* found, QObject* parent)
    : QObject(parent)
    , found(found)
    , slices(new QTimer(this))
    , sliceMs(defaultSliceMs)
{
    slices->setInterval(0);
    connect(slices, &QTimer::timeout, this, &SearchJob::runSlice);
}

SearchJob::~SearchJob() = default;

void SearchJob::start(const QString& root, const SearchCriteria& wanted)
{
    criteria = wanted;
    frames.clear();
    scan.reset();
    stopRequested = false;
    sliceCount = 0;
    // An empty path would mean the working folder.
    if (!root.isEmpty())
        enter(root);
    slices->start();
}

void SearchJob::stop()
{
    stopRequested = true;
}

bool SearchJob::isRunning() const
{
    return slices->isActive();
}

void SearchJob::setSliceMs(int milliseconds)
{
    sliceMs = milliseconds;
}

int SearchJob::slicesRun() const
{
    return sliceCount;
}

void SearchJob::runSlice()
{
    ++sliceCount;
    QElapsedTimer elapsed;
    elapsed.start();
    bool more = !stopRequested;
    while (more) {
        more = step() && !stopRequested;
        if (elapsed.elapsed() >= sliceMs)
            break;
    }
    if (!more)
        finish();
}

bool SearchJob::step()
{
    if (scan) {
        if (!scan->step()) {
            if (scan->found())
                found->append(scanned);
            scan.reset();
        }
        return true;
    }
    while (!frames.empty() && frames.back().next == frames.back().steps.size())
        frames.pop_back();
    if (frames.empty())
        return false;
    const Step next = frames.back().steps.at(frames.back().next++);
    visit(next);
    if (next.descend)
        enter(next.info.absoluteFilePath());
    return true;
}

// Entries with names the toolkit cannot read come after the others of their kind; the toolkit
// cannot list what lies in such a folder, so it is found but not entered.
void SearchJob::enter(const QString& folder)
{
    // One reading of the folder for both kinds; the listing already knows which entry is which.
    const QFileInfoList listed = listingOf(folder);
    const QVector<FoundEntry> unreadable = UnreadableNames::entries(folder);
    Frame frame;
    for (const QFileInfo& file : listed) {
        if (!file.isDir() && !isDocumentLock(file))
            frame.steps.append({file, std::nullopt, false});
    }
    for (const FoundEntry& file : unreadable) {
        if (!file.folder)
            frame.steps.append({QFileInfo(), file, false});
    }
    for (const QFileInfo& subFolder : listed) {
        if (subFolder.isDir())
            frame.steps.append({subFolder, std::nullopt, true});
    }
    for (const FoundEntry& subFolder : unreadable) {
        if (subFolder.folder)
            frame.steps.append({QFileInfo(), subFolder, false});
    }
    frames.push_back(frame);
}

void SearchJob::visit(const Step& step)
{
    const bool readable = !step.unreadable;
    if (readable && !criteria.nameMatches(step.info.fileName()))
        return;
    // Only the three kinds of report can hold the phrase.
    if (readable && criteria.hasPhrase() && !ReportPhraseScan::isSearchable(step.info.fileName()))
        return;
    const FoundEntry entry = readable ? FoundEntry::of(step.info) : *step.unreadable;
    if (!criteria.matchesBesidesPhrase(entry))
        return;
    if (!criteria.hasPhrase()) {
        found->append(entry);
        return;
    }
    if (entry.nameReadable && ReportPhraseScan::isSearchable(entry.path)) {
        scan = std::make_unique<ReportPhraseScan>(criteria.phraseHandler(), entry.path);
        scanned = entry;
    }
}

void SearchJob::finish()
{
    slices->stop();
    frames.clear();
    scan.reset();
    stopRequested = false;
    emit finished();
}
