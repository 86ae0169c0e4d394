#include "ProjectsFolder.h"
#include "SearchCriteria.h"
#include "TestMain.h"
#include "WildcardPattern.h"

#include <QFileInfo>
#include <QTest>

class PatternTest : public QObject
{
    Q_OBJECT

private slots:
    void wildcardsMatchTheWholeText_data();
    void wildcardsMatchTheWholeText();
    void caseFollowsTheChoice();
    void longestFixedPartLiesBetweenWildcards_data();
    void longestFixedPartLiesBetweenWildcards();
    void namesAreWidenedAtBothEnds_data();
    void namesAreWidenedAtBothEnds();
    void sizeEqualToTheLimitPassesBothComparisons();
    void datesAreInclusiveDays();
    void emptyPhraseIsNoCriterion();
};

void PatternTest::wildcardsMatchTheWholeText_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matches");
    QTest::newRow("star across a slash") << "*inverter*" << "12/03/2026 inverter checked" << true;
    QTest::newRow("star across a line break") << "*fault*" << "no\nfault found" << true;
    QTest::newRow("whole text only") << "inverter" << "the inverter" << false;
    QTest::newRow("question mark is one character") << "?V" << "PV" << true;
    QTest::newRow("question mark is not two") << "?V" << "GPV" << false;
    QTest::newRow("set") << "String [12]" << "String 2" << true;
    QTest::newRow("set misses") << "String [12]" << "String 3" << false;
    QTest::newRow("negated set") << "String [!12]" << "String 3" << true;
    QTest::newRow("bracket first in a set") << "[]x]" << "]" << true;
    QTest::newRow("unclosed bracket is plain") << "*[draft*" << "notes [draft" << true;
    QTest::newRow("regular expression signs are plain") << "*1.5 (A)+$*" << "Isc 1.5 (A)+$ max" << true;
    QTest::newRow("dot is not any character") << "a.c" << "abc" << false;
    QTest::newRow("backslash is plain") << "*C:\\PV*" << "C:\\PV\\data" << true;
    QTest::newRow("backslash in a set") << "C:[\\/]PV" << "C:\\PV" << true;
    QTest::newRow("slash in the same set") << "C:[\\/]PV" << "C:/PV" << true;
    QTest::newRow("set misses beside a backslash") << "C:[\\/]PV" << "C:-PV" << false;
    QTest::newRow("backslash alone in a set") << "[\\]" << "\\" << true;
    QTest::newRow("backslash does not escape the closing bracket") << "[\\]x]" << "\\x]" << true;
    QTest::newRow("backslash before a letter in a set") << "[\\d]" << "5" << false;
    QTest::newRow("negated set with a backslash") << "[!\\]" << "\\" << false;
}

void PatternTest::wildcardsMatchTheWholeText()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(bool, matches);
    QCOMPARE(WildcardPattern::expression(pattern, Qt::CaseSensitive).match(text).hasMatch(), matches);
}

void PatternTest::caseFollowsTheChoice()
{
    QVERIFY(WildcardPattern::expression(QStringLiteral("*inverter*"), Qt::CaseInsensitive)
                .match(QStringLiteral("Inverter"))
                .hasMatch());
    QVERIFY(!WildcardPattern::expression(QStringLiteral("*inverter*"), Qt::CaseSensitive)
                 .match(QStringLiteral("Inverter"))
                 .hasMatch());
    QVERIFY(WildcardPattern::expression(QStringLiteral("*MÜLLER*"), Qt::CaseInsensitive)
                .match(QStringLiteral("Herr Müller"))
                .hasMatch());
}

void PatternTest::longestFixedPartLiesBetweenWildcards_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("part");
    QTest::newRow("plain") << "*inverter*" << "inverter";
    QTest::newRow("longest wins") << "*ab?cdef*g*" << "cdef";
    QTest::newRow("set is no fixed part") << "*ab [12] open*" << " open";
    QTest::newRow("unclosed bracket is") << "*[draft*" << "[draft";
    QTest::newRow("only wildcards") << "*?*" << "";
}

void PatternTest::longestFixedPartLiesBetweenWildcards()
{
    QFETCH(QString, pattern);
    QFETCH(QString, part);
    QCOMPARE(WildcardPattern::longestFixedPart(pattern), part);
}

void PatternTest::namesAreWidenedAtBothEnds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("empty") << "" << "*";
    QTest::newRow("plain") << "panel" << "*panel*";
    QTest::newRow("leading star kept") << "*panel" << "*panel*";
    QTest::newRow("trailing star kept") << "panel*" << "*panel*";
    QTest::newRow("inner star kept") << "pan*el" << "*pan*el*";
    QTest::newRow("lone star") << "*" << "*";
}

void PatternTest::namesAreWidenedAtBothEnds()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QCOMPARE(SearchCriteria::widened(text), pattern);
}

void PatternTest::sizeEqualToTheLimitPassesBothComparisons()
{
    ProjectsFolder folder;
    const QFileInfo exact(folder.writeFile(QStringLiteral("exact.bin"), QByteArray(10240, 'x')));
    const QFileInfo above(folder.writeFile(QStringLiteral("above.bin"), QByteArray(10241, 'x')));
    const QFileInfo below(folder.writeFile(QStringLiteral("below.bin"), QByteArray(10239, 'x')));
    SearchCriteria greater;
    greater.setSizeLimit(SearchCriteria::GreaterThan, 10);
    SearchCriteria less;
    less.setSizeLimit(SearchCriteria::LessThan, 10);
    QVERIFY(greater.matches(exact));
    QVERIFY(less.matches(exact));
    QVERIFY(greater.matches(above));
    QVERIFY(!less.matches(above));
    QVERIFY(!greater.matches(below));
    QVERIFY(less.matches(below));
    // The largest limit the panel offers must not overflow.
    SearchCriteria largest;
    largest.setSizeLimit(SearchCriteria::LessThan, 4194303);
    QVERIFY(largest.matches(above));
}

void PatternTest::datesAreInclusiveDays()
{
    ProjectsFolder folder;
    const QDate today = QDate::currentDate();
    const QString late = folder.writeFile(QStringLiteral("late.txt"));
    const QString yesterday = folder.writeFile(QStringLiteral("yesterday.txt"));
    QVERIFY(ProjectsFolder::setModified(late, QDateTime(today, QTime(23, 59, 30))));
    QVERIFY(ProjectsFolder::setModified(yesterday, QDateTime(today.addDays(-1), QTime(23, 59))));
    SearchCriteria todayOnly;
    todayOnly.setDateRange(SearchCriteria::ModifiedDate, today, today);
    QVERIFY(todayOnly.matches(QFileInfo(late)));
    QVERIFY(!todayOnly.matches(QFileInfo(yesterday)));
    SearchCriteria twoDays;
    twoDays.setDateRange(SearchCriteria::ModifiedDate, today.addDays(-1), today);
    QVERIFY(twoDays.matches(QFileInfo(yesterday)));
    // A file system without birth times still gives created files a date.
    SearchCriteria created;
    created.setDateRange(SearchCriteria::CreatedDate, today, today);
    QVERIFY(created.matches(QFileInfo(yesterday)));
}

void PatternTest::emptyPhraseIsNoCriterion()
{
    ProjectsFolder folder;
    const QFileInfo photo(folder.writeFile(QStringLiteral("roof.jpg")));
    SearchCriteria criteria;
    criteria.setPhrase(QString(), Qt::CaseInsensitive);
    QVERIFY(criteria.matches(photo));
    criteria.setPhrase(QStringLiteral("inverter"), Qt::CaseInsensitive);
    QVERIFY(!criteria.matches(photo));
}

VELTRANO_TEST(PatternTest)
#include "PatternTest.moc"
