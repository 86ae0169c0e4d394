#include "CurveData.h"
#include "TestMain.h"

#include <QTest>

class CurveDataTest : public QObject
{
    Q_OBJECT

private slots:
    void firstOfEqualMaximaIsTheMaximumPowerPoint();
};

void CurveDataTest::firstOfEqualMaximaIsTheMaximumPowerPoint()
{
    CurveData curve;
    curve.addPoint(0.0, 8.0, 0.0);
    curve.addPoint(100.0, 4.0, 0.0);
    curve.addPoint(200.0, 2.0, 0.0);
    curve.addPoint(300.0, 0.0, 0.0);
    QCOMPARE(curve.mppIndex(), 1);
}

VELTRANO_TEST(CurveDataTest)
#include "CurveDataTest.moc"
