#include "HostileCurveInputs.h"
#include "HostileInputs.h"
#include "MeasuredRun.h"

#include "DiagramGraphicsScene.h"
#include "DialogImportResults.h"
#include "PakCommand.h"
#include "ReportContainer.h"
#include "ReportFile.h"
#include "ReportScene.h"
#include "ScriptedPrompts.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUndoStack>

#include <sys/stat.h>

#include <cstdio>
#include <functional>

using namespace HostileInputs;

// Opens each damaged or hostile input as the program would, in a child process of its own, and
// prints the time and peak memory it took. Every one should open (or be refused) within a
// second and under 200 MB.
namespace {
int argc = 1;
char name[] = "bench_hostile";
char* argv[] = {name, nullptr};

QString folderPath;

QString write(const QString& fileName, const QByteArray& bytes)
{
    const QString path = folderPath + QLatin1Char('/') + fileName;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QByteArray document(const QByteArray& templatePath, const QByteArray& values = QByteArray())
{
    return container("<document resPak='" + templatePath + "'>" + values + "</document>");
}

// Loads the report and, when it opened, saves it again.
int openReport(const QString& path)
{
    QApplication application(argc, argv);
    QUndoStack stack;
    ReportScene scene(&stack);
    if (!ReportFile::load(scene, path).failed())
        ReportFile::save(scene, path + QStringLiteral(".saved"));
    return 0;
}

int openResults(const QString& path)
{
    QApplication application(argc, argv);
    ScriptedPrompts prompts;
    DialogImportResults dialog;
    if (dialog.load(path)) {
        dialog.show();
        QApplication::processEvents();
    }
    return 0;
}

int openDiagram(const QString& path)
{
    QApplication application(argc, argv);
    DiagramGraphicsScene scene;
    scene.load(path);
    return 0;
}

QByteArray diagramOf(const QByteArray& items)
{
    return "<installation_diagram>" + items + "</installation_diagram>";
}

int extractWithPak(const QString& path)
{
    QString out;
    QTextStream stream(&out);
    PakCommand(stream, stream).run({QStringLiteral("extract"), path, path + QStringLiteral(".out")});
    return 0;
}

void report(const char* what, const std::function<int()>& work)
{
    const MeasuredRun run = measureInChild(work);
    std::printf("%-4s %6lld ms %6ld MB  %s\n", run.passed ? "ok" : "FAIL", static_cast<long long>(run.milliseconds),
                run.peakMegabytes, what);
}

QByteArray resultsWithRows(int rows, const QByteArray& testType)
{
    QByteArray bytes = "PVT,1\nIndex,TestType,Riso (MOhm)\n";
    for (int row = 0; row < rows; ++row)
        bytes += QByteArray::number(row) + ',' + testType + ",500\n";
    return bytes;
}
} // namespace

int main()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    folderPath = folder.path();
    const QString pipe = folderPath + QStringLiteral("/pipe");
    mkfifo(QFile::encodeName(pipe).constData(), 0600);
    const QByteArray ownTemplate = (folderPath + QStringLiteral("/own.pak")).toUtf8();
    auto withTemplate = [&](const QByteArray& layout) {
        write(QStringLiteral("own.pak"), container(layout));
        return write(QStringLiteral("doc.arvatr"), document(ownTemplate));
    };
    auto openWith = [](const QString& path) { return [path] { return openReport(path); }; };

    report("template table 65535 x 65535", openWith(withTemplate(onPage("<table numRows='65535' numCols='65535'/>"))));
    report("table 1e9 x 8", openWith(withTemplate(onPage("<table numRows='1e9' numCols='8'/>"))));
    report("30,000 nested elements", openWith(write(QStringLiteral("nested.arvir"), container(nestedElements("a", 30000)))));
    report("template with 10,000 nested texts", openWith(withTemplate(nestedElements("text", 10000))));
    report("resPak=\"/dev/zero\"", openWith(write(QStringLiteral("zero.arvatr"), document("/dev/zero"))));
    report("resPak naming a FIFO", openWith(write(QStringLiteral("fifo.arvatr"), document(pipe.toUtf8()))));
    report("<svg file=> naming a FIFO", openWith(withTemplate(onPage("<svg file='" + pipe.toUtf8() + "'/>"))));
    report("40000 x 40000 PNG picture",
           openWith(write(QStringLiteral("photo.arvreport"),
                          ReportContainer::encode({{QStringLiteral("xml"), "<document><image index='1'/></document>"},
                                                   {QStringLiteral("png"), pngHeader(40000, 40000)}}))));
    report("2-million-character word in a field", openWith(withTemplate(longWord(2000000))));
    report("pageNumber -2147483648", openWith(withTemplate(onPage("<page pageNumber='-2147483648'/>"))));
    report("width 1e308", openWith(withTemplate(onPage("<text id='t' width='1e308' height='1e308'/>"))));
    const QString flood = write(QStringLiteral("flood.arvir"), emptyPairs(33554432));
    report("33.5 million empty pairs", openWith(flood));
    report("pak extract of 33.5 million empty pairs", [flood] { return extractWithPak(flood); });
    auto importing = [](const QString& path) { return [path] { return openResults(path); }; };
    // Written before the child is made, so that the child does not carry the bytes in its memory.
    const QString longVoc = write(QStringLiteral("voc.csv"), "PVT,1\nIndex,Voc (VDC)\n1," + QByteArray(2000000, '9') + "\n");
    const QString rows100k = write(QStringLiteral("r100k.csv"), resultsWithRows(100000, "4"));
    const QString rows1m = write(QStringLiteral("r1m.csv"), resultsWithRows(1000000, "4"));
    const QString longHeader = write(QStringLiteral("header.csv"), "PVT,1\n" + QByteArray(200 * 1024 * 1024, ',') + "\n");
    report("results: 2-million-character Voc", importing(longVoc));
    report("results: 100,000 rows of test type 4", importing(rows100k));
    report("results: 1,000,000 rows of test type 4", importing(rows1m));
    report("results: 200 MB header line", importing(longHeader));
    auto drawing = [](const QString& path) { return [path] { return openDiagram(path); }; };
    const QByteArray wireToBox = "<connection id='w'><connectionA connectedItemId='id1'/></connection>";
    report("diagram: 30,000 nested elements", drawing(write(QStringLiteral("nested.arvid"), nestedElements("a", 30000))));
    report("diagram: entity of 10,000 characters used 10,000 times",
           drawing(write(QStringLiteral("entity.arvid"), "<!DOCTYPE d [<!ENTITY e '" + QByteArray(10000, 'x') + "'>]>"
                                                             + diagramOf(QByteArray("<label text='&e;'/>").repeated(10000)))));
    report("diagram: caption of one 2,000,000-character word",
           drawing(write(QStringLiteral("caption.arvid"), diagramOf("<label><label text='" + longWord(2000000) + "'/></label>"))));
    report("diagram: a FIFO", drawing(pipe));
    report("diagram: 1,000,000 boxes", drawing(write(QStringLiteral("boxes.arvid"),
                                                     diagramOf(QByteArray("<panel id='id1' x='0' y='0'/>").repeated(1000000)))));
    report("diagram: 100,000 wires on one box",
           drawing(write(QStringLiteral("wires.arvid"), diagramOf("<panel id='id1'/>" + wireToBox.repeated(100000)))));
    report("diagram: &amp; 1,000,000 times in one attribute",
           drawing(write(QStringLiteral("amp.arvid"), diagramOf("<label text='" + QByteArray("&amp;").repeated(1000000) + "'/>"))));
    report("100 texts of one 9,999-character word",
           openWith(withTemplate(onPage(("<text width='200' height='20'>" + QByteArray(9999, 'W') + "</text>").repeated(100)))));
    report("10 texts of one 9,999-character word",
           openWith(withTemplate(onPage(("<text width='200' height='20'>" + QByteArray(9999, 'W') + "</text>").repeated(10)))));
    HostileCurveInputs::run(folderPath, pipe, report);
    return 0;
}
