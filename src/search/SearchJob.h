#pragma once

#include "FoundEntry.h"
#include "SearchCriteria.h"

#include <QFileInfo>
#include <QObject>
#include <QVector>

#include <memory>
#include <optional>
#include <vector>

class FoundFilesModel;
class QTimer;
class ReportPhraseScan;

// One search through the projects root, run on the GUI thread in short slices: between two
// slices every pending event is handled, so the results window fills and Stop is answered at
// once. A slice looks at entries, or at pieces of a report, until its time is up; a report of
// any size is read a piece at a time through buffers of fixed size. Files and folders that
// cannot be read are passed over and the walk goes on.
class SearchJob : public QObject
{
    Q_OBJECT

public:
    // Matches are appended to `found`, which is not owned.
    explicit SearchJob(FoundFilesModel* found, QObject* parent = nullptr);
    ~SearchJob() override;

    // Walks `root`, files before sub-folders, each folder before what it holds. An empty root
    // is no folder: the search finishes with nothing found.
    void start(const QString& root, const SearchCriteria& criteria);
    // Ends the search after the entry at hand; what was found stays.
    void stop();
    bool isRunning() const;

    // How long a slice may work before events are let through again; 0 makes every slice one
    // step (an entry or a piece of a report).
    void setSliceMs(int milliseconds);
    int slicesRun() const;

signals:
    void finished();

private:
    // The listing's file information; what a search shows of an entry, with its dates, is only
    // read for entries whose name matches, which spares most of the walk's time.
    struct Step
    {
        QFileInfo info;
        // Set instead of `info` for a name the toolkit cannot read.
        std::optional<FoundEntry> unreadable;
        bool descend = false;
    };
    struct Frame
    {
        QVector<Step> steps;
        int next = 0;
    };

    void runSlice();
    // False once nothing is left to do.
    bool step();
    void enter(const QString& folder);
    void visit(const Step& step);
    void finish();

    FoundFilesModel* found;
    SearchCriteria criteria;
    std::vector<Frame> frames;
    std::unique_ptr<ReportPhraseScan> scan;
    FoundEntry scanned;
    QTimer* slices;
    int sliceMs;
    int sliceCount = 0;
    bool stopRequested = false;
};
