#include "SearchJob.h"

#include "DocumentLock.h"
#include "FolderListing.h"
#include "FoundFilesModel.h"
#include "ReportPhraseScan.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

namespace {
// Letting events through after every entry would repaint the growing results window thousands
// of times a second and slow the walk several times over; a few dozen times a second keeps
// Stop and the window just as lively.
constexpr int defaultSliceMs = 15;

// An open document's lock is hidden beside it and goes when the document closes: it is the
// program's bookkeeping, and opening it from the results would lead nowhere.
bool isDocumentLock(const FolderListing::Item& file)
{
    const QString& name = file.name;
    const QString suffix = QStringLiteral(".lock");
    if (!name.startsWith(QLatin1Char('.')) || !name.endsWith(suffix))
        return false;
    const QString document = file.info.dir().filePath(name.mid(1, name.size() - 1 - suffix.size()));
    return QFileInfo(document).isFile() && DocumentLock::lockPathOf(document) == file.info.filePath();
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
    const FolderListing listing(folder);
    Frame frame;
    for (const FolderListing::Item& file : listing.files()) {
        if (!isDocumentLock(file))
            frame.steps.append({file.info, std::nullopt, false});
    }
    for (const FoundEntry& file : listing.unreadableFiles())
        frame.steps.append({QFileInfo(), file, false});
    for (const FolderListing::Item& subFolder : listing.folders())
        frame.steps.append({subFolder.info, std::nullopt, true});
    for (const FoundEntry& subFolder : listing.unreadableFolders())
        frame.steps.append({QFileInfo(), subFolder, false});
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
