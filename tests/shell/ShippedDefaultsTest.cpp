#include "TestMain.h"

#include <QDomDocument>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

// The empty documents that New Installation Diagram and New Curve Data copy, as the build made them.
class ShippedDefaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyDiagramIsTheRootAlone();
    void emptyCurveFileHasTheTemplateSchema();

private:
    static QStringList column(QSqlDatabase& db, const QString& sql, int field = 0);
};

QStringList ShippedDefaultsTest::column(QSqlDatabase& db, const QString& sql, int field)
{
    QStringList values;
    QSqlQuery query(db);
    if (!query.exec(sql))
        return {QStringLiteral("query failed: ") + sql};
    while (query.next())
        values << query.value(field).toString();
    return values;
}

void ShippedDefaultsTest::emptyDiagramIsTheRootAlone()
{
    QFile file(QStringLiteral(DEFAULT_DOCUMENTS_SOURCE "/default.arvid"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument xml;
    QVERIFY(xml.setContent(&file));
    QCOMPARE(xml.documentElement().tagName(), QStringLiteral("installation_diagram"));
    QVERIFY(!xml.documentElement().hasChildNodes());
    QVERIFY(!xml.documentElement().hasAttributes());
}

void ShippedDefaultsTest::emptyCurveFileHasTheTemplateSchema()
{
    // Work on a copy: opening may not change what the program ships.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("default.arvcrv"));
    QVERIFY(QFile::copy(QStringLiteral(DEFAULT_DOCUMENTS_BUILT "/default.arvcrv"), copy));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("defaults"));
        db.setDatabaseName(copy);
        QVERIFY(db.open());
        QCOMPARE(column(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")),
                 (QStringList{QStringLiteral("Curves"), QStringLiteral("TreeNodes")}));
        QCOMPARE(column(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name")),
                 (QStringList{QStringLiteral("IDX_TREENODE_CURVEID"), QStringLiteral("idx_TreeNodes_CurveID"),
                              QStringLiteral("idx_treenode_parent")}));

        const QStringList curveColumns = column(db, QStringLiteral("PRAGMA table_info(Curves)"), 1);
        QCOMPARE(curveColumns.size(), 28);
        QCOMPARE(curveColumns.first(), QStringLiteral("CurveID"));
        QCOMPARE(curveColumns.last(), QStringLiteral("ModuleParallel"));
        QVERIFY(!curveColumns.contains(QStringLiteral("Fileversion"), Qt::CaseInsensitive));
        const QStringList types = column(db, QStringLiteral("PRAGMA table_info(Curves)"), 2);
        for (const QString& stc : {QStringLiteral("STC_alpha"), QStringLiteral("STC_beta"), QStringLiteral("STC_delta"),
                                   QStringLiteral("STC_a"), QStringLiteral("STC_b"), QStringLiteral("STC_K"),
                                   QStringLiteral("STC_Rs")})
            QCOMPARE(types.at(curveColumns.indexOf(stc)), QStringLiteral("DOUBLE"));
        QCOMPARE(types.at(curveColumns.indexOf(QStringLiteral("Voc"))), QStringLiteral("REAL"));

        QCOMPARE(column(db, QStringLiteral("PRAGMA table_info(TreeNodes)"), 1),
                 (QStringList{QStringLiteral("NodeID"), QStringLiteral("ParentNodeID"), QStringLiteral("NodeDesc"),
                              QStringLiteral("CurveID"), QStringLiteral("ParentRow"), QStringLiteral("Status"),
                              QStringLiteral("Colour")}));
        QCOMPARE(column(db, QStringLiteral("SELECT COUNT(*) FROM Curves")), QStringList{QStringLiteral("0")});
        QCOMPARE(column(db, QStringLiteral("SELECT COUNT(*) FROM TreeNodes")), QStringList{QStringLiteral("0")});

        // The program's migration adds the version column to a copy of the template.
        QSqlQuery migrate(db);
        QVERIFY(migrate.exec(QStringLiteral("ALTER TABLE Curves ADD COLUMN Fileversion INTEGER;")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("defaults"));
}

VELTRANO_TEST(ShippedDefaultsTest)
#include "ShippedDefaultsTest.moc"
