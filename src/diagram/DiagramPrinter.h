#pragma once

#include <QCoreApplication>

class DiagramGraphicsScene;
class QPrinter;

// Puts a diagram on one A4 landscape sheet, on paper or into a PDF file, scaled to fit inside a
// 20 mm border.
class DiagramPrinter
{
    Q_DECLARE_TR_FUNCTIONS(DiagramPrinter)

public:
    explicit DiagramPrinter(DiagramGraphicsScene& scene);

    // Nothing happens when the user cancels the dialog.
    void print();
    void preview();
    void exportToPdf(const QString& documentPath);
    // False when the printer could not be opened.
    bool paint(QPrinter* printer);

    static void prepare(QPrinter& printer);
    static constexpr double borderMm = 20.0;

private:
    DiagramGraphicsScene& scene;
};
