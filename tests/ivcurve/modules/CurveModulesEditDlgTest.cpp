#include "CurveModuleDatabase.h"
#include "CurveModulesEditDlg.h"
#include "FavouriteStarButton.h"
#include "ModuleDatabaseFixture.h"
#include "ScriptedPrompts.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QLineEdit>
#include <QTest>

using namespace IVCurve;

namespace {
void fill(CurveModulesEditDlg& dialog, const QStringList& values)
{
    for (int which = 0; which < values.size(); ++which)
        dialog.field(CurveModulesEditDlg::Field(which))->setText(values.at(which));
}
} // namespace

class CurveModulesEditDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void newModuleIsStoredAsAFavouriteUserModule();
    void unreadableInputKeepsTheDialogOpen();
    void percentButtonsUseThisDialogsIscAndVoc();
    void failingStatementRejectsAndChangesNothing();
    void cellsInSeriesAndKappaMayStayEmpty();
};

void CurveModulesEditDlgTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
}

void CurveModulesEditDlgTest::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void CurveModulesEditDlgTest::newModuleIsStoredAsAFavouriteUserModule()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ModuleDatabaseFixture fixture;
    CurveModulesEditDlg dialog;
    fill(dialog, {"Zeta 400", "9,5", "40,1", "9", "33,4", "0,0048", "-0,115", "0,085", "0,28"});
    QTest::mouseClick(dialog.favouriteButton(), Qt::LeftButton);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    CurveModuleRow stored;
    QVERIFY(CurveModuleDatabase(TestCurveFile::messageBoxes()).moduleById(dialog.module().id, stored));
    QVERIFY(stored.favourite && stored.userModule);
    QCOMPARE(stored.Voc, 40.1);
    QCOMPARE(stored.beta, -0.115);

    CurveModulesEditDlg reopened(stored);
    QCOMPARE(reopened.field(CurveModulesEditDlg::Alpha)->text(), QStringLiteral("0,0048"));
    QVERIFY(reopened.favouriteButton()->isChecked());
}

void CurveModulesEditDlgTest::unreadableInputKeepsTheDialogOpen()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ModuleDatabaseFixture fixture;
    ScriptedPrompts prompts;
    CurveModulesEditDlg dialog;
    dialog.show();
    fill(dialog, {"Zeta 400", "9,5", "40.1", "9", "33,4", "0,0048", "-0,115", "0,085", ""});
    dialog.accept();
    dialog.field(CurveModulesEditDlg::Voc)->setText("40,1");
    dialog.accept();
    dialog.field(CurveModulesEditDlg::Description)->setText("  ");
    dialog.accept();
    QVERIFY(dialog.isVisible());
    // German is read with a decimal comma even where the program speaks English.
    const QString comma = "\nYour language setting writes decimals with a comma, for example 12,5.";
    QCOMPARE(prompts.messageTexts(), (QStringList{"The value of Voc is not a number: \"40.1\"" + comma,
                                                  "The value of Rs is not a number: \"\"" + comma,
                                                  "Please enter a description of the module."}));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    dialog.field(CurveModulesEditDlg::Description)->setText("Zeta 400");
    dialog.field(CurveModulesEditDlg::Rs)->setText("0,35");
    dialog.accept();
    QCOMPARE(prompts.messageTexts().last(), QStringLiteral("The value of Isc is not a number: \"9,5\"\n"
                                                           "Your language setting writes decimals with a point, "
                                                           "for example 12.5."));
    QCOMPARE(fixture.count(), 32);
}

void CurveModulesEditDlgTest::percentButtonsUseThisDialogsIscAndVoc()
{
    ScriptedPrompts prompts;
    CurveModulesEditDlg dialog;
    fill(dialog, {"Zeta 400", "9.5", "40.1", "9", "33.4", "0.0048", "-0.115"});
    prompts.answer(QStringLiteral("0.1"));
    dialog.slotAlphaPercentClicked();
    prompts.answer(QStringLiteral("-0.5"));
    dialog.slotBetaPercentClicked();
    QCOMPARE(dialog.field(CurveModulesEditDlg::Alpha)->text(), QStringLiteral("0.0095"));
    QCOMPARE(dialog.field(CurveModulesEditDlg::Beta)->text(), QStringLiteral("-0.2005"));
}

void CurveModulesEditDlgTest::failingStatementRejectsAndChangesNothing()
{
    ModuleDatabaseFixture fixture;
    QVERIFY(fixture.execute("CREATE TRIGGER refuse BEFORE UPDATE ON Modules "
                            "BEGIN SELECT RAISE(ABORT, 'attempt to write a readonly database'); END"));
    CurveModuleRow existing;
    QVERIFY(CurveModuleDatabase(TestCurveFile::messageBoxes()).moduleById(3, existing));
    ScriptedPrompts prompts;
    CurveModulesEditDlg dialog(existing);
    dialog.field(CurveModulesEditDlg::Description)->setText("renamed");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(prompts.last().message.text.contains("readonly"));
    QCOMPARE(dialog.module().description, existing.description);
    QCOMPARE(fixture.count("Description='renamed'"), 0);
}

// A data sheet without them leaves both empty; a cell count must be whole, from 1 to 1000.
void CurveModulesEditDlgTest::cellsInSeriesAndKappaMayStayEmpty()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ModuleDatabaseFixture fixture;
    ScriptedPrompts prompts;
    CurveModulesEditDlg dialog;
    dialog.show();
    const QStringList values{"Zeta 400", "9,5", "40,1", "9", "33,4", "0,0048", "-0,115", "0,085", "0,28"};
    for (const char* refused : {"60,5", "0", "1001", "sixty"}) {
        fill(dialog, values + QStringList{QString::fromLatin1(refused), ""});
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QVERIFY(prompts.messageTexts().last().startsWith("The value of cells in series must be a whole number from "
                                                         "1 to 1000, or empty: \""));
    }
    fill(dialog, values + QStringList{"1000", "zwei"});
    dialog.accept();
    QVERIFY(prompts.messageTexts().last().startsWith("The value of κ is not a number: \"zwei\""));
    QCOMPARE(fixture.count(), 32);

    fill(dialog, values + QStringList{"", ""});
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    CurveModuleRow stored;
    QVERIFY(CurveModuleDatabase().moduleById(dialog.module().id, stored));
    QCOMPARE(stored.cellsInSeries, 0);
    QCOMPARE(fixture.count("CellsInSeries IS NULL"), 1);

    stored.cellsInSeries = 72;
    stored.kappa = 0.0015;
    CurveModulesEditDlg reopened(stored);
    QCOMPARE(reopened.field(CurveModulesEditDlg::CellsInSeries)->text(), QStringLiteral("72"));
    QCOMPARE(reopened.field(CurveModulesEditDlg::Kappa)->text(), QStringLiteral("0,0015"));
}

VELTRANO_TEST(CurveModulesEditDlgTest)
#include "CurveModulesEditDlgTest.moc"
