#include "CurveModulesChooser.h"
#include "CurveQSpinBox.h"
#include "FavouriteStarButton.h"
#include "ModuleDatabaseFixture.h"
#include "ScriptedPrompts.h"
#include "SettingsKeys.h"
#include "TestMain.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>

using namespace IVCurve;

namespace {
bool okEnabled(const CurveModulesChooser& chooser)
{
    return chooser.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
}
} // namespace

class CurveModulesChooserTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void listsEveryModuleAndStartsOnTheGivenOne();
    void toggleIsStoredAndRefillsTheList();
};

void CurveModulesChooserTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
}

void CurveModulesChooserTest::init()
{
    QSettings().remove(SettingsKeys::showModuleFavouritesOnly);
}

void CurveModulesChooserTest::listsEveryModuleAndStartsOnTheGivenOne()
{
    ModuleDatabaseFixture fixture;
    CurveModulesChooser chooser(7, 12);
    QCOMPARE(chooser.windowTitle(), QStringLiteral("Choose Module"));
    QComboBox* combo = chooser.modulesCombo();
    QCOMPARE(combo->count(), 32);
    QCOMPARE(combo->currentData().toUInt(), 7u);
    QVERIFY(!chooser.favouritesButton()->isChecked());
    CurveModuleRow module;
    QVERIFY(chooser.chosenModule(module));
    QCOMPARE(module.id, 7u);
    QCOMPARE(module.description, combo->currentText());
    QCOMPARE(chooser.series(), 12u);

    chooser.seriesSpinBox()->setValue(0);
    QCOMPARE(chooser.series(), 1u);
    QVERIFY(okEnabled(chooser));
}

void CurveModulesChooserTest::toggleIsStoredAndRefillsTheList()
{
    ModuleDatabaseFixture fixture;
    QVERIFY(fixture.execute("UPDATE Modules SET Favourite = 1 WHERE _id IN (4, 9)"));
    CurveModulesChooser chooser(9);
    QTest::mouseClick(chooser.favouritesButton(), Qt::LeftButton);
    QVERIFY(QSettings().value(SettingsKeys::showModuleFavouritesOnly).toBool());
    QCOMPARE(chooser.modulesCombo()->count(), 2);
    QCOMPARE(chooser.modulesCombo()->currentData().toUInt(), 9u);

    QTest::mouseClick(chooser.favouritesButton(), Qt::LeftButton);
    QVERIFY(!QSettings().value(SettingsKeys::showModuleFavouritesOnly).toBool());
    QCOMPARE(chooser.modulesCombo()->count(), 32);
    QCOMPARE(chooser.modulesCombo()->currentData().toUInt(), 9u);

    // Favourites only, and none marked: nothing to choose.
    QVERIFY(fixture.execute("UPDATE Modules SET Favourite = 0"));
    QTest::mouseClick(chooser.favouritesButton(), Qt::LeftButton);
    QCOMPARE(chooser.modulesCombo()->count(), 0);
    CurveModuleRow module;
    QVERIFY(!chooser.chosenModule(module));
    QVERIFY(!okEnabled(chooser));
    QVERIFY(CurveModulesChooser().favouritesButton()->isChecked());
}

VELTRANO_TEST(CurveModulesChooserTest)
#include "CurveModulesChooserTest.moc"
