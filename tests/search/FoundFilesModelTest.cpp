#include "FoundFilesModel.h"
#include "ProjectsFolder.h"
#include "TestMain.h"

#include <QSignalSpy>
#include <QTest>

class FoundFilesModelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void sizesRoundUpToWholeKilobytes_data();
    void sizesRoundUpToWholeKilobytes();
    void kilobytesAreGroupedByTheLocale();
    void rowsShowTheEntryRelativeToTheRoot();
    void noResultsRowIsOnlyShownAfterASearch();
    void nextSearchClearsEverything();
};

void FoundFilesModelTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void FoundFilesModelTest::cleanup()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void FoundFilesModelTest::sizesRoundUpToWholeKilobytes_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << qint64(0) << "0 KB";
    QTest::newRow("one byte") << qint64(1) << "1 KB";
    QTest::newRow("exactly one") << qint64(1024) << "1 KB";
    QTest::newRow("one byte more") << qint64(1025) << "2 KB";
    QTest::newRow("beyond 32 bits") << qint64(5) * 1024 * 1024 * 1024 << "5,242,880 KB";
}

void FoundFilesModelTest::sizesRoundUpToWholeKilobytes()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(FoundFilesModel::sizeText(bytes), text);
}

void FoundFilesModelTest::kilobytesAreGroupedByTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(FoundFilesModel::sizeText(2048 * 1024), QStringLiteral("2.048 KB"));
}

void FoundFilesModelTest::rowsShowTheEntryRelativeToTheRoot()
{
    ProjectsFolder folder;
    const QString report = folder.writeFile(QStringLiteral("Farm/Roof/Inspection.arvir"), QByteArray(1025, 'x'));
    QVERIFY(ProjectsFolder::setModified(report, QDateTime(QDate(2026, 3, 7), QTime(9, 5))));
    FoundFilesModel model;
    model.startSearch(folder.root());
    model.append(QFileInfo(report));
    model.append(QFileInfo(folder.path(QStringLiteral("Farm"))));
    model.finishSearch();

    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Farm/Roof/Inspection.arvir"));
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("2 KB"));
    QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("07/03/2026 09:05"));
    QVERIFY(!model.index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    for (int column = 0; column < 3; ++column)
        QCOMPARE(model.index(0, column).data(Qt::UserRole).toString(), report);
    QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("Farm"));
    QCOMPARE(model.index(1, 1).data().toString(), QString());
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Size"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Last Modified"));
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
}

void FoundFilesModelTest::noResultsRowIsOnlyShownAfterASearch()
{
    FoundFilesModel model;
    QCOMPARE(model.rowCount(), 0);
    model.startSearch(QStringLiteral("/nowhere"));
    QCOMPARE(model.rowCount(), 0);
    model.finishSearch();
    QVERIFY(model.hasNoResults());
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.index(0, 0).data().toString(),
             QStringLiteral("Search is complete. There are no results to display."));
    QVERIFY(!model.index(0, 0).data(Qt::UserRole).isValid());
    QVERIFY(!model.index(0, 0).data(Qt::DecorationRole).isValid());
    QVERIFY(!model.index(0, 1).data().isValid());
    QVERIFY(!model.index(0, 2).data(Qt::UserRole).isValid());
}

void FoundFilesModelTest::nextSearchClearsEverything()
{
    ProjectsFolder folder;
    const QString photo = folder.writeFile(QStringLiteral("roof.jpg"));
    FoundFilesModel model;
    model.startSearch(folder.root());
    model.finishSearch();
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.startSearch(folder.root());
    QCOMPARE(resets.count(), 1);
    QVERIFY(model.isSearching());
    QVERIFY(!model.hasNoResults());
    QCOMPARE(model.rowCount(), 0);

    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.append(QFileInfo(photo));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.first().at(1).toInt(), 0);
    model.finishSearch();
    QVERIFY(!model.hasNoResults());
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("roof.jpg"));

    model.startSearch(folder.root());
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.foundCount(), 0);
}

VELTRANO_TEST(FoundFilesModelTest)
#include "FoundFilesModelTest.moc"
