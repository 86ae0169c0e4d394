// Opens the shipped default PV array test report: reading the document, reading and building its
// template, laying the values over it. Goal: under 150 ms.
#include "Globals.h"
#include "GraphicalReportDocument.h"
#include "ReportFile.h"
#include "ReportScene.h"

#include "BestOf.h"

#include <QApplication>
#include <QTextStream>
#include <QUndoStack>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(veltrano);
    QApplication app(argc, argv);
    Globals::setReportsFolder(QStringLiteral("reports_en"));
    const QString path = QStringLiteral(":res/reports_en/default.arvatr");

    QElapsedTimer firstTimer;
    firstTimer.start();
    {
        QUndoStack stack;
        ReportScene scene(&stack);
        ReportFile::load(scene, path);
    }
    const qint64 first = firstTimer.nsecsElapsed();
    const qint64 scene = bestOf(10, [&] {
        QUndoStack stack;
        ReportScene scene(&stack);
        ReportFile::load(scene, path);
    });
    const qint64 window = bestOf(5, [&] { GraphicalReportDocument doc(path); });

    QTextStream(stdout) << "default array test report opened into a scene: " << QString::number(scene / 1e6, 'f', 2)
                        << " ms best of 10 (" << QString::number(first / 1e6, 'f', 2)
                        << " ms first run with font loading); as a document window: "
                        << QString::number(window / 1e6, 'f', 2) << " ms best of 5 (goal < 150 ms)\n";
    return 0;
}
