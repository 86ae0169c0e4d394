#include "ReportContainer.h"
#include "TestMain.h"

#include <QDomDocument>
#include <algorithm>
#include <QFile>
#include <QRectF>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>

// The shipped forms are data that the results import, the favourites and every user's printed
// certificate depend on; these checks hold them to the ids and layout the program relies on.

namespace {
const QStringList languages{QStringLiteral("en"), QStringLiteral("de")};
const QStringList templates{QStringLiteral("arvir"), QStringLiteral("arvatr"), QStringLiteral("arvatr_rev2"),
                            QStringLiteral("arvatr_rev3"), QStringLiteral("arvvc"), QStringLiteral("arvchk")};
const QStringList kinds{QStringLiteral("arvir"), QStringLiteral("arvatr"), QStringLiteral("arvvc"),
                        QStringLiteral("arvchk")};

const QSizeF a4(793, 1123);
// Where printing paints "Created by ..." (baseline 15 mm from the top, 20 mm from the left) and
// where the default documents put the logo: no field may lie there.
const QRectF footerArea(70, 38, 260, 28);
const QRectF logoArea(595, 22, 160, 60);

QString folder(const QString& language)
{
    return QStringLiteral(":res/reports_%1/").arg(language);
}

QDomDocument readXml(const QString& path, int expectedBlobs)
{
    BlobList blobs;
    const ReportContainer::Status status = ReportContainer::read(path, blobs);
    if (status != ReportContainer::Status::Ok) {
        qWarning() << ReportContainer::describe(status, path);
        return {};
    }
    if (blobs.size() != expectedBlobs || blobs.first().name != QLatin1String("xml"))
        return {};
    QDomDocument document;
    QString message;
    int line = 0;
    if (!document.setContent(blobs.first().data, &message, &line)) {
        qWarning() << path << line << message;
        return {};
    }
    return document;
}

QList<QDomElement> elements(const QDomElement& root, const QString& tag)
{
    QList<QDomElement> found;
    const QDomNodeList nodes = root.elementsByTagName(tag);
    for (int i = 0; i < nodes.size(); ++i)
        found.append(nodes.at(i).toElement());
    return found;
}

double number(const QDomElement& element, const char* name)
{
    return element.attribute(QLatin1String(name)).toDouble();
}

// What the user fills in: editable texts and check boxes, in template order.
QStringList fillableIds(const QDomElement& root)
{
    QStringList ids;
    for (QDomElement page = root.firstChildElement(QStringLiteral("page")); !page.isNull();
         page = page.nextSiblingElement(QStringLiteral("page"))) {
        for (QDomElement item = page.firstChildElement(); !item.isNull(); item = item.nextSiblingElement()) {
            const bool editableText = item.tagName() == QLatin1String("text")
                                      && item.attribute(QStringLiteral("editable")) == QLatin1String("1");
            if (editableText || item.tagName() == QLatin1String("checkBox"))
                ids << item.attribute(QStringLiteral("id"));
        }
    }
    return ids;
}

QStringList idsOf(const QDomElement& root, const QString& tag, bool editableOnly)
{
    QStringList ids;
    for (const QDomElement& element : elements(root, tag)) {
        if (!editableOnly || element.attribute(QStringLiteral("editable")) == QLatin1String("1"))
            ids << element.attribute(QStringLiteral("id"));
    }
    return ids;
}

QString cellKey(const QDomElement& cell)
{
    return QStringLiteral("%1/%2 span %3x%4 id %5 editable %6")
        .arg(cell.attribute(QStringLiteral("row")), cell.attribute(QStringLiteral("col")),
             cell.attribute(QStringLiteral("rowspan"), QStringLiteral("1")),
             cell.attribute(QStringLiteral("colspan"), QStringLiteral("1")), cell.attribute(QStringLiteral("id")),
             cell.attribute(QStringLiteral("editable")));
}

// The area an item covers on its page, the tick box of a check box included.
QRectF itemArea(const QDomElement& item)
{
    const QRectF rect(number(item, "x"), number(item, "y"), number(item, "width"), number(item, "height"));
    if (item.tagName() != QLatin1String("checkBox"))
        return rect;
    const QRectF box(rect.x() + number(item, "boxPosX"), rect.y() + number(item, "boxPosY"), 12, 12);
    return rect.united(box);
}
} // namespace

class ReportFormsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void templatesAreSingleXmlContainersOnA4Pages_data();
    void templatesAreSingleXmlContainersOnA4Pages();
    void defaultDocumentsHoldEveryFillableIdAndTheLogo_data();
    void defaultDocumentsHoldEveryFillableIdAndTheLogo();
    void bothLanguagesShareEveryIdAndTheTableGrid_data();
    void bothLanguagesShareEveryIdAndTheTableGrid();
    void measurementTableOfEachRevision_data();
    void measurementTableOfEachRevision();
    void formsCarryTheNamedItems_data();
    void formsCarryTheNamedItems();
    void itemsNeitherOverlapNorLeaveThePage_data();
    void itemsNeitherOverlapNorLeaveThePage();
};

void ReportFormsTest::initTestCase()
{
    Q_INIT_RESOURCE(veltrano);
}

static void addTemplateRows()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    for (const QString& language : languages) {
        for (const QString& name : templates)
            QTest::newRow(qPrintable(language + QLatin1Char('/') + name)) << language << name;
    }
}

void ReportFormsTest::templatesAreSingleXmlContainersOnA4Pages_data()
{
    addTemplateRows();
}

void ReportFormsTest::templatesAreSingleXmlContainersOnA4Pages()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    const QDomDocument document = readXml(folder(language) + name + QStringLiteral(".pak"), 1);
    const QDomElement root = document.documentElement();
    QCOMPARE(root.tagName(), QStringLiteral("document"));
    const QList<QDomElement> pages = elements(root, QStringLiteral("page"));
    QCOMPARE(pages.size(), name == QLatin1String("arvir") ? 2 : 1);
    for (int i = 0; i < pages.size(); ++i) {
        QCOMPARE(pages.at(i).attribute(QStringLiteral("pageType")), QStringLiteral("A4"));
        QCOMPARE(pages.at(i).attribute(QStringLiteral("pageNumber")).toInt(), i + 1);
        // The values pass only descends into pages that have an id.
        QVERIFY(!pages.at(i).attribute(QStringLiteral("id")).isEmpty());
        const QDomElement drawing = pages.at(i).firstChildElement(QStringLiteral("svg"));
        const QString file = drawing.attribute(QStringLiteral("file"));
        QVERIFY2(file.startsWith(folder(language) + QStringLiteral("backgrounds/")), qPrintable(file));
        QSvgRenderer renderer(file);
        QVERIFY2(renderer.isValid(), qPrintable(file));
        QCOMPARE(QSizeF(renderer.defaultSize()) * 96.0 / number(drawing, "dpi"), a4);
    }
    QSvgRenderer checkBox(folder(language) + QStringLiteral("images/checkBox.svg"));
    QVERIFY(checkBox.elementExists(QStringLiteral("checked")));
    QVERIFY(checkBox.elementExists(QStringLiteral("unchecked")));
    QCOMPARE(checkBox.boundsOnElement(QStringLiteral("checked")), checkBox.boundsOnElement(QStringLiteral("unchecked")));
}

void ReportFormsTest::defaultDocumentsHoldEveryFillableIdAndTheLogo_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("kind");
    for (const QString& language : languages) {
        for (const QString& kind : kinds)
            QTest::newRow(qPrintable(language + QLatin1Char('/') + kind)) << language << kind;
    }
}

void ReportFormsTest::defaultDocumentsHoldEveryFillableIdAndTheLogo()
{
    QFETCH(QString, language);
    QFETCH(QString, kind);
    const QString templateName = kind == QLatin1String("arvatr") ? QStringLiteral("arvatr_rev3") : kind;
    const QString resPak = folder(language) + templateName + QStringLiteral(".pak");

    BlobList blobs;
    const QString path = folder(language) + QStringLiteral("default.") + kind;
    QCOMPARE(ReportContainer::read(path, blobs), ReportContainer::Status::Ok);
    QCOMPARE(blobs.size(), 2);
    QCOMPARE(blobs.at(1).name, QStringLiteral("svg"));
    QVERIFY(QSvgRenderer(blobs.at(1).data).isValid());

    const QDomElement values = readXml(path, 2).documentElement();
    const QDomElement layout = readXml(resPak, 1).documentElement();
    QCOMPARE(values.attribute(QStringLiteral("resPak")), resPak);

    QStringList written;
    for (const QString& tag : {QStringLiteral("text"), QStringLiteral("checkBox")}) {
        for (const QDomElement& element : elements(values, tag)) {
            written << element.attribute(QStringLiteral("id"));
            QVERIFY(element.text().isEmpty());
            if (tag == QLatin1String("checkBox"))
                QCOMPARE(element.attribute(QStringLiteral("checked")), QStringLiteral("false"));
        }
    }
    QStringList expected = fillableIds(layout);
    std::sort(written.begin(), written.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(written, expected);

    // Every page of the values document must be found in the template, or its items are skipped.
    const QStringList layoutPages = idsOf(layout, QStringLiteral("page"), false);
    const QSet<QString> pageIds(layoutPages.begin(), layoutPages.end());
    for (const QDomElement& page : elements(values, QStringLiteral("page")))
        QVERIFY(pageIds.contains(page.attribute(QStringLiteral("id"))));

    const QList<QDomElement> images = elements(values, QStringLiteral("image"));
    QCOMPARE(images.size(), 1);
    const QDomElement logo = images.first();
    QCOMPARE(logo.parentNode().toElement().attribute(QStringLiteral("id")),
             elements(layout, QStringLiteral("page")).first().attribute(QStringLiteral("id")));
    QCOMPARE(logo.attribute(QStringLiteral("index")), QStringLiteral("1"));
    QCOMPARE(logo.attribute(QStringLiteral("resizable")), QStringLiteral("1"));
    QCOMPARE(logo.attribute(QStringLiteral("scale")), QStringLiteral("0.2325581395348837"));
    QCOMPARE(logo.attribute(QStringLiteral("width")), QStringLiteral("159.7674418604651"));
    QCOMPARE(logo.attribute(QStringLiteral("height")), QStringLiteral("60"));
    QVERIFY(logoArea.contains(QRectF(number(logo, "x"), number(logo, "y"), 159.7674418604651, 60)));

    const QList<QDomElement> cells = elements(values, QStringLiteral("cell"));
    if (kind == QLatin1String("arvatr")) {
        QCOMPARE(cells.size(), 6);
        for (int column = 2; column < 8; ++column) {
            QCOMPARE(cells.at(column - 2).attribute(QStringLiteral("row")), QStringLiteral("0"));
            QCOMPARE(cells.at(column - 2).attribute(QStringLiteral("col")).toInt(), column);
            QCOMPARE(cells.at(column - 2).text(), QString::number(column - 1));
        }
        QCOMPARE(cells.first().parentNode().toElement().attribute(QStringLiteral("id")), QStringLiteral("test_table"));
    } else {
        QVERIFY(cells.isEmpty());
    }
}

void ReportFormsTest::bothLanguagesShareEveryIdAndTheTableGrid_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : templates)
        QTest::newRow(qPrintable(name)) << name;
}

void ReportFormsTest::bothLanguagesShareEveryIdAndTheTableGrid()
{
    QFETCH(QString, name);
    const QDomElement english = readXml(folder(QStringLiteral("en")) + name + QStringLiteral(".pak"), 1).documentElement();
    const QDomElement german = readXml(folder(QStringLiteral("de")) + name + QStringLiteral(".pak"), 1).documentElement();
    for (const QString& tag : {QStringLiteral("page"), QStringLiteral("text"), QStringLiteral("checkBox"),
                               QStringLiteral("table")})
        QCOMPARE(idsOf(german, tag, false), idsOf(english, tag, false));
    QStringList englishCells, germanCells;
    for (const QDomElement& cell : elements(english, QStringLiteral("cell")))
        englishCells << cellKey(cell);
    for (const QDomElement& cell : elements(german, QStringLiteral("cell")))
        germanCells << cellKey(cell);
    QCOMPARE(germanCells, englishCells);
}

void ReportFormsTest::measurementTableOfEachRevision_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("revision");
    for (const QString& language : languages) {
        for (int revision = 1; revision <= 3; ++revision)
            QTest::newRow(qPrintable(QStringLiteral("%1/rev%2").arg(language).arg(revision))) << language << revision;
    }
}

void ReportFormsTest::measurementTableOfEachRevision()
{
    QFETCH(QString, language);
    QFETCH(int, revision);
    const QString name = revision == 1 ? QStringLiteral("arvatr") : QStringLiteral("arvatr_rev%1").arg(revision);
    const QDomElement root = readXml(folder(language) + name + QStringLiteral(".pak"), 1).documentElement();

    const QStringList fields = idsOf(root, QStringLiteral("text"), true);
    QCOMPARE(fields, QStringList({QStringLiteral("installation_address"), QStringLiteral("report_ref_id"),
                                  revision == 1 ? QStringLiteral("date") : QStringLiteral("DD/MM/YYYY"),
                                  QStringLiteral("description_of_work"), QStringLiteral("inspector"),
                                  QStringLiteral("test_instruments"), QStringLiteral("comments")}));
    QCOMPARE(idsOf(root, QStringLiteral("checkBox"), false), QStringList({QStringLiteral("initial"), QStringLiteral("periodic")}));

    const QList<QDomElement> tables = elements(root, QStringLiteral("table"));
    QCOMPARE(tables.size(), 1);
    const QDomElement table = tables.first();
    const QList<QPair<const char*, const char*>> attributes{
        {"id", "test_table"}, {"x", "38.5"}, {"y", "435"}, {"width", "716.5"}, {"height", "648.2"},
        {"numRows", "26"}, {"numCols", "8"}, {"editable", "1"}, {"font", "Arial"}, {"fontSize", "7"},
        {"padding", "0.5"}};
    for (const auto& attribute : attributes)
        QCOMPARE(table.attribute(QLatin1String(attribute.first)), QString::fromLatin1(attribute.second));

    QStringList settings;
    for (const QDomElement& set : elements(table, QStringLiteral("tableset"))) {
        const QDomNamedNodeMap map = set.attributes();
        QStringList pairs;
        for (int i = 0; i < map.size(); ++i)
            pairs << map.item(i).nodeName() + QLatin1Char('=') + map.item(i).nodeValue();
        pairs.sort();
        settings << pairs.join(QLatin1Char(' '));
    }
    QCOMPARE(settings, QStringList({QStringLiteral("col=0 editable=0 size=100"), QStringLiteral("col=1 editable=0 size=100"),
                                    QStringLiteral("backgroundColour=#000000 colour=#ffffff font=Microsoft Sans Serif "
                                                   "fontSize=7.7 fontWeight=75 row=0 size=19.5"),
                                    QStringLiteral("row=25 size=143.2")}));

    // The results import finds its target rows by these ids (cell "row/col" -> id).
    QMap<QString, QString> ids;
    QSet<QString> occupied;
    for (const QDomElement& cell : elements(table, QStringLiteral("cell"))) {
        const int row = cell.attribute(QStringLiteral("row")).toInt();
        const int col = cell.attribute(QStringLiteral("col")).toInt();
        const int rowSpan = cell.attribute(QStringLiteral("rowspan"), QStringLiteral("1")).toInt();
        const int colSpan = cell.attribute(QStringLiteral("colspan"), QStringLiteral("1")).toInt();
        QVERIFY(row + rowSpan <= 26 && col + colSpan <= 8);
        for (int r = row; r < row + rowSpan; ++r) {
            for (int c = col; c < col + colSpan; ++c) {
                const QString position = QStringLiteral("%1/%2").arg(r).arg(c);
                QVERIFY2(!occupied.contains(position), qPrintable(position));
                occupied.insert(position);
            }
        }
        if (cell.hasAttribute(QStringLiteral("id")))
            ids.insert(QStringLiteral("%1/%2").arg(row).arg(col), cell.attribute(QStringLiteral("id")));
        QVERIFY(col < 2 || row == 0);
    }
    QMap<QString, QString> expected;
    if (revision >= 2) {
        expected = {{QStringLiteral("12/1"), QStringLiteral("Voc (VDC)")}, {QStringLiteral("13/1"), QStringLiteral("Isc (ADC)")},
                    {QStringLiteral("14/1"), QStringLiteral("Irr (W/m2)")}, {QStringLiteral("16/1"), QStringLiteral("Viso (V)")},
                    {QStringLiteral("17/1"), QStringLiteral("Riso (MOhm)")}, {QStringLiteral("19/0"), QStringLiteral("Rpe (Ohm)")}};
    }
    if (revision == 3)
        expected.insert(QStringLiteral("18/1"), QStringLiteral("-Riso (MOhm)"));
    QCOMPARE(ids, expected);
    // Columns 0 and 1 are labelled in every row; the data columns are left to the user.
    for (int row = 0; row < 26; ++row) {
        QVERIFY(occupied.contains(QStringLiteral("%1/0").arg(row)));
        QVERIFY(occupied.contains(QStringLiteral("%1/1").arg(row)));
    }

    // The comments field lies inside the last row, below its caption.
    for (const QDomElement& text : elements(root, QStringLiteral("text"))) {
        if (text.attribute(QStringLiteral("id")) == QLatin1String("comments"))
            QVERIFY(QRectF(38.5, 435 + 648.2 - 143.2 + 10, 716.5, 133.2).contains(itemArea(text)));
    }
}

void ReportFormsTest::formsCarryTheNamedItems_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

void ReportFormsTest::formsCarryTheNamedItems()
{
    QFETCH(QString, language);
    const QDomElement inspection = readXml(folder(language) + QStringLiteral("arvir.pak"), 1).documentElement();
    const QStringList inspectionFields = idsOf(inspection, QStringLiteral("text"), true);
    for (const char* id : {"installation_address", "circuits_inspected", "report_ref_id", "inspection_date", "inspector_name"})
        QVERIFY2(inspectionFields.contains(QLatin1String(id)), id);
    const QStringList inspectionBoxes = idsOf(inspection, QStringLiteral("checkBox"), false);
    QVERIFY(inspectionBoxes.contains(QStringLiteral("initial_verification")));
    QVERIFY(inspectionBoxes.contains(QStringLiteral("iec_60364-7-712")));
    QVERIFY(inspectionBoxes.size() >= 40);

    const QDomElement certificate = readXml(folder(language) + QStringLiteral("arvvc.pak"), 1).documentElement();
    const QStringList certificateFields = idsOf(certificate, QStringLiteral("text"), true);
    QCOMPARE(certificateFields.size(), 17);
    QCOMPARE(certificateFields.first(), QStringLiteral("client"));
    QCOMPARE(certificateFields.last(), QStringLiteral("signature_date"));
    QCOMPARE(idsOf(certificate, QStringLiteral("checkBox"), false), QStringList({QStringLiteral("initial"), QStringLiteral("periodic")}));

    const QDomElement checklist = readXml(folder(language) + QStringLiteral("arvchk.pak"), 1).documentElement();
    const QStringList checklistBoxes = idsOf(checklist, QStringLiteral("checkBox"), false);
    QCOMPARE(checklistBoxes.size(), 19);
    QCOMPARE(checklistBoxes.first(), QStringLiteral("basic_system_info"));
    QCOMPARE(checklistBoxes.last(), QStringLiteral("warranty_info"));

    // Ids are unique per document: a repeated one would silently take the other's value.
    for (const QDomElement& root : {inspection, certificate, checklist}) {
        QStringList all = idsOf(root, QStringLiteral("text"), false) + idsOf(root, QStringLiteral("checkBox"), false);
        all.removeAll(QString());
        QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), all.size());
    }
}

void ReportFormsTest::itemsNeitherOverlapNorLeaveThePage_data()
{
    addTemplateRows();
}

void ReportFormsTest::itemsNeitherOverlapNorLeaveThePage()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    const QDomElement root = readXml(folder(language) + name + QStringLiteral(".pak"), 1).documentElement();
    const QRectF page(QPointF(0, 0), a4);
    const QList<QDomElement> pages = elements(root, QStringLiteral("page"));
    for (int p = 0; p < pages.size(); ++p) {
        QList<QPair<QString, QRectF>> areas;
        for (QDomElement item = pages.at(p).firstChildElement(); !item.isNull(); item = item.nextSiblingElement()) {
            if (item.tagName() == QLatin1String("svg"))
                continue;
            const QRectF area = itemArea(item);
            const QString id = item.attribute(QStringLiteral("id"));
            QVERIFY2(area.isValid() && page.contains(area), qPrintable(id));
            QVERIFY2(!area.intersects(footerArea), qPrintable(id));
            if (p == 0)
                QVERIFY2(!area.intersects(logoArea), qPrintable(id));
            areas.append({id, area});
        }
        for (int i = 0; i < areas.size(); ++i) {
            for (int j = i + 1; j < areas.size(); ++j) {
                // The comments field is meant to lie over the table's last row.
                if (areas.at(j).first == QLatin1String("comments") && areas.at(i).first == QLatin1String("test_table"))
                    continue;
                QVERIFY2(!areas.at(i).second.intersects(areas.at(j).second),
                         qPrintable(areas.at(i).first + QStringLiteral(" / ") + areas.at(j).first));
            }
        }
    }
}

VELTRANO_TEST(ReportFormsTest)

#include "ReportFormsTest.moc"
