#pragma once

#include <QCoreApplication>

class QPainter;
class QPrinter;
class ReportScene;

// Puts the pages of a report on paper or into a PDF file: one A4 page per report page, filling
// the whole sheet, with the program's footer.
class ReportPrinter
{
    Q_DECLARE_TR_FUNCTIONS(ReportPrinter)

public:
    explicit ReportPrinter(ReportScene& scene);

    // Nothing happens when the user cancels the dialog.
    void print();
    // The pages as they will be printed, in a window from which they can be printed.
    void preview();
    void exportToPdf(const QString& documentPath);
    // False when the printer could not be opened.
    bool paint(QPrinter* printer);

    // High resolution, A4, full page, no margins.
    static void prepare(QPrinter& printer);
    static QString footerText();

private:
    void paintFooter(QPainter& painter, const QPrinter& printer) const;
    // The author of the PDF: whoever the report names as its inspector.
    QString inspector() const;

    ReportScene& scene;
};
