#include "ProjectsFolder.h"
#include "SearchResultsDocument.h"
#include "TestMain.h"
#include "XmlSearchHandler.h"

#include <QFile>
#include <QTest>

namespace {
bool contains(const QString& pattern, Qt::CaseSensitivity sensitivity, const QString& path)
{
    return SearchResultsDocument::reportContains(pattern, sensitivity, path);
}
} // namespace

class ReportContainsTest : public QObject
{
    Q_OBJECT

private slots:
    void caseOfThePhraseFollowsTheBox();
    void onlyThreeKindsAreLookedInto_data();
    void onlyThreeKindsAreLookedInto();
    void namesAndAttributesAreNotText();
    void phraseMustLieInOneRunOfText();
    void searchStopsAtTheFirstMatch();
    void textIsReadAsTheReaderSeesIt_data();
    void textIsReadAsTheReaderSeesIt();
    void damagedFilesNeverMatch_data();
    void damagedFilesNeverMatch();
    void hugeFileIsRejectedUnread();
    void utf16ReportIsFound();
};

void ReportContainsTest::caseOfThePhraseFollowsTheBox()
{
    ProjectsFolder folder;
    const QString report = folder.writeReportWithText(QStringLiteral("Farm/Inspection.arvir"),
                                                      QStringLiteral("Inverter mounted in the barn"));
    QVERIFY(contains(QStringLiteral("*inverter*"), Qt::CaseInsensitive, report));
    QVERIFY(!contains(QStringLiteral("*inverter*"), Qt::CaseSensitive, report));
    QVERIFY(contains(QStringLiteral("*Inverter*"), Qt::CaseSensitive, report));
    QVERIFY(!contains(QStringLiteral("*cellar*"), Qt::CaseInsensitive, report));
}

void ReportContainsTest::onlyThreeKindsAreLookedInto_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("searched");
    QTest::newRow("inspection report") << "a.arvir" << true;
    QTest::newRow("array test report") << "a.arvatr" << true;
    QTest::newRow("verification certificate") << "a.ARVVC" << true;
    QTest::newRow("checklist") << "a.arvchk" << false;
    QTest::newRow("old report") << "a.arvreport" << false;
    QTest::newRow("diagram") << "a.arvid" << false;
    QTest::newRow("no extension") << "arvir report" << false;
}

void ReportContainsTest::onlyThreeKindsAreLookedInto()
{
    QFETCH(QString, name);
    QFETCH(bool, searched);
    ProjectsFolder folder;
    const QString file = folder.writeReportWithText(name, QStringLiteral("Inverter"));
    QCOMPARE(contains(QStringLiteral("*inverter*"), Qt::CaseInsensitive, file), searched);
}

void ReportContainsTest::namesAndAttributesAreNotText()
{
    ProjectsFolder folder;
    const QString report = folder.writeReport(
        QStringLiteral("a.arvir"), "<document resPak=\"inverter.pak\"><inverter id=\"inverter\"/><text/></document>");
    QVERIFY(!contains(QStringLiteral("*inverter*"), Qt::CaseInsensitive, report));
}

void ReportContainsTest::phraseMustLieInOneRunOfText()
{
    ProjectsFolder folder;
    const QString report = folder.writeReport(
        QStringLiteral("a.arvatr"), "<document><text>string 1 &amp; 2</text><text>open circuit</text></document>");
    QVERIFY(contains(QStringLiteral("*1 & 2*"), Qt::CaseInsensitive, report));
    QVERIFY(contains(QStringLiteral("*circuit"), Qt::CaseInsensitive, report));
    QVERIFY(!contains(QStringLiteral("*2open*"), Qt::CaseInsensitive, report));
}

void ReportContainsTest::searchStopsAtTheFirstMatch()
{
    // What follows the first match is never read, so it may even be broken.
    Ks::XmlSearchHandler handler(QStringLiteral("*found*"), Qt::CaseInsensitive);
    handler.parse("<document><text>not here</text><text>Found it</text><broken attr=></document>");
    QVERIFY(handler.found());
    QVERIFY(!handler.characters(QStringLiteral("anything")));

    Ks::XmlSearchHandler late(QStringLiteral("*found*"), Qt::CaseInsensitive);
    late.parse("<document><broken attr=><text>found</text></document>");
    QVERIFY(!late.found());
}

void ReportContainsTest::textIsReadAsTheReaderSeesIt_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("found");
    QTest::newRow("character reference") << QByteArray("<d><t>Herr M&#252;ller</t></d>") << "*Müller*" << true;
    QTest::newRow("quoted") << QByteArray("<d><t>&quot;String&quot; &lt;2&gt;</t></d>") << "*\"String\" <2>*" << true;
    QTest::newRow("other encoding")
        << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><d><t>M\xfcller</t></d>") << "*Müller*" << true;
    QTest::newRow("UTF-8 declared") << QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?><d><t>Müller</t></d>")
                                    << "*müller*" << true;
    QTest::newRow("fixed part only in a name") << QByteArray("<d><inverter/><t>none</t></d>") << "*inverter*" << false;
    QTest::newRow("CDATA") << QByteArray("<d><t><![CDATA[a < b & c]]></t></d>") << "*< b & c*" << true;
    QTest::newRow("not there at all") << QByteArray("<d><t>roof</t></d>") << "*cellar*" << false;
    // "<d><t>Müller</t></d>" in UTF-16, as some tools write XML.
    const QByteArray littleEndian("<\0d\0>\0<\0t\0>\0M\0\xfc\0l\0l\0e\0r\0<\0/\0t\0>\0<\0/\0d\0>\0", 40);
    QByteArray bigEndian;
    for (int i = 0; i < littleEndian.size(); i += 2)
        bigEndian += littleEndian.mid(i + 1, 1) + littleEndian.mid(i, 1);
    QTest::newRow("UTF-16LE with mark") << QByteArray("\xff\xfe", 2) + littleEndian << "*müller*" << true;
    QTest::newRow("UTF-16BE with mark") << QByteArray("\xfe\xff", 2) + bigEndian << "*müller*" << true;
    QTest::newRow("UTF-16LE unmarked") << littleEndian << "*müller*" << true;
    QTest::newRow("UTF-16, phrase absent") << QByteArray("\xff\xfe", 2) + littleEndian << "*cellar*" << false;
}

void ReportContainsTest::textIsReadAsTheReaderSeesIt()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, pattern);
    QFETCH(bool, found);
    Ks::XmlSearchHandler handler(pattern, Qt::CaseInsensitive);
    QCOMPARE(handler.parse(xml), found);
    // The same handler serves the next document afresh.
    QVERIFY(!handler.parse("<d><t>-</t></d>"));
}

void ReportContainsTest::damagedFilesNeverMatch_data()
{
    QTest::addColumn<QByteArray>("contents");
    ProjectsFolder folder;
    const QString good = folder.writeReportWithText(QStringLiteral("good.arvir"), QStringLiteral("inverter"));
    QFile file(good);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("truncated") << whole.left(whole.size() / 2);
    QTest::newRow("length only") << whole.left(4);
    QTest::newRow("plain text") << QByteArray("inverter inverter inverter");
    QTest::newRow("length claims too much") << QByteArray("\xff\xff\xff\xf0", 4) + whole.mid(4);
}

void ReportContainsTest::damagedFilesNeverMatch()
{
    QFETCH(QByteArray, contents);
    ProjectsFolder folder;
    const QString report = folder.writeFile(QStringLiteral("damaged.arvir"), contents);
    QVERIFY(!contains(QStringLiteral("*"), Qt::CaseInsensitive, report));
    QVERIFY(!contains(QStringLiteral("*inverter*"), Qt::CaseInsensitive, folder.path(QStringLiteral("gone.arvir"))));
}

void ReportContainsTest::hugeFileIsRejectedUnread()
{
    ProjectsFolder folder;
    const QString report = folder.writeFile(QStringLiteral("huge.arvvc"), QByteArray("\x00\x00\x10\x00", 4));
    QFile file(report);
    // Sparse: takes no disk space, but reading it would take a gigabyte of memory.
    QVERIFY(file.resize(qint64(1) << 30));
    QVERIFY(!contains(QStringLiteral("*"), Qt::CaseInsensitive, report));
}

void ReportContainsTest::utf16ReportIsFound()
{
    ProjectsFolder folder;
    // '<?xml version="1.0" encoding="UTF-16"?><document><text>Inverter</text></document>'
    const QByteArray ascii = "<?xml version=\"1.0\" encoding=\"UTF-16\"?><document><text>Inverter</text></document>";
    QByteArray xml("\xff\xfe", 2);
    for (const char c : ascii)
        xml += QByteArray(1, c) + QByteArray(1, '\0');
    const QString report = folder.writeReport(QStringLiteral("a.arvir"), xml);
    QVERIFY(contains(QStringLiteral("*inverter*"), Qt::CaseInsensitive, report));
    QVERIFY(!contains(QStringLiteral("*cellar*"), Qt::CaseInsensitive, report));
}

VELTRANO_TEST(ReportContainsTest)
#include "ReportContainsTest.moc"
