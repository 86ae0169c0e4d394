#include "ManualBuilder.h"

#include "ManualPage.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextTable>

#include <algorithm>

namespace {
// Enough passes for the contents' own pages to settle; one more than any real manual needs.
constexpr int maximumLayoutPasses = 3;

bool isNumberedHeading(const QTextBlock& block)
{
    const int level = block.blockFormat().headingLevel();
    return level == 1 || level == 2;
}

// Sections and the smaller headings below them; chapters begin pages of their own.
bool isSectionHeading(const QTextBlock& block)
{
    const int level = block.blockFormat().headingLevel();
    return level >= 2 && level <= 4;
}

bool samePages(const QVector<ManualHeading>& a, const QVector<ManualHeading>& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a.at(i).page != b.at(i).page)
            return false;
    }
    return true;
}
} // namespace

const QString ManualBuilder::contentsMarker = QStringLiteral("<!-- contents -->");

ManualBuilder::ManualBuilder(const QString& html, const QString& imageFolder)
    : source(html)
    , imageFolder(imageFolder)
{
}

ManualBuilder::Result ManualBuilder::build()
{
    if (!source.contains(contentsMarker))
        return Result::NoContentsMarker;
    layOut(source);
    numberHeadings();
    if (!missingImages().isEmpty())
        return Result::MissingImages;
    // The contents take pages of their own, which moves every chapter; lay out until the pages
    // written in the contents are the pages the chapters land on.
    for (int pass = 0; pass < maximumLayoutPasses; ++pass) {
        QString html = source;
        html.replace(contentsMarker, contentsHtml());
        layOut(html);
        numberHeadings();
        keepShortTablesWhole();
        keepHeadingsWithTheirText();
        const QVector<ManualHeading> landed = headingPages();
        const bool settled = samePages(landed, found);
        found = landed;
        if (settled)
            break;
    }
    return Result::Ok;
}

QStringList ManualBuilder::missingImages() const
{
    return text ? text->missingImages() : QStringList();
}

QTextDocument& ManualBuilder::document()
{
    return *text;
}

const QVector<ManualHeading>& ManualBuilder::headings() const
{
    return found;
}

QString ManualBuilder::title() const
{
    return text ? text->metaInformation(QTextDocument::DocumentTitle) : QString();
}

int ManualBuilder::pageCount()
{
    return text ? text->pageCount() : 0;
}

QString ManualBuilder::chapterOn(int page) const
{
    QString chapter;
    for (const ManualHeading& heading : found) {
        if (heading.page > page)
            break;
        if (heading.level == 1)
            chapter = heading.number + QLatin1Char(' ') + heading.title;
    }
    return chapter;
}

void ManualBuilder::layOut(const QString& html)
{
    text = std::make_unique<ManualTextDocument>(imageFolder);
    text->setDocumentMargin(0);
    text->setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    text->setPageSize(ManualPage::bodySize());
    text->setHtml(html);
}

// Numbers are written into the text, so chapters read "3 Report documents" on the page and in
// the contents alike.
void ManualBuilder::numberHeadings()
{
    QVector<ManualHeading> numbered;
    int chapter = 0;
    int section = 0;
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next()) {
        if (!isNumberedHeading(block))
            continue;
        ManualHeading heading;
        heading.level = block.blockFormat().headingLevel();
        heading.title = block.text().trimmed();
        if (heading.level == 1) {
            ++chapter;
            section = 0;
            heading.number = QString::number(chapter);
        } else {
            ++section;
            heading.number = QStringLiteral("%1.%2").arg(chapter).arg(section);
        }
        QTextCursor(block).insertText(heading.number + QStringLiteral("\u2003"));
        numbered.append(heading);
    }
    for (int i = 0; i < numbered.size() && i < found.size(); ++i)
        numbered[i].page = found.at(i).page;
    found = numbered;
}

// A table that fits in half a page is not split: it starts on the next page instead. Longer
// tables, such as the lists of messages, run on over the pages.
void ManualBuilder::keepShortTablesWhole()
{
    const double pageHeight = text->pageSize().height();
    QAbstractTextDocumentLayout* layout = text->documentLayout();
    for (QTextFrame* frame : text->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        const QRectF area = layout->frameBoundingRect(table);
        if (area.height() > pageHeight / 2 || pageIndexAt(area.top()) == pageIndexAt(area.bottom()))
            continue;
        // A heading right above the table goes over with it.
        const QTextBlock above = table->firstCursorPosition().block().previous();
        if (above.isValid() && isSectionHeading(above)) {
            breakPageBefore(above);
            continue;
        }
        QTextTableFormat format = table->format();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        table->setFormat(format);
        relayOut();
    }
}

// Counted from 0.
int ManualBuilder::pageIndexAt(double y) const
{
    return int(y / text->pageSize().height());
}

void ManualBuilder::breakPageBefore(const QTextBlock& block)
{
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(block).setBlockFormat(format);
    relayOut();
}

// The layout after a new page break is only right when made again from the start.
void ManualBuilder::relayOut()
{
    text->setPageSize(text->pageSize());
}

// A heading must not close a page whose next page holds its text: it moves over to the text,
// together with at least the first two lines of it.
void ManualBuilder::keepHeadingsWithTheirText()
{
    const double twoLines = 2 * QFontMetricsF(text->defaultFont()).lineSpacing();
    QAbstractTextDocumentLayout* layout = text->documentLayout();
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next()) {
        const QTextBlock next = block.next();
        if (!isSectionHeading(block) || !next.isValid())
            continue;
        const QRectF heading = layout->blockBoundingRect(block);
        const QRectF following = layout->blockBoundingRect(next);
        const double textStart = following.top() + std::min(following.height(), twoLines);
        if (pageIndexAt(heading.top()) == pageIndexAt(textStart))
            continue;
        breakPageBefore(block);
    }
}

QVector<ManualHeading> ManualBuilder::headingPages()
{
    QVector<ManualHeading> landed = found;
    int index = 0;
    for (QTextBlock block = text->begin(); block.isValid() && index < landed.size(); block = block.next()) {
        if (!isNumberedHeading(block))
            continue;
        const double top = text->documentLayout()->blockBoundingRect(block).top();
        landed[index++].page = pageIndexAt(top) + 1;
    }
    return landed;
}

QString ManualBuilder::contentsHtml() const
{
    QString rows;
    for (const ManualHeading& heading : found) {
        const bool chapter = heading.level == 1;
        // Chapters stand out in bold with their number in the first column; sections are indented.
        const QString number = chapter ? heading.number : QString();
        const QString title = (chapter ? QString() : heading.number + QStringLiteral("\u2003")) + heading.title.toHtmlEscaped();
        const QString row = chapter ? QStringLiteral("<tr><td width=\"7%\"><b>%1</b></td><td><b>%2</b></td>"
                                                     "<td width=\"8%\" align=\"right\"><b>%3</b></td></tr>")
                                    : QStringLiteral("<tr><td width=\"7%\">%1</td><td>%2</td>"
                                                     "<td width=\"8%\" align=\"right\">%3</td></tr>");
        rows += row.arg(number, title, QString::number(heading.page));
    }
    return QStringLiteral("<table class=\"contents\" width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">%1</table>").arg(rows);
}
