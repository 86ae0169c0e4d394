#include "ManualBuilder.h"
#include "ManualPdfWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

namespace {
// A title page, the contents on their own page, then chapters long enough to span pages.
QString sampleManual(int chapters, int paragraphsPerSection, const QString& picture = QString())
{
    QString html = QStringLiteral("<html><head><title>Sample Manual</title><style>h1 { page-break-before: always; }</style>"
                                  "</head><body><p>Title</p><p style=\"page-break-before: always;\">Contents</p>")
        + ManualBuilder::contentsMarker;
    for (int chapter = 0; chapter < chapters; ++chapter) {
        html += QStringLiteral("<h1>Chapter %1 &amp; more</h1>").arg(chapter + 1);
        for (int section = 0; section < 2; ++section) {
            html += QStringLiteral("<h2>Section %1</h2>").arg(section + 1);
            for (int paragraph = 0; paragraph < paragraphsPerSection; ++paragraph)
                html += QStringLiteral("<p>Text of the section, long enough to need a few lines on the page.</p>");
        }
    }
    if (!picture.isEmpty())
        html += QStringLiteral("<p><img src=\"%1\" width=\"100\"></p>").arg(picture);
    return html + QStringLiteral("</body></html>");
}

// The page a heading's block is laid out on, counted from 1.
int pageOfBlockStartingWith(QTextDocument& document, const QString& start)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.text().startsWith(start))
            return int(block.layout()->position().y() / document.pageSize().height()) + 1;
    }
    return -1;
}
// `lead` paragraphs, then a section heading with its text and a table of four rows.
QString manualWithLead(int lead)
{
    QString html = QStringLiteral("<html><body>") + ManualBuilder::contentsMarker + QStringLiteral("<h1>Chapter</h1>");
    for (int paragraph = 0; paragraph < lead; ++paragraph)
        html += QStringLiteral("<p>Lead text of the chapter, one line.</p>");
    html += QStringLiteral("<h2>Section</h2><p>Text of the section, a line or two.</p><table>");
    for (int row = 0; row < 4; ++row)
        html += QStringLiteral("<tr><td>Message %1</td><td>What to do about it</td></tr>").arg(row);
    return html + QStringLiteral("</table><p>After the table.</p></body></html>");
}

int pageOf(QTextDocument& document, double y)
{
    return int(y / document.pageSize().height());
}
} // namespace

class ManualBuilderTest : public QObject
{
    Q_OBJECT

private slots:
    void headingsAreNumberedInTheText();
    void contentsNameThePagesTheChaptersLandOn();
    void runningHeadFollowsTheChapters();
    void missingPicturesAndMarkerAreRefused();
    void headingsAndShortTablesKeepToOnePage();
    void writesAnA4PdfAndReportsAnUnwritablePath();
};

void ManualBuilderTest::headingsAreNumberedInTheText()
{
    ManualBuilder manual(sampleManual(2, 1), QString());
    QCOMPARE(manual.build(), ManualBuilder::Result::Ok);
    QStringList numbers;
    for (const ManualHeading& heading : manual.headings())
        numbers << heading.number + QLatin1Char(' ') + heading.title;
    QCOMPARE(numbers, (QStringList{QStringLiteral("1 Chapter 1 & more"), QStringLiteral("1.1 Section 1"),
                                   QStringLiteral("1.2 Section 2"), QStringLiteral("2 Chapter 2 & more"),
                                   QStringLiteral("2.1 Section 1"), QStringLiteral("2.2 Section 2")}));
    QCOMPARE(pageOfBlockStartingWith(manual.document(), QStringLiteral("2.1\u2003Section 1")) > 0, true);
    QCOMPARE(manual.title(), QStringLiteral("Sample Manual"));
}

// So many chapters that the contents need a second page: every chapter moves one page on, and
// the page numbers printed must be those after the move.
void ManualBuilderTest::contentsNameThePagesTheChaptersLandOn()
{
    ManualBuilder manual(sampleManual(30, 12), QString());
    QCOMPARE(manual.build(), ManualBuilder::Result::Ok);
    QTextDocument& document = manual.document();
    const QString contents = document.toPlainText();
    for (const ManualHeading& heading : manual.headings()) {
        const int landed = pageOfBlockStartingWith(document, heading.number + QStringLiteral("\u2003"));
        QCOMPARE(heading.page, landed);
    }
    QVERIFY(manual.headings().first().page > 3);
    QVERIFY(contents.contains(QStringLiteral("Chapter 30 & more")));
    // A chapter starts its own page and sections run on.
    QCOMPARE(manual.headings().at(3).page, manual.headings().at(0).page + 1);
}

void ManualBuilderTest::runningHeadFollowsTheChapters()
{
    ManualBuilder manual(sampleManual(3, 1), QString());
    QCOMPARE(manual.build(), ManualBuilder::Result::Ok);
    QCOMPARE(manual.chapterOn(1), QString());
    const ManualHeading& second = manual.headings().at(3);
    QCOMPARE(manual.chapterOn(second.page), QStringLiteral("2 Chapter 2 & more"));
    QCOMPARE(manual.chapterOn(second.page - 1), QStringLiteral("1 Chapter 1 & more"));
}

// Wherever the page ends, a section heading stays with the start of its text and a short table
// stays whole.
void ManualBuilderTest::headingsAndShortTablesKeepToOnePage()
{
    for (int lead = 30; lead < 80; ++lead) {
        ManualBuilder manual(manualWithLead(lead), QString());
        QCOMPARE(manual.build(), ManualBuilder::Result::Ok);
        QTextDocument& document = manual.document();
        QAbstractTextDocumentLayout* layout = document.documentLayout();
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() != 2)
                continue;
            const QRectF heading = layout->blockBoundingRect(block);
            const QRectF text = layout->blockBoundingRect(block.next());
            QCOMPARE(pageOf(document, heading.top()), pageOf(document, text.top() + 1));
        }
        for (QTextFrame* frame : document.rootFrame()->childFrames()) {
            const QRectF table = layout->frameBoundingRect(frame);
            QCOMPARE(pageOf(document, table.top()), pageOf(document, table.bottom() - 1));
        }
    }
}

void ManualBuilderTest::missingPicturesAndMarkerAreRefused()
{
    QTemporaryDir pictures;
    ManualBuilder missing(sampleManual(1, 1, QStringLiteral("main-window.png")), pictures.path());
    QCOMPARE(missing.build(), ManualBuilder::Result::MissingImages);
    QCOMPARE(missing.missingImages(), QStringList{QStringLiteral("main-window.png")});

    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(pictures.filePath(QStringLiteral("main-window.png"))));
    ManualBuilder present(sampleManual(1, 1, QStringLiteral("main-window.png")), pictures.path());
    QCOMPARE(present.build(), ManualBuilder::Result::Ok);

    QString unmarked = sampleManual(1, 1);
    unmarked.remove(ManualBuilder::contentsMarker);
    QCOMPARE(ManualBuilder(unmarked, QString()).build(), ManualBuilder::Result::NoContentsMarker);
}

void ManualBuilderTest::writesAnA4PdfAndReportsAnUnwritablePath()
{
    QTemporaryDir folder;
    ManualBuilder manual(sampleManual(2, 12), QString());
    QCOMPARE(manual.build(), ManualBuilder::Result::Ok);
    const QString pdfPath = folder.filePath(QStringLiteral("Instruction Manual.pdf"));
    QVERIFY(ManualPdfWriter(manual).write(pdfPath));
    QFile pdf(pdfPath);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "),
             manual.pageCount());
    QVERIFY(bytes.contains("/MediaBox [0 0 595.000000 842.000000]"));

    QVERIFY(!ManualPdfWriter(manual).write(folder.filePath(QStringLiteral("no such folder/manual.pdf"))));
}

QTEST_MAIN(ManualBuilderTest)
#include "ManualBuilderTest.moc"
