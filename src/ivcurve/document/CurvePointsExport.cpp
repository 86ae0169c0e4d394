#include "CurvePointsExport.h"

#include "CurveData.h"
#include "CurveMessageBox.h"
#include "ExportFileChooser.h"
#include "FileWriter.h"
#include "ListSeparator.h"
#include "Prompts.h"
#include "SettingsKeys.h"
#include "WaitCursor.h"

#include <QLocale>

namespace IVCurve {

CurvePointsExport::CurvePointsExport(CurveLineKind kind, const QString& name, CurveData& curve)
    : kind(kind)
    , name(name)
    , curve(curve)
{
}

QString CurvePointsExport::kindWords() const
{
    const QString words = familyWord() + QLatin1Char(' ');
    return isPowerLine(kind) ? tr("PWR") + QLatin1Char(' ') + words : words;
}

QString CurvePointsExport::familyWord() const
{
    switch (ivKindOf(kind)) {
    case CurveLineKind::StcIV:
        return tr("STC");
    case CurveLineKind::ExpectedIV:
        return tr("EXP", "Export kind word: expected curve");
    default:
        return tr("MEAS");
    }
}

const QVector<QPointF>& CurvePointsExport::ivPoints() const
{
    switch (ivKindOf(kind)) {
    case CurveLineKind::StcIV:
        return curve.stcCurve(true).points();
    case CurveLineKind::ExpectedIV:
        return curve.expectedCurve().points();
    default:
        return curve.points();
    }
}

QVector<QPointF> CurvePointsExport::exportedPoints() const
{
    const QVector<QPointF>& points = ivPoints();
    if (!isPowerLine(kind))
        return points;
    QVector<QPointF> power;
    power.reserve(points.size());
    for (const QPointF& point : points)
        power.append(QPointF(point.x(), point.x() * point.y()));
    return power;
}

QString CurvePointsExport::text() const
{
    const QString separator = ListSeparator::forLocale();
    const CurveReadings& readings = curve.readings();
    // Group separators would make a spreadsheet read 1.200 as one point two.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QStringList lines;
    lines << name + kindWords() << QString();
    lines << QStringList{tr("Fill Factor"), tr("Cell Temp"), tr("Ambient Temp"), tr("Irradiance")}.join(separator);
    lines << QStringList{readings.ff, readings.cellTemp, readings.ambientTemp, readings.irradiance}.join(separator);
    lines << QString();
    lines << QStringLiteral("V") + separator + (isPowerLine(kind) ? QStringLiteral("P") : QStringLiteral("I"));
    for (const QPointF& point : exportedPoints())
        lines << locale.toString(point.x(), 'g', 6) + separator + locale.toString(point.y(), 'g', 6);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// Written as a whole or not at all: an export that fails halfway leaves an older file intact.
Failure CurvePointsExport::writeTo(const QString& path) const
{
    QString cause;
    if (FileWriter::write(path, text().toUtf8(), cause))
        return {};
    return {tr(" Could not open file:\n %1", "Error Message").arg(path) + QStringLiteral("\n\n") + cause, QString()};
}

bool CurvePointsExport::run(QWidget* parent)
{
    if (ivKindOf(kind) == CurveLineKind::ExpectedIV && ivPoints().isEmpty()) {
        CurveMessageBox::show(parent, QMessageBox::Information,
                              tr("%1 has no expected curve: assign a PV module to the string and enter the "
                                 "irradiance and cell temperature of its measurement.", "User prompt")
                                  .arg(name));
        return false;
    }
    const ExportFileChooser chooser(SettingsKeys::lastExportDir, QStringLiteral("csv"));
    const QString path = chooser.choose(parent, tr("Save CSV file", "File Save Dialog"),
                                        tr("CSV file (*.csv)", "File Save Dialog"),
                                        (name + QLatin1Char(' ') + kindWords()).simplified() + QStringLiteral(".csv"));
    if (path.isEmpty())
        return false;
    Failure failure;
    {
        const WaitCursor waiting;
        failure = writeTo(path);
    }
    return Prompts::instance().report(parent, QMessageBox::Critical, failure, CurveMessageBox::title());
}

} // namespace IVCurve
