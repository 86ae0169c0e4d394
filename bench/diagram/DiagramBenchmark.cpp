// Loads a diagram of 500 boxes and 1,000 wires into a scene (every wire routed) and saves it
// again, against parsing and writing the same file with QDomDocument alone. Goal: within 3x.
#include "BestOf.h"
#include "DiagramGraphicsScene.h"

#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QGraphicsTextItem>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
constexpr int boxes = 500;
constexpr int wires = 1000;
constexpr int columns = 25;

QByteArray largeDiagram()
{
    const char* kinds[] = {"panel", "dc_isolator", "inverter", "ac_isolator", "generation_meter", "distribution_board",
                           "label"};
    const int sides[] = {1, 2, 4, 8};
    QByteArray xml = "<installation_diagram>\n";
    for (int i = 0; i < boxes; ++i) {
        const QByteArray kind = kinds[i % 7];
        const int x = (i % columns) * 300;
        const int y = (i / columns) * 250;
        xml += "  <" + kind + " id=\"id" + QByteArray::number(i + 1) + "\" x=\"" + QByteArray::number(x) + "\" y=\""
             + QByteArray::number(y) + "\"";
        if (kind == "panel") {
            xml += "/>\n";
            continue;
        }
        xml += ">\n    <label x=\"" + QByteArray::number(x - 95) + "\" y=\"" + QByteArray::number(y)
             + "\" width=\"80\" height=\"30\" text=\"Box " + QByteArray::number(i + 1) + "\"/>\n  </" + kind + ">\n";
    }
    for (int i = 0; i < wires; ++i) {
        const int from = (i * 7) % boxes + 1;
        const int to = (i * 13 + 5) % boxes + 1;
        const int type = from % 7 == 1 || to % 7 == 1 ? 1 : 1 + i % 3;
        const char* names[] = {"", "Single", "DC", "AC"};
        xml += "  <connection id=\"id" + QByteArray::number(boxes + i + 1) + "\" type=\"" + names[type] + "\">\n";
        xml += "    <connectionA connectedItemId=\"id" + QByteArray::number(from) + "\" connectedPosX=\"0\" connectedPosY=\"20\""
               " direction=\"" + QByteArray::number(sides[i % 4]) + "\"/>\n";
        xml += "    <connectionB connectedItemId=\"id" + QByteArray::number(to) + "\" connectedPosX=\"30\" connectedPosY=\"0\""
               " direction=\"" + QByteArray::number(sides[(i + 1) % 4]) + "\"/>\n  </connection>\n";
    }
    return xml + "</installation_diagram>\n";
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("large.arvid"));
    const QString copy = folder.filePath(QStringLiteral("copy.arvid"));
    if (!writeFile(source, largeDiagram()))
        return 1;

    bool ok = true;
    const qint64 diagram = bestOf(5, [&] {
        DiagramGraphicsScene scene;
        ok = scene.load(source) && scene.save(copy) && ok;
    });
    const qint64 domOnly = bestOf(5, [&] {
        QFile file(source);
        QDomDocument document;
        ok = file.open(QIODevice::ReadOnly) && document.setContent(&file) && ok;
        ok = writeFile(copy, document.toByteArray(2)) && ok;
    });
    // Every caption is a text item; what Qt itself spends making that many is the floor of the
    // diagram's cost beyond the XML.
    const int captions = boxes - boxes / 7;
    const qint64 textItems = bestOf(5, [&] {
        for (int i = 0; i < captions; ++i) {
            QGraphicsTextItem caption;
            caption.setHtml(QStringLiteral("<center>Box %1</center>").arg(i));
        }
    });
    QTextStream out(stdout);
    out << "load, route and save " << boxes << " boxes and " << wires << " wires: " << diagram / 1000000.0 << " ms\n"
        << "QDomDocument parse and write of the same file: " << domOnly / 1000000.0 << " ms\n"
        << "making the " << captions << " caption text items alone, in Qt: " << textItems / 1000000.0
        << " ms\n"
        << "ratio: " << double(diagram) / double(domOnly) << " (goal: within 3)\n";
    return ok ? 0 : 1;
}
