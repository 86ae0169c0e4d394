#pragma once

#include "ManualHeading.h"
#include "ManualTextDocument.h"

#include <QString>
#include <QVector>

#include <memory>

class QTextBlock;

// Turns the HTML text of a manual into a paginated document: chapters (h1) and sections (h2)
// are numbered, and the place marked <!-- contents --> receives the table of contents with the
// page each of them starts on.
class ManualBuilder
{
public:
    enum class Result { Ok, MissingImages, NoContentsMarker };

    ManualBuilder(const QString& html, const QString& imageFolder);

    Result build();
    // The names behind Result::MissingImages.
    QStringList missingImages() const;

    QTextDocument& document();
    const QVector<ManualHeading>& headings() const;
    // The text of the <title> element: the manual's name in the page footers and the PDF.
    QString title() const;
    int pageCount();
    // The chapter in force on a page (counted from 1); empty before the first chapter.
    QString chapterOn(int page) const;

    static const QString contentsMarker;

private:
    void layOut(const QString& html);
    void numberHeadings();
    void keepShortTablesWhole();
    void keepHeadingsWithTheirText();
    void breakPageBefore(const QTextBlock& block);
    void relayOut();
    int pageIndexAt(double y) const;
    QVector<ManualHeading> headingPages();
    QString contentsHtml() const;

    QString source;
    QString imageFolder;
    std::unique_ptr<ManualTextDocument> text;
    QVector<ManualHeading> found;
};
