#pragma once

#include "Failure.h"

#include <QCoreApplication>
#include <QSizeF>
#include <QString>

class QPrinter;
class QwtPlot;

namespace IVCurve {

// Puts the plot on paper or into a file the size of an A4 landscape page, so exported pictures
// and printed sheets look alike.
class CurvePlotOutput
{
    Q_DECLARE_TR_FUNCTIONS(CurvePlotOutput)

public:
    static const QSizeF pageSizeMm;
    static const int resolutionDpi;

    // A PDF for ".pdf", otherwise an image in the format its extension names. A failure names
    // the file and says why.
    static Failure renderToFile(QwtPlot* plot, const QString& path);
    // A4 landscape, 5 mm margins, at the printer's full resolution.
    static void preparePrinter(QPrinter& printer);
    static bool renderToPrinter(QwtPlot* plot, QPrinter& printer);

private:
    static bool renderToFile(QwtPlot* plot, const QString& path, QString& error);
    static bool renderToPdf(QwtPlot* plot, const QString& path, QString& error);
    static bool printPdf(QwtPlot* plot, const QString& path, QString& error);
    static bool renderToImage(QwtPlot* plot, const QString& path, QString& error);
};

} // namespace IVCurve
