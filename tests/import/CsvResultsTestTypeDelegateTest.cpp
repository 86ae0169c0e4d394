#include "CsvResultsTestTypeDelegate.h"
#include "TestMain.h"

#include <QComboBox>
#include <QStandardItemModel>
#include <QTest>
#include <memory>

class CsvResultsTestTypeDelegateTest : public QObject
{
    Q_OBJECT

private slots:
    void namesTheCodes_data();
    void namesTheCodes();
    void editsOnlyInsulationResults();
    void comboShowsAndStoresThePole_data();
    void comboShowsAndStoresThePole();
};

void CsvResultsTestTypeDelegateTest::namesTheCodes_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("1") << 1u << "Continuity";
    QTest::newRow("2") << 2u << "AutoTest";
    QTest::newRow("4") << 4u << "Positive-earth insulation";
    QTest::newRow("8") << 8u << "Negative-earth insulation";
    QTest::newRow("16") << 16u << "AutoTest & Curve";
    QTest::newRow("0") << 0u << "Unknown";
    QTest::newRow("12") << 12u << "Unknown";
}

void CsvResultsTestTypeDelegateTest::namesTheCodes()
{
    QFETCH(uint, code);
    QFETCH(QString, name);
    QCOMPARE(CsvResultsTestTypeDelegate::testTypeName(code), name);
}

void CsvResultsTestTypeDelegateTest::editsOnlyInsulationResults()
{
    QStandardItemModel model;
    model.appendColumn({new QStandardItem("2"), new QStandardItem("16"), new QStandardItem("x"),
                        new QStandardItem("4"), new QStandardItem("8")});
    CsvResultsTestTypeDelegate delegate;
    QWidget parent;
    for (int row = 0; row < 3; ++row)
        QVERIFY(!delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(row, 0)));
    for (int row = 3; row < 5; ++row) {
        auto* combo = qobject_cast<QComboBox*>(delegate.createEditor(&parent, {}, model.index(row, 0)));
        QVERIFY(combo);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("Positive-earth insulation"));
        QCOMPARE(combo->itemText(1), QStringLiteral("Negative-earth insulation"));
    }
}

void CsvResultsTestTypeDelegateTest::comboShowsAndStoresThePole_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("stored");
    QTest::newRow("positive") << "4" << 0 << "4";
    QTest::newRow("negative") << "8" << 1 << "8";
    QTest::newRow("positive made negative") << "4" << 1 << "8";
}

void CsvResultsTestTypeDelegateTest::comboShowsAndStoresThePole()
{
    QFETCH(QString, code);
    QFETCH(int, position);
    QFETCH(QString, stored);
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), code);
    CsvResultsTestTypeDelegate delegate;
    std::unique_ptr<QWidget> editor(delegate.createEditor(nullptr, {}, model.index(0, 0)));
    auto* combo = qobject_cast<QComboBox*>(editor.get());
    QVERIFY(combo);
    delegate.setEditorData(combo, model.index(0, 0));
    QCOMPARE(combo->currentIndex(), code == "8" ? 1 : 0);
    combo->setCurrentIndex(position);
    delegate.setModelData(combo, &model, model.index(0, 0));
    QCOMPARE(model.data(model.index(0, 0)).toString(), stored);
}

VELTRANO_TEST(CsvResultsTestTypeDelegateTest)
#include "CsvResultsTestTypeDelegateTest.moc"
