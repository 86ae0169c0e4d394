#include "Globals.h"
#include "GraphicsTextItem.h"
#include "ReportCheckBox.h"
#include "ReportFile.h"
#include "ReportFolder.h"
#include "ReportPage.h"
#include "ReportScene.h"
#include "ReportTable.h"
#include "ReportText.h"
#include "TestMain.h"

#include <QDomDocument>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QUndoStack>

// The shipped defaults as the program opens them: template pass, then values pass, on a real
// scene. Catches ids the engine does not find and fields too small for one line of text.

namespace {
struct OpenedDefault
{
    QUndoStack stack;
    ReportScene scene{&stack};
    QDomDocument values;
    bool open(const QString& language, const QString& kind)
    {
        Globals::setReportsFolder(QStringLiteral("reports_") + language);
        const QString path = QStringLiteral(":res/reports_%1/default.%2").arg(language, kind);
        values = ReportFolder::readXml(path);
        return !ReportFile::load(scene, path).failed();
    }
};
} // namespace

class ShippedDefaultsSceneTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyValueFindsItsItem_data();
    void everyValueFindsItsItem();
    void resultsImportFindsItsCellsInTheCurrentRevision();
};

void ShippedDefaultsSceneTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    ReportScene::setScreenDpiY(96);
}

void ShippedDefaultsSceneTest::everyValueFindsItsItem_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("pages");
    for (const QString language : {"en", "de"}) {
        for (const QString kind : {"arvir", "arvatr", "arvvc", "arvchk"})
            QTest::newRow(qPrintable(language + QLatin1Char('/') + kind)) << language << kind << (kind == "arvir" ? 2 : 1);
    }
}

void ShippedDefaultsSceneTest::everyValueFindsItsItem()
{
    QFETCH(QString, language);
    QFETCH(QString, kind);
    QFETCH(int, pages);
    OpenedDefault report;
    QVERIFY(report.open(language, kind));
    QCOMPARE(report.scene.pages().size(), pages);

    int fields = 0;
    for (const QString tag : {"text", "checkBox"}) {
        const QDomNodeList elements = report.values.documentElement().elementsByTagName(tag);
        for (int i = 0; i < elements.size(); ++i) {
            const QString id = elements.at(i).toElement().attribute(QStringLiteral("id"));
            auto* text = qobject_cast<ReportText*>(report.scene.itemById(id));
            QVERIFY2(text, qPrintable(id));
            QVERIFY2(text->isNavigable(), qPrintable(id));
            if (tag == QLatin1String("text")) {
                // One line typed into an empty field keeps its full size.
                const QRectF box = text->rect();
                QCOMPARE(GraphicsTextItem::fittingScale(text->editor()->font(), QStringLiteral("Ägypten 12/05/2026"),
                                                        box.width(), box.height()),
                         1.0);
                ++fields;
            } else {
                QVERIFY(!qgraphicsitem_cast<ReportCheckBox*>(text)->isChecked());
            }
        }
    }
    QVERIFY(fields > 0);

    // The logo is the only picture and lies on the first page.
    int pictures = 0;
    for (QGraphicsItem* item : report.scene.items()) {
        if (item->type() == AbstractReportItem::ImageType) {
            ++pictures;
            QVERIFY(report.scene.pages().first()->isAncestorOf(item));
        }
    }
    QCOMPARE(pictures, 1);

    // Each page renders: the background drawing puts ink on it.
    for (int page = 0; page < pages; ++page) {
        QImage image(397, 562, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        report.scene.renderPage(&painter, page, QRectF(image.rect()));
        painter.end();
        int dark = 0;
        for (int y = 0; y < image.height(); y += 3) {
            for (int x = 0; x < image.width(); x += 3)
                dark += qGray(image.pixel(x, y)) < 128;
        }
        QVERIFY2(dark > 200, qPrintable(QString::number(dark)));
    }
}

void ShippedDefaultsSceneTest::resultsImportFindsItsCellsInTheCurrentRevision()
{
    for (const QString language : {"en", "de"}) {
        OpenedDefault report;
        QVERIFY(report.open(language, QStringLiteral("arvatr")));
        QVERIFY(qgraphicsitem_cast<ReportTable*>(report.scene.itemById(QStringLiteral("test_table"))));
        QVERIFY(report.scene.itemById(QStringLiteral("test_instruments")));
        for (const char* column : {"Voc (VDC)", "Isc (ADC)", "Irr (W/m2)", "Viso (V)", "Riso (MOhm)", "-Riso (MOhm)", "Rpe (Ohm)"})
            QVERIFY2(report.scene.itemById(QLatin1String(column)), column);
    }
}

VELTRANO_TEST(ShippedDefaultsSceneTest)

#include "ShippedDefaultsSceneTest.moc"
