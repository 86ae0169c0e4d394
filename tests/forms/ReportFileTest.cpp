#include "Globals.h"
#include "GraphicalReportDocument.h"
#include "ReportCheckBox.h"
#include "ReportFolder.h"
#include "ReportResizableImage.h"
#include "ReportScene.h"
#include "ReportTable.h"
#include "ReportTableCell.h"
#include "ReportText.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QFile>
#include <QTest>

// Opening and saving whole report files: the template named by the document gives the layout,
// the document's values go over it, and saving writes everything back under the same template.

namespace {
// Every value the user can change, by id, as text ("1"/"0" for check boxes).
QMap<QString, QString> values(const ReportScene& scene)
{
    QMap<QString, QString> found;
    for (auto it = scene.idMap().cbegin(); it != scene.idMap().cend(); ++it) {
        if (auto* box = qgraphicsitem_cast<ReportCheckBox*>(it.value()))
            found.insert(it.key(), box->isChecked() ? "1" : "0");
        else if (auto* text = qobject_cast<ReportText*>(it.value()); text && text->isEditable())
            found.insert(it.key(), text->text());
    }
    return found;
}

void fillEverything(ReportScene& scene)
{
    for (auto it = scene.idMap().cbegin(); it != scene.idMap().cend(); ++it) {
        if (auto* box = qgraphicsitem_cast<ReportCheckBox*>(it.value()))
            box->setChecked(true);
        else if (auto* text = qobject_cast<ReportText*>(it.value()); text && text->isEditable())
            text->setText(QStringLiteral("%1: Müller & Söhne <5 %>").arg(it.key()));
    }
}

int pictureCount(const ReportScene& scene)
{
    int pictures = 0;
    for (QGraphicsItem* item : scene.items())
        pictures += item->type() == AbstractReportItem::ImageType;
    return pictures;
}
} // namespace

class ReportFileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void everyDefaultKeepsWhatWasFilledIn_data();
    void everyDefaultKeepsWhatWasFilledIn();
    void documentWithoutTemplateGetsTheFirstRevision();
    void documentKeepsTheLanguageOfItsTemplate();
    void valuesMatchTheLayoutById();
    void unreadableDocumentsAreRefused();
    void unreadableTemplateRefusesTheDocument();
};

void ReportFileTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
    ReportScene::setScreenDpiY(96);
}

void ReportFileTest::init()
{
    Globals::setReportsFolder(QStringLiteral("reports_en"));
}

void ReportFileTest::everyDefaultKeepsWhatWasFilledIn_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("kind");
    for (const QString language : {"en", "de"}) {
        for (const QString kind : {"arvir", "arvatr", "arvvc", "arvchk"})
            QTest::newRow(qPrintable(language + QLatin1Char('/') + kind)) << language << kind;
    }
}

void ReportFileTest::everyDefaultKeepsWhatWasFilledIn()
{
    QFETCH(QString, language);
    QFETCH(QString, kind);
    ScriptedPrompts prompts;
    ReportFolder folder;
    const QString path = folder.copyDefault(language, kind, "site." + kind);
    QMap<QString, QString> filled;
    QString templatePath;
    {
        GraphicalReportDocument doc(path);
        QVERIFY(doc.isValid());
        QVERIFY(!doc.isModified());
        fillEverything(*doc.scene());
        if (auto* table = qgraphicsitem_cast<ReportTable*>(doc.scene()->itemById(QStringLiteral("test_table"))))
            table->cellAt(13, 4)->setText(QStringLiteral("8.91"));
        filled = values(*doc.scene());
        templatePath = doc.scene()->templatePath();
        doc.save();
        QVERIFY(!doc.isModified());
    }
    QVERIFY(filled.size() > 5);
    GraphicalReportDocument reopened(path);
    QVERIFY(reopened.isValid());
    QCOMPARE(values(*reopened.scene()), filled);
    QCOMPARE(reopened.scene()->templatePath(), templatePath);
    QCOMPARE(pictureCount(*reopened.scene()), 1);
    if (auto* table = qgraphicsitem_cast<ReportTable*>(reopened.scene()->itemById(QStringLiteral("test_table"))))
        QCOMPARE(table->cellAt(13, 4)->text(), QStringLiteral("8.91"));
    QVERIFY(prompts.shown().isEmpty());
}

void ReportFileTest::documentWithoutTemplateGetsTheFirstRevision()
{
    ReportFolder folder;
    const QString path = folder.write("old.arvatr", "<document><page id='page1'>"
                                                   "<text id='date'>01/02/2012</text></page></document>");
    {
        GraphicalReportDocument doc(path);
        QVERIFY(doc.isValid());
        QCOMPARE(doc.scene()->templatePath(), QStringLiteral(":res/reports_en/arvatr.pak"));
        QCOMPARE(qobject_cast<ReportText*>(doc.scene()->itemById("date"))->text(), QStringLiteral("01/02/2012"));
        // The first revision offers no cells for the instrument's columns.
        QVERIFY(!doc.scene()->itemById(QStringLiteral("Voc (VDC)")));
        doc.save();
    }
    QCOMPARE(ReportFolder::readXml(path).documentElement().attribute("resPak"),
             QStringLiteral(":res/reports_en/arvatr.pak"));
}

void ReportFileTest::documentKeepsTheLanguageOfItsTemplate()
{
    ReportFolder folder;
    GraphicalReportDocument doc(folder.copyDefault("de", "arvatr", "german.arvatr"));
    QVERIFY(doc.isValid());
    QCOMPARE(doc.scene()->templatePath(), QStringLiteral(":res/reports_de/arvatr_rev3.pak"));
    auto* table = qgraphicsitem_cast<ReportTable*>(doc.scene()->itemById(QStringLiteral("test_table")));
    QCOMPARE(table->cellAt(0, 0)->text(), QStringLiteral(" STRANG"));
}

void ReportFileTest::valuesMatchTheLayoutById()
{
    ReportFolder folder;
    const QString path = folder.write("values.arvatr", "<document resPak=':res/reports_en/arvatr_rev3.pak'>"
                                                      "<page id='page1'>"
                                                      "<text id='inspector'>first</text>"
                                                      "<text id='inspector'>second</text>"
                                                      "<text id='from_a_later_revision'>lost</text>"
                                                      "<text>no id</text>"
                                                      "<text id='comments'>All strings fine.</text>"
                                                      "</page></document>");
    GraphicalReportDocument doc(path);
    QVERIFY(doc.isValid());
    const ReportScene& scene = *doc.scene();
    QCOMPARE(qobject_cast<ReportText*>(scene.itemById("inspector"))->text(), QStringLiteral("second"));
    QCOMPARE(qobject_cast<ReportText*>(scene.itemById("comments"))->text(), QStringLiteral("All strings fine."));
    QVERIFY(!scene.itemById("from_a_later_revision"));
    doc.save();
    const QString written = ReportFolder::readXml(path).toString();
    QVERIFY(!written.contains("lost"));
    QVERIFY(!written.contains("no id"));
    QVERIFY(written.contains("All strings fine."));
}

void ReportFileTest::unreadableDocumentsAreRefused()
{
    ScriptedPrompts prompts;
    ReportFolder folder;
    const QString missing = folder.path("missing.arvir");
    QVERIFY(!GraphicalReportDocument(missing).isValid());
    QCOMPARE(prompts.last().message.icon, QMessageBox::Warning);
    QCOMPARE(prompts.last().message.text, "Error opening " + missing + " for reading");
    QVERIFY(prompts.last().message.informativeText.contains(missing));

    const QString broken = folder.write("broken.arvir", "<document>\n<page></document>");
    QVERIFY(!GraphicalReportDocument(broken).isValid());
    QCOMPARE(prompts.last().message.text, "XML validation error in " + broken + " on line 2, column 17");
    QVERIFY(!prompts.last().message.informativeText.isEmpty());
    QCOMPARE(prompts.shown().size(), 2);
}

void ReportFileTest::unreadableTemplateRefusesTheDocument()
{
    ScriptedPrompts prompts;
    ReportFolder folder;
    const QString path = folder.write("future.arvatr", "<document resPak=':res/reports_en/arvatr_rev9.pak'/>");
    GraphicalReportDocument doc(path);
    QVERIFY(!doc.isValid());
    QCOMPARE(prompts.shown().size(), 1);
    QCOMPARE(prompts.last().message.text, path + " cannot be opened: its report template "
                                                 ":res/reports_en/arvatr_rev9.pak could not be read.");
    QVERIFY(prompts.last().message.informativeText.contains(":res/reports_en/arvatr_rev9.pak"));
}

VELTRANO_TEST(ReportFileTest)

#include "ReportFileTest.moc"
