#pragma once

#include "AbstractReportItem.h"
#include "SvgTextRuns.h"

class QGraphicsSvgItem;

// A page's background drawing, drawn at 96 DPI; drawings made at another DPI are scaled.
class ReportSvg : public AbstractReportItem
{
    Q_OBJECT

public:
    enum { Type = SvgType };

    explicit ReportSvg(QGraphicsItem* parent = nullptr);

    int type() const override { return Type; }
    QString tagName() const override;
    bool toXml(QDomElement& element, bool valuesOnly, BlobList& blobs) override;
    bool fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs) override;

    QString filePath() const { return file; }
    int dpi() const { return dotsPerInch; }
    QGraphicsSvgItem* drawing() const { return drawingItem; }

private:
    QGraphicsSvgItem* makeDrawing(const QString& path);
    static void addText(QGraphicsSvgItem* drawing, const SvgTextRun& run);

    QString file;
    int dotsPerInch = 96;
    QGraphicsSvgItem* drawingItem = nullptr;
};
