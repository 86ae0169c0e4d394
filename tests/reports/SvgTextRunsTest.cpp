#include "SvgTextRuns.h"
#include "TestMain.h"

#include <QTest>

// The plain texts of a form's drawing, taken out to be drawn as text.
class SvgTextRunsTest : public QObject
{
    Q_OBJECT

private slots:
    void plainTextsLeaveTheDrawingMappedToItsSize();
    void textsWithMarkupOrTransformsStay();
    void anchorMovesTheStart();
    void whatIsNoSvgChangesNothing();
};

void SvgTextRunsTest::plainTextsLeaveTheDrawingMappedToItsSize()
{
    // Shown twice as large as its viewBox, which starts at (5, 10).
    const QByteArray svg = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="100" viewBox="5 10 100 50">
        <rect x="5" y="10" width="10" height="10"/>
        <text x="15" y="30" font-family="Arial" font-size="8" font-weight="bold" fill="#ff0000"
              text-anchor="middle">Client  name</text>
        <text x="5" y="10" font-style="italic">Date</text></svg>)svg";
    QByteArray shapes;
    QVector<SvgTextRun> runs;
    QVERIFY(SvgTextRuns::split(svg, shapes, runs));
    QCOMPARE(runs.size(), 2);
    QCOMPARE(runs.at(0).baseline, QPointF(20, 40));
    QCOMPARE(runs.at(0).text, QStringLiteral("Client name"));
    QCOMPARE(runs.at(0).family, QStringLiteral("Arial"));
    QCOMPARE(runs.at(0).size, 16.0);
    QVERIFY(runs.at(0).bold);
    QVERIFY(!runs.at(0).italic);
    QCOMPARE(runs.at(0).colour, QColor(255, 0, 0));
    QCOMPARE(runs.at(0).anchor, QStringLiteral("middle"));
    // SVG's defaults: 16 units, black, anchored at the start.
    QCOMPARE(runs.at(1).baseline, QPointF(0, 0));
    QCOMPARE(runs.at(1).size, 32.0);
    QVERIFY(runs.at(1).italic);
    QCOMPARE(runs.at(1).colour, QColor(Qt::black));
    QCOMPARE(runs.at(1).anchor, QStringLiteral("start"));
    QVERIFY(!shapes.contains("<text"));
    QVERIFY(shapes.contains("<rect"));
}

void SvgTextRunsTest::textsWithMarkupOrTransformsStay()
{
    const QByteArray svg = R"svg(<svg width="10" height="10">
        <text x="1" y="2">a <tspan>b</tspan></text>
        <g transform="rotate(90)"><text x="1" y="2">turned</text></g>
        <text x="1" y="2" style="font-size:4px">styled</text>
        <text x="1" y="2">plain</text></svg>)svg";
    QByteArray shapes;
    QVector<SvgTextRun> runs;
    QVERIFY(SvgTextRuns::split(svg, shapes, runs));
    QCOMPARE(runs.size(), 1);
    QCOMPARE(runs.first().text, QStringLiteral("plain"));
    QCOMPARE(runs.first().baseline, QPointF(1, 2));
    QCOMPARE(shapes.count("<text"), 3);
    QVERIFY(!shapes.contains("plain"));
}

void SvgTextRunsTest::anchorMovesTheStart()
{
    SvgTextRun run;
    run.baseline = QPointF(100, 50);
    run.anchor = QStringLiteral("middle");
    QCOMPARE(SvgTextRuns::start(run, 30), QPointF(85, 50));
    run.anchor = QStringLiteral("end");
    QCOMPARE(SvgTextRuns::start(run, 30), QPointF(70, 50));
    run.anchor = QStringLiteral("start");
    QCOMPARE(SvgTextRuns::start(run, 30), QPointF(100, 50));
}

void SvgTextRunsTest::whatIsNoSvgChangesNothing()
{
    QByteArray shapes("before");
    QVector<SvgTextRun> runs(1);
    QVERIFY(!SvgTextRuns::split("<html><text>x</text></html>", shapes, runs));
    QVERIFY(!SvgTextRuns::split("<svg><text>", shapes, runs));
    QCOMPARE(shapes, QByteArray("before"));
    QCOMPARE(runs.size(), 1);
}

VELTRANO_TEST(SvgTextRunsTest)

#include "SvgTextRunsTest.moc"
