#include "DiagramConnection.h"
#include "DiagramGraphicsScene.h"
#include "SceneInput.h"
#include "TestMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// Diagram files come by e-mail and USB stick: each family of damaged or hostile file is refused
// with a message naming the file and the cause, draws nothing and leaves the file as it was.

namespace {
QByteArray diagram(const QByteArray& items)
{
    return "<installation_diagram>\n" + items + "</installation_diagram>\n";
}

QByteArray isolatorWithCaption(const QByteArray& caption)
{
    return "<dc_isolator id='id1' x='0' y='0'><label x='0' y='0' width='80' height='30' text='" + caption
         + "'/></dc_isolator>\n";
}

// `count` wires from box id1 to box id2.
QByteArray wiresBetweenTwoBoxes(int count)
{
    QByteArray xml = "<panel id='id1' x='0' y='0'/>\n<inverter id='id2' x='400' y='0'/>\n";
    for (int i = 0; i < count; ++i)
        xml += "<connection id='w" + QByteArray::number(i) + "' type='DC'>"
               "<connectionA connectedItemId='id1' connectedPosX='0' connectedPosY='20' direction='2'/>"
               "<connectionB connectedItemId='id2' connectedPosX='0' connectedPosY='20' direction='8'/></connection>\n";
    return diagram(xml);
}

QByteArray panels(int count)
{
    QByteArray xml;
    for (int i = 0; i < count; ++i)
        xml += "<panel id='id" + QByteArray::number(i + 1) + "' x='0' y='0'/>\n";
    return diagram(xml);
}

QByteArray nested(int depth)
{
    return "<installation_diagram>" + QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth)
         + "</installation_diagram>";
}
} // namespace

class HostileDiagramTest : public QObject
{
    Q_OBJECT

private slots:
    void hostileFilesAreRefusedUntouched_data();
    void hostileFilesAreRefusedUntouched();
    void limitsAdmitWhatTheyName();
    void pipeIsRefusedWithoutWaiting();

private:
    QTemporaryDir folder;
};

void HostileDiagramTest::hostileFilesAreRefusedUntouched_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("cause");
    QTest::newRow("30,000 nested elements") << nested(30000)
                                            << "Line 1: its elements are nested more than 3 levels deep.";
    // The scan stops at the first error; the parser would still recurse through what follows.
    QTest::newRow("nesting after an error")
        << QByteArray("<installation_diagram><panel x=1/>").append(QByteArray("<a>").repeated(30000))
        << "Line 1: its elements are nested more than 3 levels deep.";
    QTest::newRow("entity expansion")
        << "<!DOCTYPE d [<!ENTITY e '" + QByteArray(10000, 'x') + "'>]>\n" + diagram("<panel id='&e;'/>")
        << "Line 1: it declares a document type, which diagrams never do.";
    QTest::newRow("caption of 2,000,000 characters")
        << diagram(isolatorWithCaption(QByteArray(2000000, 'w')))
        << "Line 2: the text of text is longer than 2000 characters.";
    QTest::newRow("caption one past the limit")
        << diagram(isolatorWithCaption(QByteArray(2001, 'w')))
        << "Line 2: the text of text is longer than 2000 characters.";
    QTest::newRow("&amp; a million times") << diagram(isolatorWithCaption(QByteArray("&amp;").repeated(1000000)))
                                           << "Line 2: the text of text is longer than 2000 characters.";
    QTest::newRow("5,001 boxes") << panels(5001) << "Line 5002: it holds more than 5000 boxes and wires.";
    QTest::newRow("201 wires on one box") << wiresBetweenTwoBoxes(201)
                                          << "Line 204: more than 200 wires end at one box.";
    QTest::newRow("9 MB") << diagram(QByteArray(9 * 1024 * 1024, ' ')) << "It is larger than 8 MB.";
}

void HostileDiagramTest::hostileFilesAreRefusedUntouched()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, cause);
    const QString path = SceneInput::writeFile(folder.path(), QStringLiteral("site.arvid"), content);
    DiagramGraphicsScene scene;

    const Failure failure = scene.load(path);

    QCOMPARE(failure.text, QStringLiteral("%1 cannot be opened: it is damaged or holds more than a diagram can.").arg(path));
    QCOMPARE(failure.informativeText, cause);
    QVERIFY(scene.items().isEmpty());
    QCOMPARE(SceneInput::readFile(path), content);
}

void HostileDiagramTest::limitsAdmitWhatTheyName()
{
    DiagramGraphicsScene caption;
    QVERIFY(!caption.load(SceneInput::writeFile(folder.path(), QStringLiteral("caption.arvid"),
                                                diagram(isolatorWithCaption(QByteArray(2000, 'w')))))
                 .failed());
    DiagramGraphicsScene wires;
    QVERIFY(!wires.load(SceneInput::writeFile(folder.path(), QStringLiteral("wires.arvid"), wiresBetweenTwoBoxes(200))).failed());
    int loadedWires = 0;
    for (QGraphicsItem* item : wires.items())
        loadedWires += dynamic_cast<DiagramConnection*>(item) ? 1 : 0;
    QCOMPARE(loadedWires, 200);
}

void HostileDiagramTest::pipeIsRefusedWithoutWaiting()
{
    const QString pipe = QDir(folder.path()).filePath(QStringLiteral("Pipe.arvid"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    DiagramGraphicsScene scene;

    QCOMPARE(scene.load(pipe).informativeText,
             QStringLiteral("It is not a regular file: folders, devices and pipes cannot be opened as diagrams."));
}

VELTRANO_TEST(HostileDiagramTest)
#include "HostileDiagramTest.moc"
