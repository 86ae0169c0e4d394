#include "SvgTextRuns.h"

#include <QDomDocument>

namespace {
// Maps the viewBox onto the width and height the drawing is shown at; the drawings are scaled
// evenly, so one factor does for positions and sizes.
struct ViewBoxMapping
{
    QPointF origin;
    double factor = 1.0;
};

ViewBoxMapping mappingOf(const QDomElement& root)
{
    ViewBoxMapping mapping;
    const QStringList box = root.attribute(QStringLiteral("viewBox")).simplified().replace(',', ' ').split(' ');
    const double width = root.attribute(QStringLiteral("width")).toDouble();
    if (box.size() != 4 || box.at(2).toDouble() <= 0.0 || width <= 0.0)
        return mapping;
    mapping.origin = QPointF(box.at(0).toDouble(), box.at(1).toDouble());
    mapping.factor = width / box.at(2).toDouble();
    return mapping;
}

bool isPlainText(const QDomElement& text)
{
    if (!text.firstChildElement().isNull())
        return false;
    for (QDomNode up = text.parentNode(); up.isElement(); up = up.parentNode()) {
        if (up.toElement().hasAttribute(QStringLiteral("transform")))
            return false;
    }
    return !text.hasAttribute(QStringLiteral("transform")) && !text.hasAttribute(QStringLiteral("style"));
}

SvgTextRun runOf(const QDomElement& text, const ViewBoxMapping& mapping)
{
    SvgTextRun run;
    const QPointF position(text.attribute(QStringLiteral("x")).toDouble(), text.attribute(QStringLiteral("y")).toDouble());
    run.baseline = (position - mapping.origin) * mapping.factor;
    run.text = text.text().simplified();
    run.family = text.attribute(QStringLiteral("font-family"));
    run.size = text.attribute(QStringLiteral("font-size"), QStringLiteral("16")).toDouble() * mapping.factor;
    run.bold = text.attribute(QStringLiteral("font-weight")) == QLatin1String("bold");
    run.italic = text.attribute(QStringLiteral("font-style")) == QLatin1String("italic");
    const QColor fill(text.attribute(QStringLiteral("fill"), QStringLiteral("black")));
    run.colour = fill.isValid() ? fill : QColor(Qt::black);
    run.anchor = text.attribute(QStringLiteral("text-anchor"), QStringLiteral("start"));
    return run;
}
} // namespace

bool SvgTextRuns::split(const QByteArray& svg, QByteArray& shapes, QVector<SvgTextRun>& runs)
{
    QDomDocument document;
    if (!document.setContent(svg) || document.documentElement().tagName() != QLatin1String("svg"))
        return false;
    const ViewBoxMapping mapping = mappingOf(document.documentElement());
    const QDomNodeList texts = document.elementsByTagName(QStringLiteral("text"));
    QVector<QDomElement> plain;
    for (int i = 0; i < texts.size(); ++i) {
        const QDomElement text = texts.at(i).toElement();
        if (isPlainText(text))
            plain << text;
    }
    QVector<SvgTextRun> found;
    for (QDomElement& text : plain) {
        found << runOf(text, mapping);
        text.parentNode().removeChild(text);
    }
    shapes = document.toByteArray(-1);
    runs = found;
    return true;
}

QPointF SvgTextRuns::start(const SvgTextRun& run, double textWidth)
{
    if (run.anchor == QLatin1String("middle"))
        return run.baseline - QPointF(textWidth / 2.0, 0.0);
    if (run.anchor == QLatin1String("end"))
        return run.baseline - QPointF(textWidth, 0.0);
    return run.baseline;
}
