#include "PlainDecimal.h"
#include "TestMain.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>

using IVCurve::PlainDecimal;

namespace {
QString fixed3(double value)
{
    QString text;
    PlainDecimal::appendFixed3(text, value);
    return text;
}
} // namespace

class PlainDecimalTest : public QObject
{
    Q_OBJECT

private slots:
    void writesAsTheGeneralConversion_data();
    void writesAsTheGeneralConversion();
    void writesRandomValuesAsTheGeneralConversion();
    void writesIntegersAsTheGeneralConversion();
    void readsPlainDecimalsOnly_data();
    void readsPlainDecimalsOnly();
    void readsRandomValuesAsTheLocale();
    void readsPlainWholeNumbersOnly_data();
    void readsPlainWholeNumbersOnly();
};

void PlainDecimalTest::writesAsTheGeneralConversion_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative zero") << -0.0;
    QTest::newRow("rounds to negative zero") << -0.0001;
    QTest::newRow("exact tie") << 0.0625;
    QTest::newRow("negative exact tie") << -2.1875;
    QTest::newRow("written tie") << 1.0005;
    QTest::newRow("carry into the units") << 9.9996;
    QTest::newRow("measured voltage") << 402.1;
    QTest::newRow("large") << 123456789.0125;
    QTest::newRow("huge") << 3.0e12;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void PlainDecimalTest::writesAsTheGeneralConversion()
{
    QFETCH(double, value);
    QCOMPARE(fixed3(value), QString::number(value, 'f', 3));
}

void PlainDecimalTest::writesRandomValuesAsTheGeneralConversion()
{
    QRandomGenerator random(3);
    for (int i = 0; i < 200000; ++i) {
        const double scale = std::pow(10.0, random.bounded(7) - 2);
        const double value = (random.generateDouble() - 0.3) * scale;
        const double halfway = std::round(value * 2000.0) / 2000.0;
        for (const double candidate : {value, halfway}) {
            if (fixed3(candidate) != QString::number(candidate, 'f', 3))
                QFAIL(qPrintable(QString::number(candidate, 'g', 17)));
        }
    }
}

void PlainDecimalTest::writesIntegersAsTheGeneralConversion()
{
    for (const qint64 value : {qint64(0), qint64(7), qint64(-7), qint64(1000), qint64(-4096),
                               std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::min()}) {
        QString text = QStringLiteral("x");
        PlainDecimal::appendInteger(text, value);
        QCOMPARE(text, "x" + QString::number(value));
    }
}

void PlainDecimalTest::readsPlainDecimalsOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("decimalPoint");
    QTest::addColumn<bool>("plain");
    QTest::addColumn<double>("value");
    QTest::newRow("point") << "-12.345" << QChar('.') << true << -12.345;
    QTest::newRow("comma") << "6,497" << QChar(',') << true << 6.497;
    QTest::newRow("whole") << "690" << QChar('.') << true << 690.0;
    QTest::newRow("comma under a point") << "6,497" << QChar('.') << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << QChar('.') << false << 0.0;
    QTest::newRow("exponent") << "1e3" << QChar('.') << false << 0.0;
    QTest::newRow("sixteen digits") << "1234567890123456" << QChar('.') << false << 0.0;
    QTest::newRow("nine decimals") << "0.123456789" << QChar('.') << false << 0.0;
    QTest::newRow("empty") << "" << QChar('.') << false << 0.0;
    QTest::newRow("minus alone") << "-" << QChar('.') << false << 0.0;
}

void PlainDecimalTest::readsPlainDecimalsOnly()
{
    QFETCH(QString, text);
    QFETCH(QChar, decimalPoint);
    QFETCH(bool, plain);
    QFETCH(double, value);
    double read = 0.0;
    QCOMPARE(PlainDecimal::parse(QStringRef(&text), decimalPoint, read), plain);
    if (plain)
        QCOMPARE(read, value);
}

void PlainDecimalTest::readsRandomValuesAsTheLocale()
{
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    QRandomGenerator random(5);
    for (int i = 0; i < 100000; ++i) {
        const QString text = german.toString((random.generateDouble() - 0.5) * 2000.0, 'f', random.bounded(9));
        double fast = 0.0;
        QVERIFY(PlainDecimal::parse(QStringRef(&text), QChar(','), fast));
        if (fast != german.toDouble(text))
            QFAIL(qPrintable(text));
    }
}

void PlainDecimalTest::readsPlainWholeNumbersOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("plain");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("tag") << "17" << true << 17;
    QTest::newRow("nine digits") << "999999999" << true << 999999999;
    QTest::newRow("ten digits") << "1000000000" << false << 0;
    QTest::newRow("leading zero") << "07" << false << 0;
    QTest::newRow("minus") << "-1" << false << 0;
    QTest::newRow("plus") << "+1" << false << 0;
    QTest::newRow("decimal") << "1.5" << false << 0;
    QTest::newRow("group separator") << "1.000" << false << 0;
    QTest::newRow("space") << " 1" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
}

void PlainDecimalTest::readsPlainWholeNumbersOnly()
{
    QFETCH(QString, text);
    QFETCH(bool, plain);
    QFETCH(int, value);
    int read = -1;
    QCOMPARE(PlainDecimal::parseWhole(QStringRef(&text), read), plain);
    if (plain)
        QCOMPARE(read, value);
}

VELTRANO_TEST(PlainDecimalTest)
#include "PlainDecimalTest.moc"
