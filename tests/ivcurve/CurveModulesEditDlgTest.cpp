#include "CurveModuleDatabase.h"
#include "CurveModulesEditDlg.h"
#include "FavouriteStarButton.h"
#include "ModuleDatabaseFixture.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace IVCurve;

namespace {
void fill(CurveModulesEditDlg& dialog, const QStringList& values)
{
    for (int which = 0; which < values.size(); ++which)
        dialog.field(CurveModulesEditDlg::Field(which))->setText(values.at(which));
}

const QStringList validModule{"Zeta 400", "9.5", "40.1", "9", "33.4", "0.0048", "-0.115", "0.085", "0.28"};
} // namespace

class CurveModulesEditDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void showsTheModuleInTheUsersLocale();
    void numberInTheOtherLocaleKeepsTheDialogOpen();
    void emptyDescriptionKeepsTheDialogOpen();
    void favouriteStarIsStored();
    void percentButtonsUseThisDialogsIscAndVoc();
    void failingStatementRejectsAndChangesNothing();
};

void CurveModulesEditDlgTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
}

void CurveModulesEditDlgTest::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void CurveModulesEditDlgTest::showsTheModuleInTheUsersLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CurveModuleRow module;
    module.description = "Kyocera KC200GT";
    module.Isc = 8.21;
    module.alpha = 0.004926;
    module.beta = -0.1168;
    module.favourite = true;
    CurveModulesEditDlg dialog(module);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Module"));
    QCOMPARE(dialog.field(CurveModulesEditDlg::Description)->text(), module.description);
    QCOMPARE(dialog.field(CurveModulesEditDlg::Isc)->text(), QStringLiteral("8,21"));
    QCOMPARE(dialog.field(CurveModulesEditDlg::Alpha)->text(), QStringLiteral("0,004926"));
    QCOMPARE(dialog.field(CurveModulesEditDlg::Beta)->text(), QStringLiteral("-0,1168"));
    QVERIFY(dialog.favouriteButton()->isChecked());
    QCOMPARE(dialog.field(CurveModulesEditDlg::Voc)->toolTip(), QStringLiteral("Voltage at open-circuit"));
    QCOMPARE(dialog.field(CurveModulesEditDlg::Delta)->toolTip(),
             QStringLiteral("Anderson's delta coefficient:\nmono-Crystalline 0.085\nmulti-Crystalline 0.110\n"
                            "Thin-Film 0.063"));
    QVERIFY(CurveModulesEditDlg().field(CurveModulesEditDlg::Isc)->text().isEmpty());
}

void CurveModulesEditDlgTest::numberInTheOtherLocaleKeepsTheDialogOpen()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ModuleDatabaseFixture fixture;
    ScriptedPrompts prompts;
    CurveModulesEditDlg dialog;
    dialog.show();
    fill(dialog, {"Zeta 400", "9,5", "1.234", "9", "33,4", "0,0048", "-0,115", "0,085", "0,28"});
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(prompts.messageTexts(), QStringList{"The value of Voc is not a number: \"1.234\""});
    QCOMPARE(fixture.count(), 32);
    QCOMPARE(dialog.field(CurveModulesEditDlg::Voc)->text(), QStringLiteral("1.234"));

    dialog.field(CurveModulesEditDlg::Voc)->setText("40,1");
    dialog.field(CurveModulesEditDlg::Rs)->clear();
    dialog.accept();
    QCOMPARE(prompts.last().message.text, QStringLiteral("The value of Rs is not a number: \"\""));
    QCOMPARE(fixture.count(), 32);
}

void CurveModulesEditDlgTest::emptyDescriptionKeepsTheDialogOpen()
{
    ModuleDatabaseFixture fixture;
    ScriptedPrompts prompts;
    CurveModulesEditDlg dialog;
    dialog.show();
    QStringList values = validModule;
    values[0] = "   ";
    fill(dialog, values);
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompts.messageTexts(), QStringList{"Please enter a description of the module."});
    QCOMPARE(fixture.count(), 32);
}

void CurveModulesEditDlgTest::favouriteStarIsStored()
{
    ModuleDatabaseFixture fixture;
    CurveModulesEditDlg dialog;
    fill(dialog, validModule);
    QTest::mouseClick(dialog.favouriteButton(), Qt::LeftButton);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    CurveModuleRow stored;
    QVERIFY(CurveModuleDatabase().moduleById(dialog.module().id, stored));
    QVERIFY(stored.favourite && stored.userModule);
    QCOMPARE(stored.Imp, 9.0);
    QCOMPARE(fixture.count("Favourite=1"), 1);
}

void CurveModulesEditDlgTest::percentButtonsUseThisDialogsIscAndVoc()
{
    ScriptedPrompts prompts;
    CurveModulesEditDlg dialog;
    fill(dialog, validModule);
    prompts.answer(QStringLiteral("0.1"));
    dialog.slotAlphaPercentClicked();
    QCOMPARE(dialog.field(CurveModulesEditDlg::Alpha)->text(), QStringLiteral("0.0095"));
    prompts.answer(QStringLiteral("-0.5"));
    dialog.slotBetaPercentClicked();
    QCOMPARE(dialog.field(CurveModulesEditDlg::Beta)->text(), QStringLiteral("-0.2005"));

    dialog.field(CurveModulesEditDlg::Voc)->clear();
    dialog.slotBetaPercentClicked();
    QCOMPARE(prompts.last().message.text, QStringLiteral("Voc is missing or zero"));
    QCOMPARE(dialog.field(CurveModulesEditDlg::Beta)->text(), QStringLiteral("-0.2005"));
}

void CurveModulesEditDlgTest::failingStatementRejectsAndChangesNothing()
{
    ModuleDatabaseFixture fixture;
    CurveModuleRow existing;
    QVERIFY(CurveModuleDatabase().moduleById(3, existing));
    QFile::setPermissions(fixture.path(), QFile::ReadOwner);
    if (QFile(fixture.path()).open(QIODevice::WriteOnly))
        QSKIP("running with permissions that ignore a read-only file");
    ScriptedPrompts prompts;
    CurveModulesEditDlg dialog(existing);
    dialog.field(CurveModulesEditDlg::Description)->setText("renamed");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(prompts.shown().size(), 1);
    QVERIFY(prompts.last().message.text.contains("readonly"));
    QCOMPARE(dialog.module().description, existing.description);
    QCOMPARE(fixture.count("Description='renamed'"), 0);
}

VELTRANO_TEST(CurveModulesEditDlgTest)
#include "CurveModulesEditDlgTest.moc"
