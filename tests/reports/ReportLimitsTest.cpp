#include "HostileInputs.h"
#include "ReportContainer.h"
#include "ReportFile.h"
#include "ReportLimits.h"
#include "ReportResizableImage.h"
#include "ReportScene.h"
#include "ReportXmlGuard.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <sys/stat.h>

using namespace HostileInputs;

namespace {
QString writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray words(int length)
{
    return QByteArray(length, 'W');
}

QByteArray textItem(const QByteArray& content)
{
    return onPage("<text id='t' editable='1'>" + content + "</text>");
}

QByteArray cdata(int length)
{
    return "<![CDATA[" + words(length) + "]]>";
}

QString makeFifo(const QTemporaryDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
}

// Loads `path` into a fresh scene and answers with the failure, if any.
struct Load
{
    explicit Load(const QString& path)
        : scene(&stack)
    {
        failure = ReportFile::load(scene, path);
        loaded = !failure.failed();
    }

    QString text() const { return failure.text; }
    QString cause() const { return failure.informativeText; }

    QUndoStack stack;
    ReportScene scene;
    Failure failure;
    bool loaded = false;
};
} // namespace

class ReportLimitsTest : public QObject
{
    Q_OBJECT

private slots:
    void guardRefusesWhatNoReportHolds_data();
    void guardRefusesWhatNoReportHolds();
    void guardPassesOrdinaryReports();
    void guardHoldsEachLimitExactly_data();
    void guardHoldsEachLimitExactly();
    void refusedDocumentIsNamedAndLeftAlone();
    void templatesComeFromResourcesOrTheDocumentFolder();
    void drawingsMustBeRegularFilesBesideTheDocument();
    void drawingsOfASiblingFolderAreRefused();
    void containerRefusesPipesDevicesAndFloodsOfEntries();
    void containerRefusesToWriteWhatCouldNotBeRead();
    void hugePicturesAreRefused();
};

void ReportLimitsTest::guardRefusesWhatNoReportHolds_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("cause");
    const QString tooDeep = QStringLiteral("nested more than 32 levels deep");
    QTest::newRow("30000 nested elements") << nestedElements("a", 30000) << tooDeep;
    QTest::newRow("10000 nested texts") << nestedElements("text", 10000) << tooDeep;
    QTest::newRow("deep after an error") << "<document><a b='1'c='2'>" + QByteArray("<a>").repeated(30000) << tooDeep;
    QTest::newRow("table 65535 x 65535") << onPage("<table numRows='65535' numCols='65535'/>")
                                         << QStringLiteral("numRows=\"65535\" is not a number from -1 to 1000");
    QTest::newRow("table 1e9 x 8") << onPage("<table numRows='1e9' numCols='8'/>") << QStringLiteral("numRows");
    QTest::newRow("table of 100000 cells") << onPage("<table numRows='1000' numCols='100'/>")
                                           << QStringLiteral("has more than 10000 cells");
    QTest::newRow("page number") << onPage("<page pageNumber='-2147483648'/>") << QStringLiteral("pageNumber");
    QTest::newRow("width 1e308") << onPage("<text width='1e308' height='10'/>") << QStringLiteral("width");
    QTest::newRow("overflowing number") << onPage("<text height='1e999'/>") << QStringLiteral("height");
    QTest::newRow("infinite font size") << onPage("<text fontSize='inf'/>") << QStringLiteral("fontSize");
    QTest::newRow("two-million-character word") << longWord(2000000)
                                                << QStringLiteral("a text is longer than 10000 characters");
    QTest::newRow("document type") << QByteArray("<!DOCTYPE document [<!ENTITY a 'aaaa'>]><document/>")
                                   << QStringLiteral("declares a document type");
    QTest::newRow("6000 elements") << onPage(QByteArray("<text/>").repeated(6000))
                                   << QStringLiteral("more than 5000 elements");
    QTest::newRow("300 pictures") << onPage(QByteArray("<image index='1'/>").repeated(300))
                                  << QStringLiteral("more than 200 pictures");
    // 100 such texts took 31 s to lay out.
    QTest::newRow("11 texts of a 9,999-character word")
        << onPage(("<text width='200' height='20'>" + QByteArray(9999, 'W') + "</text>").repeated(10)
                  + "<text>" + QByteArray(11, 'W') + "</text>")
        << QStringLiteral("its texts together are longer than 100000 characters");
}

void ReportLimitsTest::guardRefusesWhatNoReportHolds()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, cause);
    ReportXmlGuard guard(QDir::tempPath());
    QVERIFY(!guard.check(xml));
    QVERIFY2(guard.cause().contains(cause), qPrintable(guard.cause()));
    QVERIFY(guard.cause().startsWith(QStringLiteral("Line ")));
}

void ReportLimitsTest::guardPassesOrdinaryReports()
{
    ReportXmlGuard guard(QDir::tempPath());
    const QByteArray ordinary = onPage("<svg file=':res/reports_en/backgrounds/none.svg' dpi='90'/>"
                                       "<text id='a' x='38.5' y='435' width='716.5' height='20' fontSize='7.7' "
                                       "fontWeight='75' padding='0.5' editable='yes'>Address</text>"
                                       "<table numRows='26' numCols='8'><cell row='0' col='0' colspan='2'/></table>"
                                       "<image index='1' x='notanumber'/>")
                               + QByteArray(" ");
    QVERIFY2(guard.check(ordinary), qPrintable(guard.cause()));
    // The parser reports malformed XML with its line and column; the guard leaves that to it.
    QVERIFY(guard.check("<document><page></document>"));
    QVERIFY(guard.check(nestedElements("a", ReportLimits::maximumDepth - 1)));
    QVERIFY(guard.check(longWord(ReportLimits::maximumTextLength)));
    const QByteArray indented = "\n" + QByteArray(200, ' ');
    QVERIFY(guard.check(onPage(("<text>" + QByteArray(10000, 'W') + "</text>" + indented).repeated(10))));
}

// Each limit at its value and one past it; a text counts whole however it is cut up, since the
// reader takes an item's text with everything inside it.
void ReportLimitsTest::guardHoldsEachLimitExactly_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("accepted");
    // <document> is the first level and <document><page> the first two elements.
    QTest::newRow("32 levels") << nestedElements("a", 31) << true;
    QTest::newRow("33 levels") << nestedElements("a", 32) << false;
    QTest::newRow("10,000 characters") << textItem(words(10000)) << true;
    QTest::newRow("10,001 characters") << textItem(words(10001)) << false;
    QTest::newRow("CDATA 5,000 + 5,000") << textItem(cdata(5000) + cdata(5000)) << true;
    QTest::newRow("CDATA 5,000 + 5,001") << textItem(cdata(5000) + cdata(5001)) << false;
    QTest::newRow("CDATA one character a piece") << textItem(QByteArray("<![CDATA[W]]>").repeated(10001)) << false;
    QTest::newRow("text and CDATA") << textItem(words(5000) + cdata(5001)) << false;
    QTest::newRow("around a comment") << textItem(words(5000) + "<!-- -->" + words(5001)) << false;
    QTest::newRow("entity references") << textItem(QByteArray("&amp;").repeated(10001)) << false;
    QTest::newRow("around an empty element") << textItem(words(5000) + "<b/>" + words(5001)) << false;
    QTest::newRow("inside an element") << textItem(words(5000) + "<b>" + words(5001) + "</b>") << false;
    QTest::newRow("two texts of 10,000")
        << onPage("<text id='a'>" + words(10000) + "</text><text id='b'>" + words(10000) + "</text>") << true;
    QTest::newRow("5,000 elements") << onPage(QByteArray("<text/>").repeated(4998)) << true;
    QTest::newRow("5,001 elements") << onPage(QByteArray("<text/>").repeated(4999)) << false;
    QTest::newRow("200 pictures") << onPage(QByteArray("<image index='1'/>").repeated(200)) << true;
    QTest::newRow("201 pictures") << onPage(QByteArray("<image index='1'/>").repeated(201)) << false;
    QTest::newRow("table of 100 x 100 cells") << onPage("<table numRows='100' numCols='100'/>") << true;
    QTest::newRow("table of 100 x 101 cells") << onPage("<table numRows='100' numCols='101'/>") << false;
}

void ReportLimitsTest::guardHoldsEachLimitExactly()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, accepted);
    ReportXmlGuard guard(QDir::tempPath());
    QVERIFY2(guard.check(xml) == accepted, qPrintable(guard.cause()));
}

void ReportLimitsTest::refusedDocumentIsNamedAndLeftAlone()
{
    QTemporaryDir folder;
    const QByteArray contents = container(nestedElements("page", 30000));
    const QString path = writeFile(folder, QStringLiteral("Bericht.arvir"), contents);
    const Load load(path);
    QVERIFY(!load.loaded);
    QCOMPARE(load.text(), path + QStringLiteral(" cannot be opened: it is damaged or holds more than a report can."));
    QCOMPARE(load.cause(), QStringLiteral("Line 1: its elements are nested more than 32 levels deep."));
    QCOMPARE(fileBytes(path), contents);
    QVERIFY(load.scene.items().isEmpty());
}

void ReportLimitsTest::templatesComeFromResourcesOrTheDocumentFolder()
{
    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    const QString outside = writeFile(elsewhere, QStringLiteral("t.pak"), container("<document/>"));
    const QString fifo = makeFifo(folder, QStringLiteral("pipe.pak"));
    QVERIFY(!fifo.isEmpty());
    const struct
    {
        QString templatePath;
        QString cause;
    } refused[] = {
        {QStringLiteral("/dev/zero"), QStringLiteral("/dev/zero lies neither in the program's resources nor in the "
                                                     "document's folder.")},
        {outside, outside + QStringLiteral(" lies neither in the program's resources nor in the document's folder.")},
        {fifo, fifo + QStringLiteral(" is not a regular file.")},
    };
    for (const auto& entry : refused) {
        const QString path = writeFile(folder, QStringLiteral("r.arvir"),
                                       container("<document resPak='" + entry.templatePath.toUtf8() + "'/>"));
        const Load load(path);
        QVERIFY(!load.loaded);
        QCOMPARE(load.text(), QStringLiteral("%1 cannot be opened: its report template %2 could not be read.")
                                  .arg(path, entry.templatePath));
        QCOMPARE(load.cause(), entry.cause);
    }
    const QString beside = writeFile(folder, QStringLiteral("own.pak"), container(onPage("<text id='t'/>")));
    const QString path =
        writeFile(folder, QStringLiteral("r.arvir"), container("<document resPak='" + beside.toUtf8() + "'/>"));
    const Load load(path);
    QVERIFY(load.loaded);
    QVERIFY(load.scene.itemById(QStringLiteral("t")));
}

void ReportLimitsTest::drawingsMustBeRegularFilesBesideTheDocument()
{
    QTemporaryDir folder;
    const QString fifo = makeFifo(folder, QStringLiteral("drawing.svg"));
    ReportXmlGuard guard(folder.path());
    QVERIFY(!guard.check(onPage("<svg file='" + fifo.toUtf8() + "'/>")));
    QCOMPARE(guard.cause(), QStringLiteral("Line 1: %1 is not a regular file.").arg(fifo));
    QVERIFY(!guard.check(onPage("<svg file='/dev/zero'/>")));
    QVERIFY(guard.cause().contains(QStringLiteral("neither in the program's resources")));
    const QString drawing = writeFile(folder, QStringLiteral("logo.svg"), "<svg xmlns='http://www.w3.org/2000/svg'/>");
    QVERIFY2(guard.check(onPage("<svg file='" + drawing.toUtf8() + "'/>")), qPrintable(guard.cause()));
}

// A folder whose name begins with the document folder's name is another folder.
void ReportLimitsTest::drawingsOfASiblingFolderAreRefused()
{
    QTemporaryDir projects;
    QVERIFY(QDir(projects.path()).mkpath(QStringLiteral("Site A/plans")));
    QVERIFY(QDir(projects.path()).mkpath(QStringLiteral("Site Ax")));
    const QByteArray drawing("<svg xmlns='http://www.w3.org/2000/svg'/>");
    const QString sibling = writeFile(projects, QStringLiteral("Site Ax/roof.svg"), drawing);
    const QString inside = writeFile(projects, QStringLiteral("Site A/plans/roof.svg"), drawing);
    ReportXmlGuard guard(projects.filePath(QStringLiteral("Site A")));
    QVERIFY(!guard.check(onPage("<svg file='" + sibling.toUtf8() + "'/>")));
    QCOMPARE(guard.cause(), QStringLiteral("Line 1: %1 lies neither in the program's resources nor in the "
                                           "document's folder.").arg(sibling));
    QVERIFY2(guard.check(onPage("<svg file='" + inside.toUtf8() + "'/>")), qPrintable(guard.cause()));
    ReportXmlGuard withSeparator(projects.filePath(QStringLiteral("Site A/")));
    QVERIFY(!withSeparator.check(onPage("<svg file='" + sibling.toUtf8() + "'/>")));
}

void ReportLimitsTest::containerRefusesPipesDevicesAndFloodsOfEntries()
{
    QTemporaryDir folder;
    BlobList blobs;
    QCOMPARE(ReportContainer::read(makeFifo(folder, QStringLiteral("pipe.arvir")), blobs),
             ReportContainer::Status::NotAFile);
    QCOMPARE(ReportContainer::read(QStringLiteral("/dev/zero"), blobs), ReportContainer::Status::NotAFile);
    QCOMPARE(ReportContainer::read(folder.path(), blobs), ReportContainer::Status::NotAFile);
    // A million empty pairs in a few kilobytes: refused as soon as there are too many.
    QCOMPARE(ReportContainer::decode(emptyPairs(1000000), blobs), ReportContainer::Status::TooManyEntries);
    QCOMPARE(ReportContainer::decode(emptyPairs(ReportContainer::maximumEntryCount + 1), blobs),
             ReportContainer::Status::TooManyEntries);
    QVERIFY(blobs.isEmpty());
    QCOMPARE(ReportContainer::decode(emptyPairs(ReportContainer::maximumEntryCount), blobs),
             ReportContainer::Status::Ok);
    QCOMPARE(blobs.size(), ReportContainer::maximumEntryCount);
    QCOMPARE(ReportContainer::describe(ReportContainer::Status::TooManyEntries, QStringLiteral("a.arvir")),
             QStringLiteral("\"a.arvir\" holds more than 999 pictures; it is damaged or is not a report file."));
}

void ReportLimitsTest::containerRefusesToWriteWhatCouldNotBeRead()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big.arvatr"));
    const BlobList small{{QStringLiteral("xml"), "<document/>"}};
    QCOMPARE(ReportContainer::write(path, small), ReportContainer::Status::Ok);
    const QByteArray before = fileBytes(path);
    // Never touched, so it costs address space only.
    const BlobList huge{{QStringLiteral("xml"), "<document/>"},
                        {QStringLiteral("png"), QByteArray(int(ReportContainer::maximumPayloadSize), Qt::Uninitialized)}};
    QCOMPARE(ReportContainer::write(path, huge), ReportContainer::Status::TooLargeToSave);
    BlobList many(ReportContainer::maximumEntryCount + 1, NamedBlob{QStringLiteral("png"), QByteArray("x")});
    QCOMPARE(ReportContainer::write(path, many), ReportContainer::Status::TooLargeToSave);
    QCOMPARE(fileBytes(path), before);
    QVERIFY(ReportContainer::describe(ReportContainer::Status::TooLargeToSave, path)
                .startsWith(QStringLiteral("\"%1\" was not saved").arg(path)));
}

void ReportLimitsTest::hugePicturesAreRefused()
{
    const QByteArray huge = pngHeader(40000, 40000);
    QCOMPARE(ReportResizableImage::pixelCount(QStringLiteral("png"), huge), qint64(1600000000));
    QVERIFY(ReportResizableImage::isTooLarge(QStringLiteral("png"), huge));
    QVERIFY(!ReportResizableImage::isTooLarge(QStringLiteral("png"), pngHeader(4000, 3000)));
    ReportResizableImage picture;
    QVERIFY(!picture.setPicture(QStringLiteral("png"), huge));

    QTemporaryDir folder;
    const QByteArray xml = "<document resPak=':res/none.pak'><image index='1' width='10' height='10'/></document>";
    const QByteArray contents = ReportContainer::encode({{QStringLiteral("xml"), xml}, {QStringLiteral("png"), huge}});
    const QString path = writeFile(folder, QStringLiteral("photo.arvreport"), contents);
    const Load load(path);
    QVERIFY(!load.loaded);
    QCOMPARE(load.cause(), QStringLiteral("Picture 1 has more than 50 million pixels."));
    QCOMPARE(fileBytes(path), contents);
}

VELTRANO_TEST(ReportLimitsTest)
#include "ReportLimitsTest.moc"
