#include "CurveFindingsSummary.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace IVCurve {

namespace {
const DiagnosisFinding::Kind allKinds[] = {
    DiagnosisFinding::Kind::LowPerformance,       DiagnosisFinding::Kind::LowStcRatio,
    DiagnosisFinding::Kind::Step,                 DiagnosisFinding::Kind::HighSeriesResistance,
    DiagnosisFinding::Kind::LowShuntResistance,   DiagnosisFinding::Kind::Outlier};

bool hasKind(const QVector<DiagnosisFinding>& findings, DiagnosisFinding::Kind kind)
{
    return std::any_of(findings.cbegin(), findings.cend(),
                       [kind](const DiagnosisFinding& found) { return found.kind == kind; });
}
} // namespace

QString CurveFindingsSummary::cell(const QVector<DiagnosisFinding>& findings)
{
    QStringList lines;
    for (const DiagnosisFinding& finding : findings)
        lines.append(shortText(finding).toHtmlEscaped());
    return lines.join(QStringLiteral("<br>"));
}

QString CurveFindingsSummary::shortText(const DiagnosisFinding& finding)
{
    QString text;
    switch (finding.kind) {
    case DiagnosisFinding::Kind::LowPerformance:
        text = tr("PF %1 %", "Curve report finding").arg(percent(finding.value));
        break;
    case DiagnosisFinding::Kind::LowStcRatio:
        text = tr("STC/NOM %1 %", "Curve report finding").arg(percent(finding.value));
        break;
    case DiagnosisFinding::Kind::Step:
        text = tr("step at %1 V", "Curve report finding").arg(QLocale().toString(finding.voltage, 'f', 1));
        break;
    case DiagnosisFinding::Kind::HighSeriesResistance:
        text = tr("Rs high %1 Ω", "Curve report finding").arg(QLocale().toString(finding.value, 'f', 2));
        break;
    case DiagnosisFinding::Kind::LowShuntResistance:
        text = tr("Rsh low", "Curve report finding");
        break;
    case DiagnosisFinding::Kind::Outlier:
        text = tr("%1 % below others", "Curve report finding").arg(percent(finding.value));
        break;
    }
    return finding.uncertain ? tr("%1 (uncertain)", "Curve report finding").arg(text) : text;
}

QString CurveFindingsSummary::summary(const QVector<QVector<DiagnosisFinding>>& findingsPerString)
{
    QStringList sentences;
    for (DiagnosisFinding::Kind kind : allKinds) {
        const int strings = int(std::count_if(findingsPerString.cbegin(), findingsPerString.cend(),
                                              [kind](const QVector<DiagnosisFinding>& found) { return hasKind(found, kind); }));
        if (strings > 0)
            sentences.append(tr("%1: %n string(s)", "Curve report findings summary", strings).arg(kindName(kind)));
    }
    if (sentences.isEmpty())
        return tr("Findings: none of the %n string(s) shows a finding.", "Curve report findings summary",
                  findingsPerString.size());
    const int uncertain = int(std::count_if(
        findingsPerString.cbegin(), findingsPerString.cend(), [](const QVector<DiagnosisFinding>& found) {
            return !found.isEmpty() && found.first().uncertain;
        }));
    QString text = tr("Findings:", "Curve report findings summary") + QLatin1Char(' ') + sentences.join(QStringLiteral("; "))
                   + QLatin1Char('.');
    if (uncertain > 0)
        text += QLatin1Char(' ')
                + tr("The findings of %n string(s) are uncertain: measured in low or uneven irradiance.",
                     "Curve report findings summary", uncertain);
    return text.toHtmlEscaped();
}

QString CurveFindingsSummary::kindName(DiagnosisFinding::Kind kind)
{
    switch (kind) {
    case DiagnosisFinding::Kind::LowPerformance:
        return tr("low performance factor", "Curve report findings summary");
    case DiagnosisFinding::Kind::LowStcRatio:
        return tr("low power at STC", "Curve report findings summary");
    case DiagnosisFinding::Kind::Step:
        return tr("steps", "Curve report findings summary");
    case DiagnosisFinding::Kind::HighSeriesResistance:
        return tr("high series resistance", "Curve report findings summary");
    case DiagnosisFinding::Kind::LowShuntResistance:
        return tr("low shunt resistance", "Curve report findings summary");
    case DiagnosisFinding::Kind::Outlier:
        return tr("below the other strings", "Curve report findings summary");
    }
    return QString();
}

QString CurveFindingsSummary::percent(double share)
{
    return QLocale().toString(share * 100.0, 'f', 1);
}

} // namespace IVCurve
