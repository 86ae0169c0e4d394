// Searches a projects tree of 10,000 files, 1,000 of them reports. A name search is compared
// with a bare QDirIterator walk of the same tree (goal: within 3x), a phrase search with reading
// and uncompressing the same reports (goal: within 2x). While a search runs, the longest pause
// between two timer ticks and the time from Stop to the end of the search show how responsive
// the window stays (goal: under 100 ms).
#include "BestOf.h"
#include "FindInFiles.h"
#include "FoundFilesModel.h"
#include "PrivateHome.h"
#include "ReportContainer.h"
#include "SearchResultsDocument.h"
#include "SettingsKeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QTextStream>
#include <QTimer>

namespace {
constexpr int Projects = 100;
constexpr int PlainFilesPerProject = 90;
constexpr int ReportsPerProject = 10;

QByteArray reportXml(int project, int report)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<document resPak=\":res/reports_en/arvir.pak\">\n"
                     "  <page id=\"page1\">\n";
    for (int item = 0; item < 40; ++item)
        xml += "    <text id=\"field" + QByteArray::number(item) + "\">Client " + QByteArray::number(project)
            + ", string " + QByteArray::number(item) + ": checked, no fault found</text>\n"
            + "    <checkBox id=\"box" + QByteArray::number(item) + "\" checked=\"true\"/>\n";
    // One report in ten mentions the cellar, near its end.
    if (report == 7)
        xml += "    <text id=\"notes\">Inverter mounted in the cellar</text>\n";
    return xml + "  </page>\n</document>\n";
}

QStringList buildTree(const QString& root)
{
    QStringList reports;
    for (int project = 0; project < Projects; ++project) {
        const QString folder = QStringLiteral("%1/Project %2/Photos").arg(root).arg(project);
        QDir().mkpath(folder);
        for (int file = 0; file < PlainFilesPerProject; ++file) {
            QFile photo(QStringLiteral("%1/photo %2.jpg").arg(folder).arg(file));
            if (photo.open(QIODevice::WriteOnly))
                photo.write(QByteArray(512, 'p'));
        }
        for (int report = 0; report < ReportsPerProject; ++report) {
            const QString path = QStringLiteral("%1/Project %2/Report %3.arvir").arg(root).arg(project).arg(report);
            ReportContainer::write(path, {{QStringLiteral("xml"), reportXml(project, report)}});
            reports << path;
        }
    }
    return reports;
}

int bareWalk(const QString& root)
{
    int entries = 0;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++entries;
    }
    return entries;
}

int readAllReports(const QStringList& reports)
{
    int read = 0;
    for (const QString& path : reports) {
        BlobList blobs;
        if (ReportContainer::read(path, blobs) == ReportContainer::Status::Ok)
            ++read;
    }
    return read;
}

void searchForName(FindInFiles& panel)
{
    panel.phraseGroup()->setChecked(false);
    panel.nameEdit()->setText(QStringLiteral("photo 1"));
}

void searchForPhrase(FindInFiles& panel)
{
    panel.nameEdit()->clear();
    panel.phraseGroup()->setChecked(true);
    panel.phraseEdit()->setText(QStringLiteral("cellar"));
}

struct Responsiveness
{
    qint64 longestPauseMs = 0;
    qint64 stopToEndMs = 0;
};

// Ticks every 5 ms through a whole search, then stops a second one 50 ms in.
Responsiveness measureResponsiveness(FindInFiles& panel)
{
    Responsiveness result;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        result.longestPauseMs = qMax(result.longestPauseMs, sinceTick.restart());
    });
    sinceTick.start();
    ticker.start();
    panel.search();
    ticker.stop();

    QElapsedTimer sinceStop;
    QTimer::singleShot(50, &panel, [&] {
        sinceStop.start();
        panel.stop();
    });
    panel.search();
    result.stopToEndMs = sinceStop.isValid() ? sinceStop.elapsed() : -1;
    return result;
}
} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    usePrivateHome(home);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(veltrano);
    const QString root = home.path() + QStringLiteral("/Projects");
    const QStringList reports = buildTree(root);
    QSettings().setValue(SettingsKeys::rootDir, root);
    QTextStream out(stdout);

    FindInFiles panel;
    int found = 0;
    searchForName(panel);
    const qint64 nameSearch = bestOf(5, [&] {
        panel.search();
        found = panel.model()->foundCount();
    });
    int entries = 0;
    const qint64 walk = bestOf(5, [&] { entries = bareWalk(root); });
    out << "Tree: " << entries << " entries, " << reports.size() << " reports" << Qt::endl;
    out << "Name search (" << found << " found): " << nameSearch / 1e6 << " ms; bare walk: " << walk / 1e6
        << " ms; ratio " << double(nameSearch) / double(walk) << " (goal: at most 3)" << Qt::endl;

    searchForPhrase(panel);
    const qint64 phraseSearch = bestOf(5, [&] {
        panel.search();
        found = panel.model()->foundCount();
    });
    int read = 0;
    const qint64 reading = bestOf(5, [&] { read = readAllReports(reports); });
    out << "Phrase search (" << found << " found): " << phraseSearch / 1e6 << " ms; reading " << read
        << " reports: " << reading / 1e6 << " ms; ratio " << double(phraseSearch) / double(reading)
        << " (goal: at most 2)" << Qt::endl;

    SearchResultsDocument results(QStringLiteral("Search Results"));
    results.setModel(panel.model());
    QObject::connect(&panel, &FindInFiles::searchFinished, &results, &SearchResultsDocument::resizeColumns);
    results.resize(900, 600);
    results.show();
    panel.nameEdit()->clear();
    panel.phraseGroup()->setChecked(false);
    const qint64 shownSearch = bestOf(3, [&] { panel.search(); });
    out << "Listing everything into a shown results window (" << panel.model()->foundCount()
        << " rows): " << shownSearch / 1e6 << " ms" << Qt::endl;

    searchForPhrase(panel);
    const Responsiveness phrase = measureResponsiveness(panel);
    out << "During a phrase search: longest pause between events " << phrase.longestPauseMs
        << " ms; Stop to end " << phrase.stopToEndMs << " ms (goal: under 100 ms)\n";
    return found > 0 ? 0 : 1;
}
