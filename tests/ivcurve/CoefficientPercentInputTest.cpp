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
    void alphaIsAPercentageOfIsc();
    void betaIsAPercentageOfVocInTheUsersLocale();
    void missingOrZeroReferenceAsksNothing();
    void percentageOutsideItsRangeOrUnreadableChangesNothing();
    void cancelChangesNothing();
};

void CoefficientPercentInputTest::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void CoefficientPercentInputTest::alphaIsAPercentageOfIsc()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    ScriptedPrompts prompts;
    prompts.answer(QStringLiteral("0.05"));
    QString alpha = "0.004";
    QVERIFY(CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Alpha, "8", alpha));
    QCOMPARE(prompts.last().kind, ShownPrompt::Text);
    QCOMPARE(prompts.last().label, QStringLiteral("Enter value in percent per centigrade"));
    QCOMPARE(alpha, QStringLiteral("0.004"));

    prompts.answer(QStringLiteral("0.0612349"));
    QVERIFY(CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Alpha, "10", alpha));
    QCOMPARE(alpha, QStringLiteral("0.00612"));
}

void CoefficientPercentInputTest::betaIsAPercentageOfVocInTheUsersLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ScriptedPrompts prompts;
    prompts.answer(QStringLiteral("-0,3"));
    QString beta = "-0,12";
    QVERIFY(CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Beta, "40", beta));
    QCOMPARE(beta, QStringLiteral("-0,12"));
    QCOMPARE(prompts.shown().size(), 1);

    prompts.answer(QStringLiteral("-0,25"));
    QVERIFY(CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Beta, "40", beta));
    QCOMPARE(beta, QStringLiteral("-0,1"));
}

void CoefficientPercentInputTest::missingOrZeroReferenceAsksNothing()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
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

void CoefficientPercentInputTest::percentageOutsideItsRangeOrUnreadableChangesNothing()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ScriptedPrompts prompts;
    QString alpha = "0,004";
    prompts.answer(QStringLiteral("-0,05"));
    QVERIFY(!CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Alpha, "8", alpha));
    prompts.answer(QStringLiteral("0.05"));
    QVERIFY(!CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Alpha, "8", alpha));
    QString beta = "-0,12";
    prompts.answer(QStringLiteral("0,3"));
    QVERIFY(!CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Beta, "40", beta));
    QCOMPARE(alpha, QStringLiteral("0,004"));
    QCOMPARE(beta, QStringLiteral("-0,12"));
    const QStringList texts = prompts.messageTexts();
    QCOMPARE(texts.size(), 3);
    QCOMPARE(texts.at(1), QStringLiteral("\"0.05\" is not a percentage from 0 to 100."));
    QCOMPARE(texts.at(2), QStringLiteral("\"0,3\" is not a percentage from -100 to 0."));
}

void CoefficientPercentInputTest::cancelChangesNothing()
{
    ScriptedPrompts prompts;
    QString alpha = "0.004";
    QVERIFY(!CoefficientPercentInput::ask(nullptr, CoefficientPercentInput::Alpha, "8", alpha));
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(alpha, QStringLiteral("0.004"));
}

VELTRANO_TEST(CoefficientPercentInputTest)
#include "CoefficientPercentInputTest.moc"
