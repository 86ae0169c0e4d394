#include "CurvePlotOutput.h"

#include "FileWriter.h"
#include "StagedPdfFile.h"
#include "WaitCursor.h"

#include <qwt_plot.h>
#include <qwt_plot_renderer.h>

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace IVCurve {

const QSizeF CurvePlotOutput::pageSizeMm(297.0, 210.0);
const int CurvePlotOutput::resolutionDpi = 300;

namespace {
const double printMarginMm = 5.0;
const double mmPerInch = 25.4;

QSizeF pagePixels()
{
    return CurvePlotOutput::pageSizeMm * (CurvePlotOutput::resolutionDpi / mmPerInch);
}
} // namespace

Failure CurvePlotOutput::renderToFile(QwtPlot* plot, const QString& path)
{
    QString error;
    if (renderToFile(plot, path, error))
        return {};
    return {tr("There was a problem trying to save the image %1", "Error Message").arg(QFileInfo(path).fileName()),
            tr("Exception details: %1", "Error message informative text").arg(error)};
}

bool CurvePlotOutput::renderToFile(QwtPlot* plot, const QString& path, QString& error)
{
    const WaitCursor waiting;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return renderToPdf(plot, path, error);
    return renderToImage(plot, path, error);
}

bool CurvePlotOutput::renderToPdf(QwtPlot* plot, const QString& path, QString& error)
{
    StagedPdfFile output(path);
    if (!printPdf(plot, output.printPath(), error))
        return false;
    return output.commit(error);
}

bool CurvePlotOutput::printPdf(QwtPlot* plot, const QString& path, QString& error)
{
    QPdfWriter writer(path);
    writer.setResolution(resolutionDpi);
    writer.setPageSize(QPageSize(pageSizeMm, QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer)) {
        error = tr("The file cannot be written.", "Error message informative text");
        return false;
    }
    QwtPlotRenderer().render(plot, &painter, QRectF(QPointF(0, 0), pagePixels()));
    if (!painter.end()) {
        error = tr("The file cannot be written.", "Error message informative text");
        return false;
    }
    return true;
}

bool CurvePlotOutput::renderToImage(QwtPlot* plot, const QString& path, QString& error)
{
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format)) {
        error = tr("Images can be saved as BMP, JPEG or PNG files.", "Error message informative text");
        return false;
    }
    QImage image(pagePixels().toSize(), QImage::Format_ARGB32);
    const int dotsPerMeter = qRound(resolutionDpi / mmPerInch * 1000.0);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QwtPlotRenderer().render(plot, &painter, QRectF(image.rect()));
    }
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    if (!writer.write(image)) {
        error = writer.errorString();
        return false;
    }
    return FileWriter::write(path, encoded.data(), error);
}

void CurvePlotOutput::preparePrinter(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(printMarginMm, printMarginMm, printMarginMm, printMarginMm),
                           QPageLayout::Millimeter);
}

// On a greyscale printer coloured backgrounds would only turn grey: they are left out and the
// scales get frames instead.
bool CurvePlotOutput::renderToPrinter(QwtPlot* plot, QPrinter& printer)
{
    const WaitCursor waiting;
    QwtPlotRenderer renderer;
    if (printer.colorMode() == QPrinter::GrayScale) {
        renderer.setDiscardFlag(QwtPlotRenderer::DiscardBackground);
        renderer.setDiscardFlag(QwtPlotRenderer::DiscardCanvasBackground);
        renderer.setDiscardFlag(QwtPlotRenderer::DiscardCanvasFrame);
        renderer.setLayoutFlag(QwtPlotRenderer::FrameWithScales);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    renderer.render(plot, &painter, QRectF(0, 0, printer.width(), printer.height()));
    return painter.end();
}

} // namespace IVCurve
