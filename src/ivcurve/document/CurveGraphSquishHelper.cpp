#include "CurveGraphSquishHelper.h"

#include "CurveGraph.h"

namespace IVCurve {

CurveGraphSquishHelper::CurveGraphSquishHelper(CurveGraph* graph)
    : QObject(graph)
    , graph(graph)
{
    setObjectName(QStringLiteral("SquishGraphHelper"));
}

int CurveGraphSquishHelper::measLineCount() const
{
    return graph->lineCount(CurveLineKind::MeasuredIV);
}

int CurveGraphSquishHelper::stcLineCount() const
{
    return graph->lineCount(CurveLineKind::StcIV);
}

int CurveGraphSquishHelper::nomLineCount() const
{
    return graph->lineCount(CurveLineKind::NominalIV);
}

int CurveGraphSquishHelper::measPwrLineCount() const
{
    return graph->lineCount(CurveLineKind::MeasuredPower);
}

int CurveGraphSquishHelper::stcPwrLineCount() const
{
    return graph->lineCount(CurveLineKind::StcPower);
}

int CurveGraphSquishHelper::nomPwrLineCount() const
{
    return graph->lineCount(CurveLineKind::NominalPower);
}

int CurveGraphSquishHelper::expLineCount() const
{
    return graph->lineCount(CurveLineKind::ExpectedIV);
}

int CurveGraphSquishHelper::expPwrLineCount() const
{
    return graph->lineCount(CurveLineKind::ExpectedPower);
}

int CurveGraphSquishHelper::visibleLineCount() const
{
    return graph->visibleLineCount();
}

} // namespace IVCurve
