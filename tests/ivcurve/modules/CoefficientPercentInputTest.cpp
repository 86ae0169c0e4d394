#include "CoefficientPercentInput.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QTest>

using namespace IVCurve;

class CoefficientPercentInputTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void percentageOfTheReferenceToFourDecimals();
    void missingOrZeroReferenceAsksNothing();
    void unreadableOrOutOfRangeChangesNothing();
};

void CoefficientPercentInputTest::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void CoefficientPercentInputTest::percentageOfTheReferenceToFourDecimals()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ScriptedPrompts prompts;
    QString alpha = "0,004";
    prompts.answer(QStringLiteral("0,0612349"));
    QVERIFY(CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Alpha, "10", alpha));
    QCOMPARE(alpha, QStringLiteral("0,00612"));
    QCOMPARE(prompts.last().label, QStringLiteral("Enter value in percent per centigrade"));
    QString beta = "-0,12";
    prompts.answer(QStringLiteral("-0,25"));
    QVERIFY(CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Beta, "40", beta));
    QCOMPARE(beta, QStringLiteral("-0,1"));
}

void CoefficientPercentInputTest::missingOrZeroReferenceAsksNothing()
{
    ScriptedPrompts prompts;
    QString alpha = "0.004";
    QVERIFY(!CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Alpha, "", alpha));
    QVERIFY(!CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Alpha, "0", alpha));
    QVERIFY(!CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Beta, "4O", alpha));
    QCOMPARE(prompts.messageTexts(),
             (QStringList{"Isc is missing or zero", "Isc is missing or zero", "Voc is missing or zero"}));
    QCOMPARE(prompts.last().message.title, QStringLiteral("Arventa"));
    QCOMPARE(alpha, QStringLiteral("0.004"));
}

void CoefficientPercentInputTest::unreadableOrOutOfRangeChangesNothing()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ScriptedPrompts prompts;
    QString alpha = "0,004";
    QString beta = "-0,12";
    prompts.answer(QStringLiteral("0.05"));
    QVERIFY(!CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Alpha, "8", alpha));
    prompts.answer(QStringLiteral("-0,05"));
    QVERIFY(!CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Alpha, "8", alpha));
    prompts.answer(QStringLiteral("0,3"));
    QVERIFY(!CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Beta, "40", beta));
    QVERIFY(!CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Beta, "40", beta));
    // Only the unreadable number is told about the decimal mark; the others are out of range.
    QCOMPARE(prompts.messageTexts(), (QStringList{"\"0.05\" is not a percentage from 0 to 100.\n"
                                                  "Your language setting writes decimals with a comma, for example 12,5.",
                                                  "\"-0,05\" is not a percentage from 0 to 100.",
                                                  "\"0,3\" is not a percentage from -100 to 0."}));
    QCOMPARE(alpha, QStringLiteral("0,004"));
    QCOMPARE(beta, QStringLiteral("-0,12"));
}

VELTRANO_TEST(CoefficientPercentInputTest)
#include "CoefficientPercentInputTest.moc"
