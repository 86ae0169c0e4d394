#pragma once

#include <QString>

class ManualBuilder;
class QPainter;

// Prints a built manual to an A4 PDF: the title page plain, every later page with the chapter
// in its running head and the manual's name and the page number at its foot.
class ManualPdfWriter
{
public:
    explicit ManualPdfWriter(ManualBuilder& manual);

    // False when the PDF cannot be written (no such folder, no permission).
    bool write(const QString& pdfPath);

private:
    void paintPage(QPainter& painter, int page);
    void paintRunningHead(QPainter& painter, int page);
    void paintFoot(QPainter& painter, int page);

    ManualBuilder& manual;
};
