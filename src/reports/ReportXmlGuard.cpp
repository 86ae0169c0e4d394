#include "ReportXmlGuard.h"

#include "ReportLimits.h"
#include "ReportPaths.h"
#include "XmlNesting.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>

namespace {
struct NumberRange
{
    const char* attribute;
    double lowest;
    double highest;
};

// Geometry stays within a few hundred pages of A3 either way; the rest is what the items can show.
constexpr double farthest = 1e6;
const NumberRange numberRanges[] = {
    {"x", -farthest, farthest},         {"y", -farthest, farthest},
    {"width", -farthest, farthest},     {"height", -farthest, farthest},
    {"size", -farthest, farthest},      {"boxPosX", -farthest, farthest},
    {"boxPosY", -farthest, farthest},   {"fontSize", 0.0, 1000.0},
    {"fontWeight", 0.0, 99.0},          {"padding", -1000.0, 1000.0},
    {"boxScale", -1000.0, 1000.0},      {"scale", -1000.0, 1000.0},
    {"dpi", -100000.0, 100000.0},       {"pageNumber", -1000.0, 1000.0},
    {"numRows", -1.0, ReportLimits::maximumTableLines}, {"numCols", -1.0, ReportLimits::maximumTableLines},
    {"row", -1.0, 65535.0},             {"col", -1.0, 65535.0},
    {"rowspan", -65535.0, 65535.0},     {"colspan", -65535.0, 65535.0},
    {"index", -1.0, 65535.0},
};

// "1e999" and "inf" are numbers the readers would take as infinite or drop without a word.
bool looksNumeric(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[-+]?(\\d|\\.\\d|inf|nan)"),
                                           QRegularExpression::CaseInsensitiveOption);
    return number.match(text).hasMatch();
}

// The items whose text the reader takes with everything inside them.
bool holdsText(const QStringRef& tag)
{
    return tag == QLatin1String("text") || tag == QLatin1String("checkBox") || tag == QLatin1String("cell");
}

double numberOr(const QXmlStreamAttributes& attributes, const QString& name, double fallback)
{
    bool ok = false;
    const double value = attributes.value(name).trimmed().toDouble(&ok);
    return ok ? value : fallback;
}
} // namespace

ReportXmlGuard::ReportXmlGuard(const QString& documentFolder)
    : documentFolder(documentFolder)
{
}

bool ReportXmlGuard::check(const QByteArray& xml)
{
    refusal.clear();
    elements = 0;
    pictures = 0;
    line = 0;
    depth = 0;
    textLength = 0;
    textItemDepth = 0;
    totalTextLength = 0;
    if (xml.size() > ReportLimits::maximumXmlBytes)
        return refuse(tr("the report text is larger than %1 MB").arg(ReportLimits::maximumXmlBytes / (1024 * 1024)));
    QXmlStreamReader reader(xml);
    while (!reader.atEnd() && !reader.hasError()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        line = reader.lineNumber();
        if (token == QXmlStreamReader::DTD)
            return refuse(tr("it declares a document type, which reports never do"));
        if (token == QXmlStreamReader::StartElement && !enterElement(reader))
            return false;
        if (token == QXmlStreamReader::EndElement)
            leaveElement();
        if (token == QXmlStreamReader::Characters && !countText(reader))
            return false;
    }
    if (reader.hasError() && XmlNesting::roughDepth(xml) > ReportLimits::maximumDepth)
        return refuse(tr("its elements are nested more than %1 levels deep").arg(ReportLimits::maximumDepth));
    return true;
}

bool ReportXmlGuard::enterElement(const QXmlStreamReader& reader)
{
    if (++depth > ReportLimits::maximumDepth)
        return refuse(tr("its elements are nested more than %1 levels deep").arg(ReportLimits::maximumDepth));
    if (textItemDepth == 0) {
        textLength = 0;
        textItemDepth = holdsText(reader.name()) ? depth : 0;
    }
    return checkElement(reader.name().toString(), reader.attributes());
}

void ReportXmlGuard::leaveElement()
{
    if (depth-- == textItemDepth)
        textItemDepth = 0;
    if (textItemDepth == 0)
        textLength = 0;
}

bool ReportXmlGuard::countText(const QXmlStreamReader& reader)
{
    textLength += reader.text().size();
    if (textLength > ReportLimits::maximumTextLength)
        return refuse(tr("a text is longer than %1 characters").arg(ReportLimits::maximumTextLength));
    // The indentation between elements is never laid out.
    if (!reader.isWhitespace())
        totalTextLength += reader.text().size();
    if (totalTextLength > ReportLimits::maximumTotalTextLength)
        return refuse(tr("its texts together are longer than %1 characters").arg(ReportLimits::maximumTotalTextLength));
    return true;
}

bool ReportXmlGuard::checkElement(const QString& tag, const QXmlStreamAttributes& attributes)
{
    if (++elements > ReportLimits::maximumElements)
        return refuse(tr("it holds more than %1 elements").arg(ReportLimits::maximumElements));
    if (tag == QLatin1String("image") && ++pictures > ReportLimits::maximumPictures)
        return refuse(tr("it holds more than %1 pictures").arg(ReportLimits::maximumPictures));
    if (!checkNumbers(attributes))
        return false;
    if (tag == QLatin1String("table"))
        return checkTable(attributes);
    if (tag == QLatin1String("svg"))
        return checkDrawing(attributes);
    return true;
}

// Text that is no number keeps the item's default, as the readers do; a number must be finite
// and in range, or sizes overflow when they become whole pixels and positions.
bool ReportXmlGuard::checkNumbers(const QXmlStreamAttributes& attributes)
{
    for (const NumberRange& range : numberRanges) {
        const QString name = QLatin1String(range.attribute);
        const QString text = attributes.value(name).trimmed().toString();
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok && !looksNumeric(text))
            continue;
        if (!ok || !std::isfinite(value) || value < range.lowest || value > range.highest)
            return refuse(tr("%1=\"%2\" is not a number from %3 to %4")
                              .arg(name, text.left(40))
                              .arg(range.lowest)
                              .arg(range.highest));
    }
    return true;
}

bool ReportXmlGuard::checkTable(const QXmlStreamAttributes& attributes)
{
    const double rows = qMax(0.0, numberOr(attributes, QStringLiteral("numRows"), 0.0));
    const double columns = qMax(0.0, numberOr(attributes, QStringLiteral("numCols"), 0.0));
    if (rows * columns > ReportLimits::maximumTableCells)
        return refuse(tr("a table of %1 x %2 cells has more than %3 cells")
                          .arg(rows)
                          .arg(columns)
                          .arg(ReportLimits::maximumTableCells));
    return true;
}

bool ReportXmlGuard::checkDrawing(const QXmlStreamAttributes& attributes)
{
    const QString file = attributes.value(QStringLiteral("file")).toString();
    QString why;
    if (file.isEmpty() || ReportPaths::mayRead(file, documentFolder, ReportLimits::maximumDrawingBytes, why))
        return true;
    return refuse(why);
}

bool ReportXmlGuard::refuse(const QString& why)
{
    const QString sentence = why.endsWith(QLatin1Char('.')) ? why : why + QLatin1Char('.');
    refusal = line > 0 ? tr("Line %1: %2").arg(line).arg(sentence) : sentence;
    return false;
}
