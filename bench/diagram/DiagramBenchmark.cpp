// Opens, routes, saves and closes diagrams of 500, 2,000 and 8,000 boxes with two wires a box and
// prints what each step costs a box. Closing is timed as a window closes a diagram: the longest
// time the event loop does not answer, from handing the scene over until it is deleted; the whole
// teardown is printed beside it. Goals: each cost a box stays flat (at most twice that at 500
// boxes), closing costs under a tenth of opening at every size, and opening and saving 500 boxes
// stay within 3x of parsing and writing the same file with QDomDocument alone.
#include "BestOf.h"
#include "DiagramConnection.h"
#include "DiagramFile.h"
#include "DiagramGraphicsScene.h"
#include "DiagramTeardown.h"

#include <QApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGraphicsTextItem>
#include <QPointer>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <limits>
#include <memory>
#include <vector>

namespace {
constexpr int columns = 25;
constexpr int wiresPerBox = 2;

QByteArray boxXml(int index)
{
    const char* kinds[] = {"panel", "dc_isolator", "inverter", "ac_isolator", "generation_meter", "distribution_board",
                           "label"};
    const QByteArray kind = kinds[index % 7];
    const int x = (index % columns) * 300;
    const int y = (index / columns) * 250;
    QByteArray xml = "  <" + kind + " id=\"id" + QByteArray::number(index + 1) + "\" x=\"" + QByteArray::number(x)
                   + "\" y=\"" + QByteArray::number(y) + "\"";
    if (kind == "panel")
        return xml + "/>\n";
    return xml + ">\n    <label x=\"" + QByteArray::number(x - 95) + "\" y=\"" + QByteArray::number(y)
         + "\" width=\"80\" height=\"30\" text=\"Box " + QByteArray::number(index + 1) + "\"/>\n  </" + kind + ">\n";
}

// Wires join boxes far apart in the file, so that closing cannot profit from any order.
QByteArray wireXml(int index, int boxes)
{
    const int sides[] = {1, 2, 4, 8};
    const char* names[] = {"", "Single", "DC", "AC"};
    const int from = (index * 7) % boxes + 1;
    const int to = (index * 13 + 5) % boxes + 1;
    const int type = from % 7 == 1 || to % 7 == 1 ? 1 : 1 + index % 3;
    return "  <connection id=\"id" + QByteArray::number(boxes + index + 1) + "\" type=\"" + names[type] + "\">\n"
         + "    <connectionA connectedItemId=\"id" + QByteArray::number(from)
         + "\" connectedPosX=\"0\" connectedPosY=\"20\" direction=\"" + QByteArray::number(sides[index % 4]) + "\"/>\n"
         + "    <connectionB connectedItemId=\"id" + QByteArray::number(to)
         + "\" connectedPosX=\"30\" connectedPosY=\"0\" direction=\"" + QByteArray::number(sides[(index + 1) % 4])
         + "\"/>\n  </connection>\n";
}

QByteArray diagramXml(int boxes)
{
    QByteArray xml = "<installation_diagram>\n";
    for (int i = 0; i < boxes; ++i)
        xml += boxXml(i);
    for (int i = 0; i < boxes * wiresPerBox; ++i)
        xml += wireXml(i, boxes);
    return xml + "</installation_diagram>\n";
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

// Nanoseconds a box of each step, the fastest of `runs`.
struct StepCosts
{
    double open = 0;
    double route = 0;
    double save = 0;
    double close = 0;
    double teardown = 0;
};

struct Closing
{
    qint64 longestPause = 0;
    qint64 teardown = 0;
};

// Nanoseconds. A timer that fires whenever the event loop is free measures the pauses between.
Closing closeAsTheWindowDoes(std::unique_ptr<DiagramGraphicsScene> scene)
{
    QPointer<DiagramGraphicsScene> alive = scene.get();
    QElapsedTimer clock;
    clock.start();
    DiagramTeardown::dismantle(scene.release());
    Closing closing{clock.nsecsElapsed(), 0};
    qint64 last = closing.longestPause;
    QEventLoop loop;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        closing.longestPause = qMax(closing.longestPause, now - last);
        last = now;
        if (!alive)
            loop.quit();
    });
    ticker.start(0);
    loop.exec();
    closing.teardown = clock.nsecsElapsed();
    return closing;
}

// The file reader refuses more than a real installation needs, so the diagram is opened as the
// reader does once the file passed its checks: parsed, then its items added. The scene finishes
// taking them in (polish, index) once the event loop runs, as it does before the user can act.
std::unique_ptr<DiagramGraphicsScene> open(const QByteArray& xml, bool& ok)
{
    auto scene = std::make_unique<DiagramGraphicsScene>();
    QDomDocument document;
    ok = document.setContent(xml) && ok;
    DiagramFile::addItems(*scene, document);
    QCoreApplication::processEvents();
    return scene;
}

void routeEveryWire(DiagramGraphicsScene& scene)
{
    const QList<QGraphicsItem*> items = scene.items();
    for (QGraphicsItem* item : items) {
        if (item->type() & DiagramConnection::Type)
            static_cast<DiagramConnection*>(item)->endMoved();
    }
}

StepCosts measure(int boxes, const QString& copy, int runs, bool& ok)
{
    const QByteArray xml = diagramXml(boxes);
    qint64 open = std::numeric_limits<qint64>::max();
    qint64 route = open;
    qint64 save = open;
    qint64 close = open;
    qint64 teardown = open;
    for (int run = 0; run < runs; ++run) {
        std::unique_ptr<DiagramGraphicsScene> scene;
        // One scene goes through all four steps, so each run times them once.
        open = qMin(open, bestOf(1, [&] { scene = ::open(xml, ok); }));
        route = qMin(route, bestOf(1, [&] { routeEveryWire(*scene); }));
        save = qMin(save, bestOf(1, [&] { ok = !scene->save(copy).failed() && ok; }));
        const Closing closing = closeAsTheWindowDoes(std::move(scene));
        close = qMin(close, closing.longestPause);
        teardown = qMin(teardown, closing.teardown);
    }
    const double perBox = 1.0 / boxes;
    return {open * perBox, route * perBox, save * perBox, close * perBox, teardown * perBox};
}

// Loading and saving through the file, against what QDomDocument alone spends on the same file.
double fileRatio(const QString& source, const QString& copy, bool& ok)
{
    const qint64 diagram = bestOf(5, [&] {
        DiagramGraphicsScene scene;
        ok = !scene.load(source).failed() && !scene.save(copy).failed() && ok;
    });
    const qint64 domOnly = bestOf(5, [&] {
        QFile file(source);
        QDomDocument document;
        ok = file.open(QIODevice::ReadOnly) && document.setContent(&file) && ok;
        ok = writeFile(copy, document.toByteArray(2)) && ok;
    });
    return double(diagram) / double(domOnly);
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("large.arvid"));
    const QString copy = folder.filePath(QStringLiteral("copy.arvid"));
    const int smallest = 500;
    if (!writeFile(source, diagramXml(smallest)))
        return 1;

    bool ok = true;
    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(2);
    out << "microseconds a box (" << wiresPerBox << " wires a box):\n"
        << "  boxes      open     route      save     close  teardown   close/open (goal: under 0.10)\n";
    std::vector<StepCosts> costs;
    for (int boxes : {smallest, 2000, 8000}) {
        const StepCosts cost = measure(boxes, copy, boxes > 2000 ? 3 : 5, ok);
        costs.push_back(cost);
        out << qSetFieldWidth(7) << boxes << qSetFieldWidth(10) << cost.open / 1000 << cost.route / 1000
            << cost.save / 1000 << cost.close / 1000 << cost.teardown / 1000 << qSetFieldWidth(13) << cost.close / cost.open
            << qSetFieldWidth(0) << "\n";
    }
    const StepCosts& first = costs.front();
    const StepCosts& last = costs.back();
    out << "cost a box at 8000 boxes against 500 (goal: at most 2): open " << last.open / first.open << ", route "
        << last.route / first.route << ", save " << last.save / first.save << ", close " << last.close / first.close
        << ", teardown " << last.teardown / first.teardown << "\n"
        << "load and save " << smallest << " boxes against QDomDocument alone (goal: within 3): "
        << fileRatio(source, copy, ok) << "\n";
    return ok ? 0 : 1;
}
