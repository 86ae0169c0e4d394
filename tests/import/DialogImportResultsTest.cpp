#include "CsvResultsModel.h"
#include "CsvResultsTestTypeDelegate.h"
#include "DialogImportResults.h"
#include "ResultsCsv.h"
#include "ResultsFiles.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTranslator>
#include <QCommandLinkButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {
QTableView* tableOf(const DialogImportResults& dialog)
{
    return dialog.findChild<QTableView*>();
}

QModelIndexList emitted(const QSignalSpy& spy)
{
    return spy.isEmpty() ? QModelIndexList() : spy.last().at(0).value<QModelIndexList>();
}

void doubleClick(QTableView* table, const QModelIndex& index)
{
    const QPoint centre = table->visualRect(index).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
}
} // namespace

class DialogImportResultsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsEmptyAndModeless();
    void loadNamesTheFileAndOpensPoleChoices();
    void choosingNegativeEarthStoresEight();
    void importButtonEmitsSelectedRowsInFileOrder();
    void doubleClickImportsOneRowUnlessItChoosesAPole();
    void unopenableFileKeepsTheTable();
    void fileWithoutTestTypeDropsTheDelegate();
    void notAResultsFileIsSaidAndRefusedFileKeepsTheTable();
    void poleChoicesOpenOnlyOnRowsInView();
    void loadedResultsShowEveryValueAndAreExplained();
    void testTypesSpeakGerman();

private:
    std::unique_ptr<DialogImportResults> dialog;
};

void DialogImportResultsTest::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    dialog = std::make_unique<DialogImportResults>();
}

void DialogImportResultsTest::cleanup()
{
    dialog.reset();
    QLocale::setDefault(QLocale::system());
}

void DialogImportResultsTest::startsEmptyAndModeless()
{
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Import Results"));
    QCOMPARE(dialog->size(), QSize(424, 352));
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->findChild<QCommandLinkButton*>()->text(), QStringLiteral("Import row(s)"));
    QCOMPARE(dialog->model()->rowCount(), 0);
}

void DialogImportResultsTest::loadNamesTheFileAndOpensPoleChoices()
{
    QVERIFY(dialog->load(ResultsFiles::samplePath(QStringLiteral("results-point.csv"))));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Import Results - results-point.csv"));
    QTableView* table = tableOf(*dialog);
    QVERIFY(qobject_cast<CsvResultsTestTypeDelegate*>(table->itemDelegateForColumn(1)));
    for (int row = 0; row < 6; ++row)
        QCOMPARE(table->isPersistentEditorOpen(dialog->model()->index(row, 1)), row == 2);

    QVERIFY(dialog->load(ResultsFiles::samplePath(QStringLiteral("results-point.csv"))));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(table->findChildren<QComboBox*>().size(), 1);
}

void DialogImportResultsTest::loadedResultsShowEveryValueAndAreExplained()
{
    QVERIFY(dialog->load(ResultsFiles::samplePath(QStringLiteral("results-point.csv"))));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QTableView* table = tableOf(*dialog);
    // Every column fits beside the row numbers, unless the screen is too narrow for them.
    const int screenWidth = dialog->screen()->availableGeometry().width();
    QVERIFY(dialog->width() > 424);
    QVERIFY2(table->horizontalHeader()->length() <= table->viewport()->width() || dialog->width() >= screenWidth * 9 / 10,
             qPrintable(QStringLiteral("%1 of %2").arg(table->viewport()->width()).arg(table->horizontalHeader()->length())));
    QStringList labels;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        labels << label->text();
    QVERIFY(labels.contains(
        QStringLiteral("Rows in red carry a fault flagged by the tester. For an insulation result, choose in its "
                       "drop-down whether the positive or the negative pole was measured against earth.")));
}

void DialogImportResultsTest::testTypesSpeakGerman()
{
    QTranslator german;
    QVERIFY(german.load(QCoreApplication::applicationDirPath() + QStringLiteral("/Translations/arventa_de.qm")));
    QCoreApplication::installTranslator(&german);
    const QStringList names {CsvResultsTestTypeDelegate::testTypeName(ResultsCsv::Continuity),
                             CsvResultsTestTypeDelegate::testTypeName(ResultsCsv::PositiveEarthInsulation),
                             CsvResultsTestTypeDelegate::testTypeName(ResultsCsv::NegativeEarthInsulation),
                             CsvResultsTestTypeDelegate::testTypeName(ResultsCsv::AutoTestAndCurve)};
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(names, (QStringList {QStringLiteral("Durchgang"), QStringLiteral("Isolation Plus gegen Erde"),
                                  QStringLiteral("Isolation Minus gegen Erde"), QStringLiteral("AutoTest & Kennlinie")}));
}

void DialogImportResultsTest::choosingNegativeEarthStoresEight()
{
    QVERIFY(dialog->load(ResultsFiles::samplePath(QStringLiteral("results-point.csv"))));
    dialog->show();
    const QModelIndex insulation = dialog->model()->index(2, 1);
    auto* combo = qobject_cast<QComboBox*>(tableOf(*dialog)->indexWidget(insulation));
    QVERIFY(combo);
    QCOMPARE(combo->currentText(), QStringLiteral("Positive-earth insulation"));
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), QStringLiteral("Negative-earth insulation"));
    QCOMPARE(dialog->model()->field(2, 1), QStringLiteral("8"));
    QCOMPARE(dialog->model()->testTypeCode(insulation), 8u);
}

void DialogImportResultsTest::importButtonEmitsSelectedRowsInFileOrder()
{
    QVERIFY(dialog->load(ResultsFiles::samplePath(QStringLiteral("results-point.csv"))));
    dialog->show();
    QSignalSpy spy(dialog.get(), &DialogImportResults::importRow);
    auto* button = dialog->findChild<QCommandLinkButton*>();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(spy.count(), 0);

    QTableView* table = tableOf(*dialog);
    QItemSelectionModel* selection = table->selectionModel();
    selection->select(dialog->model()->index(4, 3), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection->select(dialog->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(emitted(spy), (QModelIndexList{dialog->model()->index(1, 0), dialog->model()->index(4, 0)}));
}

void DialogImportResultsTest::doubleClickImportsOneRowUnlessItChoosesAPole()
{
    QVERIFY(dialog->load(ResultsFiles::samplePath(QStringLiteral("results-point.csv"))));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QSignalSpy spy(dialog.get(), &DialogImportResults::importRow);
    QTableView* table = tableOf(*dialog);
    doubleClick(table, dialog->model()->index(5, 2));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(emitted(spy), QModelIndexList{dialog->model()->index(5, 2)});

    doubleClick(table, dialog->model()->index(3, 1));
    QCOMPARE(spy.count(), 1);
    QVERIFY(qobject_cast<QComboBox*>(table->indexWidget(dialog->model()->index(3, 1))));
}

void DialogImportResultsTest::unopenableFileKeepsTheTable()
{
    QVERIFY(dialog->load(ResultsFiles::samplePath(QStringLiteral("results-point.csv"))));
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("Messung 3.csv"));
    QVERIFY(!dialog->load(missing));
    QCOMPARE(prompts.messageTexts(), QStringList{QStringLiteral("Error opening %1 for reading.").arg(missing)});
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Import Results - results-point.csv"));
    QCOMPARE(dialog->model()->rowCount(), 6);
}

void DialogImportResultsTest::fileWithoutTestTypeDropsTheDelegate()
{
    QVERIFY(dialog->load(ResultsFiles::samplePath(QStringLiteral("results-point.csv"))));
    QTemporaryDir folder;
    const QString path = ResultsFiles::write(folder, QStringLiteral("plain.csv"),
                                             "PVT,7\r\nIndex,Kind,Voc (VDC)\r\n1,4,300.5\r\n");
    QVERIFY(dialog->load(path));
    QTableView* table = tableOf(*dialog);
    QVERIFY(!table->itemDelegateForColumn(1));
    QVERIFY(!table->isPersistentEditorOpen(dialog->model()->index(0, 1)));
    QCOMPARE(dialog->model()->testTypeCode(dialog->model()->index(0, 1)), 0u);
}

void DialogImportResultsTest::notAResultsFileIsSaidAndRefusedFileKeepsTheTable()
{
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    const QString notes = ResultsFiles::write(folder, QStringLiteral("notes.csv"), "Shopping list\nbread\n");
    QVERIFY(!dialog->load(notes));
    QCOMPARE(prompts.messageTexts(),
             QStringList{notes + QStringLiteral(" is not a results file of a PV tester: its second line names no "
                                                "columns.")});
    QVERIFY(dialog->load(ResultsFiles::samplePath(QStringLiteral("results-point.csv"))));
    const QString damaged = ResultsFiles::write(folder, QStringLiteral("damaged.csv"),
                                                "PVT,1\nIndex,Voc (VDC)\n1," + QByteArray(5000, '7') + "\n");
    QVERIFY(!dialog->load(damaged));
    QVERIFY(prompts.messageTexts().last().startsWith(QStringLiteral("Line 3 of ") + damaged));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Import Results - results-point.csv"));
    QCOMPARE(dialog->model()->rowCount(), 6);
}

void DialogImportResultsTest::poleChoicesOpenOnlyOnRowsInView()
{
    QTemporaryDir folder;
    QByteArray bytes = "PVT,1\nIndex,TestType,Riso (MOhm)\n";
    for (int row = 0; row < 100000; ++row)
        bytes += QByteArray::number(row) + ",4,500\n";
    QVERIFY(dialog->load(ResultsFiles::write(folder, QStringLiteral("insulation.csv"), bytes)));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QTableView* table = tableOf(*dialog);
    const QModelIndex first = dialog->model()->index(0, 1);
    const QModelIndex last = dialog->model()->index(99999, 1);
    QVERIFY(table->isPersistentEditorOpen(first));
    QVERIFY(!table->isPersistentEditorOpen(last));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(table->findChildren<QComboBox*>().size() < 200);

    table->scrollToBottom();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(table->isPersistentEditorOpen(last));
    QVERIFY(!table->isPersistentEditorOpen(first));
    QVERIFY(table->findChildren<QComboBox*>().size() < 200);
}

VELTRANO_TEST(DialogImportResultsTest)
#include "DialogImportResultsTest.moc"
