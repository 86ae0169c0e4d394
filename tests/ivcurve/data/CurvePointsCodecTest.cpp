#include "CurveData.h"
#include "CurvePointsCodec.h"
#include "TestMain.h"

#include <QTest>

// The text form of a curve's points in column CurvePoints, both ways, and what odd texts read as.

using IVCurve::CurvePointsCodec;

namespace {
CurveData decoded(const QString& text)
{
    CurveData curve;
    CurvePointsCodec::decode(text, curve);
    return curve;
}
} // namespace

class CurvePointsCodecTest : public QObject
{
    Q_OBJECT

private slots:
    void writesThreeDecimalsAndTheTag();
    void readsWhatItWrote();
    void oddTexts_data();
    void oddTexts();
    void longTextKeepsEveryPoint();
};

void CurvePointsCodecTest::writesThreeDecimalsAndTheTag()
{
    CurveData curve;
    QCOMPARE(CurvePointsCodec::encode(curve), QString());
    curve.addPoint(0.0, 8.5, 0.0);
    curve.addPoint(400.1, 0.0, 0.0);
    QCOMPARE(CurvePointsCodec::encode(curve), QStringLiteral("0.000:8.500:0.000:0#400.100:0.000:0.000:0"));

    CurveData tagged;
    tagged.addPoint(310.2504, -0.0004, 812.25, 17);
    QCOMPARE(CurvePointsCodec::encode(tagged), QStringLiteral("310.250:-0.000:812.250:17"));
}

void CurvePointsCodecTest::readsWhatItWrote()
{
    const QString text = QStringLiteral("0.000:8.512:0.000:0#310.250:8.107:0.000:0#402.100:0.000:0.000:0");
    const CurveData curve = decoded(text);
    QCOMPARE(curve.points().size(), 3);
    QCOMPARE(curve.points().at(1), QPointF(310.25, 8.107));
    QCOMPARE(curve.pointInfo().at(1).irradiance, 0.0);
    QCOMPARE(curve.maxV(), 402.1);
    QCOMPARE(CurvePointsCodec::encode(curve), text);

    // Plain decimals are read to the same double the general conversion gives.
    const CurveData precise = decoded(QStringLiteral("0.1:-12.345:999.999:0#123456789.125:1e3:7:0"));
    QCOMPARE(precise.points().at(0).x(), 0.1);
    QCOMPARE(precise.points().at(0).y(), -12.345);
    QCOMPARE(precise.pointInfo().at(0).irradiance, 999.999);
    QCOMPARE(precise.points().at(1), QPointF(123456789.125, 1000.0));
}

void CurvePointsCodecTest::oddTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("points");
    QTest::addColumn<QPointF>("firstPoint");
    QTest::addColumn<double>("firstIrradiance");

    QTest::newRow("empty") << QString() << 0 << QPointF() << 0.0;
    QTest::newRow("one digit") << QStringLiteral("5") << 1 << QPointF(5.0, 0.0) << 1000.0;
    QTest::newRow("empty part between points") << QStringLiteral("1:2:3:0##4:5:6:0") << 3 << QPointF(1.0, 2.0) << 3.0;
    QTest::newRow("only separators") << QStringLiteral(":::") << 1 << QPointF() << 1000.0;
    QTest::newRow("lone hash") << QStringLiteral("#") << 2 << QPointF() << 1000.0;
    QTest::newRow("truncated") << QStringLiteral("1.5:2.25:80") << 1 << QPointF(1.5, 2.25) << 80.0;
    QTest::newRow("cut inside a field") << QStringLiteral("1.5:2.") << 1 << QPointF(1.5, 2.0) << 1000.0;
    QTest::newRow("bad voltage keeps all defaults") << QStringLiteral("x:2:3:0") << 1 << QPointF() << 1000.0;
    QTest::newRow("bad current keeps irradiance default") << QStringLiteral("7:x:3:0") << 1 << QPointF(7.0, 0.0) << 1000.0;
    QTest::newRow("nan and inf read as missing") << QStringLiteral("nan:inf:-inf:0") << 1 << QPointF() << 1000.0;
    QTest::newRow("five fields") << QStringLiteral("1:2:3:4:5") << 1 << QPointF(1.0, 2.0) << 3.0;
    QTest::newRow("decimal comma") << QStringLiteral("1,5:2:3:0") << 1 << QPointF() << 1000.0;
}

void CurvePointsCodecTest::oddTexts()
{
    QFETCH(QString, text);
    QFETCH(int, points);
    QFETCH(QPointF, firstPoint);
    QFETCH(double, firstIrradiance);
    const CurveData curve = decoded(text);
    QCOMPARE(curve.points().size(), points);
    if (points == 0)
        return;
    QCOMPARE(curve.points().first(), firstPoint);
    QCOMPARE(curve.pointInfo().first().irradiance, firstIrradiance);
    QCOMPARE(curve.pointInfo().first().tag, 0);
    for (const QPointF& point : curve.points())
        QVERIFY(qIsFinite(point.x()) && qIsFinite(point.y()));
}

void CurvePointsCodecTest::longTextKeepsEveryPoint()
{
    const QString point = QStringLiteral("123.456:7.891:812.000:0#");
    QString text = point.repeated(10 * 1024 * 1024 / point.size());
    text.chop(1);
    const CurveData curve = decoded(text);
    QCOMPARE(curve.points().size(), 10 * 1024 * 1024 / point.size());
    QCOMPARE(curve.points().last(), QPointF(123.456, 7.891));
    QCOMPARE(curve.minIrradiance(), 812.0);
}

VELTRANO_TEST(CurvePointsCodecTest)
#include "CurvePointsCodecTest.moc"
