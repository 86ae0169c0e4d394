#include "CurveModuleDatabase.h"
#include "CurveModulesDlg.h"
#include "CurveModulesEditDlg.h"
#include "ModuleDatabaseFixture.h"
#include "ScriptedPrompts.h"
#include "TestCurveFile.h"
#include "TestMain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace IVCurve;

namespace {
int rowOf(QTableWidget* table, const QString& description)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0)->text() == description)
            return row;
    }
    return -1;
}

void selectOnly(QTableWidget* table, const QString& description)
{
    table->clearSelection();
    table->selectRow(rowOf(table, description));
}

CurveModuleRow stored(QTableWidget* table, int row)
{
    CurveModuleRow module;
    CurveModuleDatabase(TestCurveFile::messageBoxes()).moduleById(table->item(row, 0)->data(Qt::UserRole).toUInt(), module);
    return module;
}

void fillEditor(QWidget* dialog, const QStringList& values)
{
    auto* editor = qobject_cast<CurveModulesEditDlg*>(dialog);
    QVERIFY(editor);
    for (int which = 0; which < values.size(); ++which)
        editor->field(CurveModulesEditDlg::Field(which))->setText(values.at(which));
    editor->accept();
}
} // namespace

class CurveModulesDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void copyingTwiceAppendsCopyTwice();
    void deletingAUserModuleAsksNothing();
    void preloadedModuleIsDeletedOnlyAfterOk();
    void addStoresAUserModuleAndEditKeepsItsKind();
    void missingDatabaseLeavesOnlyClose();
};

void CurveModulesDlgTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
}

void CurveModulesDlgTest::copyingTwiceAppendsCopyTwice()
{
    ModuleDatabaseFixture fixture;
    ScriptedPrompts prompts;
    CurveModulesDlg dialog;
    QTableWidget* table = dialog.modulesTable();
    QCOMPARE(table->rowCount(), 32);
    selectOnly(table, "Kyocera KC200GT");
    dialog.clickCopy();
    selectOnly(table, "Kyocera KC200GT (Copy)");
    dialog.clickCopy();
    const int second = rowOf(table, "Kyocera KC200GT (Copy) (Copy)");
    QCOMPARE(second, 33);
    QVERIFY(stored(table, second).userModule);
    QCOMPARE(stored(table, second).Isc, 8.21);
    QCOMPARE(fixture.count("UserModule=1"), 2);
    QCOMPARE(prompts.shown().size(), 0);
}

void CurveModulesDlgTest::deletingAUserModuleAsksNothing()
{
    ModuleDatabaseFixture fixture;
    ScriptedPrompts prompts;
    CurveModulesDlg dialog;
    QTableWidget* table = dialog.modulesTable();
    selectOnly(table, "Kyocera KC200GT");
    dialog.clickCopy();
    selectOnly(table, "Kyocera KC200GT (Copy)");
    dialog.clickDelete();
    QCOMPARE(prompts.shown().size(), 0);
    QCOMPARE(rowOf(table, "Kyocera KC200GT (Copy)"), -1);
    QCOMPARE(table->rowCount(), 32);
    QCOMPARE(fixture.count(), 32);
}

void CurveModulesDlgTest::preloadedModuleIsDeletedOnlyAfterOk()
{
    ModuleDatabaseFixture fixture;
    ScriptedPrompts prompts;
    CurveModulesDlg dialog;
    QTableWidget* table = dialog.modulesTable();
    selectOnly(table, "Kyocera KC200GT");
    prompts.answerMessage(QMessageBox::Cancel);
    dialog.clickDelete();
    QCOMPARE(prompts.last().message.text,
             QStringLiteral("Deleting a preloaded module.\nKyocera KC200GT\nDo you wish to continue?"));
    QCOMPARE(prompts.last().message.title, QStringLiteral("Arventa"));
    QCOMPARE(prompts.last().message.icon, QMessageBox::Information);
    QCOMPARE(prompts.last().message.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QVERIFY(rowOf(table, "Kyocera KC200GT") >= 0);
    QCOMPARE(fixture.count(), 32);
}

void CurveModulesDlgTest::addStoresAUserModuleAndEditKeepsItsKind()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ModuleDatabaseFixture fixture;
    ScriptedPrompts prompts;
    CurveModulesDlg dialog;
    QTableWidget* table = dialog.modulesTable();
    ModuleDatabaseFixture::onNextDialog([](QWidget* editor) {
        fillEditor(editor, {"Zeta 400", "9,5", "40,1", "9", "33,4", "0,0048", "-0,115", "0,085", "0,28"});
    });
    dialog.clickAdd();
    const int added = rowOf(table, "Zeta 400");
    QCOMPARE(added, 32);
    CurveModuleRow module = stored(table, added);
    QVERIFY(module.userModule);
    QCOMPARE(module.Voc, 40.1);
    QCOMPARE(module.beta, -0.115);

    const int preloaded = rowOf(table, "Kyocera KC200GT");
    ModuleDatabaseFixture::onNextDialog([](QWidget* editor) {
        auto* edit = qobject_cast<CurveModulesEditDlg*>(editor);
        QCOMPARE(edit->field(CurveModulesEditDlg::Isc)->text(), QStringLiteral("8,21"));
        edit->field(CurveModulesEditDlg::Description)->setText("Kyocera KC200GT-2");
        edit->accept();
    });
    dialog.dblclickModules(preloaded, 0);
    QCOMPARE(table->item(preloaded, 0)->text(), QStringLiteral("Kyocera KC200GT-2"));
    module = stored(table, preloaded);
    QCOMPARE(module.description, QStringLiteral("Kyocera KC200GT-2"));
    QVERIFY(!module.userModule);
    QCOMPARE(prompts.shown().size(), 0);
    QLocale::setDefault(QLocale::c());
}

void CurveModulesDlgTest::missingDatabaseLeavesOnlyClose()
{
    QTemporaryDir folder;
    CurveModuleDatabase::relocate(folder.filePath("modules.db"), {});
    ScriptedPrompts prompts;
    CurveModulesDlg dialog;
    QCOMPARE(dialog.modulesTable()->rowCount(), 0);
    QVERIFY(!dialog.addButton()->isEnabled());
    QVERIFY(!dialog.editButton()->isEnabled());
    QCOMPARE(prompts.shown().size(), 1);
    QVERIFY(prompts.last().message.text.startsWith("File is missing:\n "));
    CurveModuleDatabase::relocate(QString(), {});
}

VELTRANO_TEST(CurveModulesDlgTest)
#include "CurveModulesDlgTest.moc"
