#include "Prompts.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QTest>
#include <QWidget>

class PromptsReportTest : public QObject
{
    Q_OBJECT

private slots:
    void noFailureShowsNothing();
    void failureIsShownWithEveryPart();
};

void PromptsReportTest::noFailureShowsNothing()
{
    ScriptedPrompts prompts;
    QVERIFY(Prompts::instance().report(nullptr, QMessageBox::Warning, Failure()));
    QVERIFY(Prompts::instance().report(nullptr, QMessageBox::Warning, {QString(), QStringLiteral("advice alone")}));
    QVERIFY(prompts.shown().isEmpty());
}

void PromptsReportTest::failureIsShownWithEveryPart()
{
    ScriptedPrompts prompts;
    QWidget parent;
    const Failure failure{QStringLiteral("plan.arvid cannot be opened."), QStringLiteral("Is it read-only?")};
    QVERIFY(!Prompts::instance().report(&parent, QMessageBox::Critical, failure, QStringLiteral("Curves")));
    QCOMPARE(prompts.shown().size(), 1);
    const MessageRequest& shown = prompts.last().message;
    QCOMPARE(shown.parent, &parent);
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QCOMPARE(shown.title, QStringLiteral("Curves"));
    QCOMPARE(shown.text, QStringLiteral("plan.arvid cannot be opened."));
    QCOMPARE(shown.informativeText, QStringLiteral("Is it read-only?"));
    QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

VELTRANO_TEST(PromptsReportTest)
#include "PromptsReportTest.moc"
