#include "DiagramItemFactory.h"

#include "AcIsolatorDiagramComponent.h"
#include "DcIsolatorDiagramComponent.h"
#include "DiagramConnection.h"
#include "DistributionBoardDiagramComponent.h"
#include "GenerationMeterDiagramComponent.h"
#include "InverterDiagramComponent.h"
#include "LabelDiagramComponent.h"
#include "PanelDiagramComponent.h"

#include <functional>
#include <utility>

namespace {
using Maker = std::function<DiagramComponent*(const QString&)>;

template <typename Kind>
std::pair<QString, Maker> kind(const char* elementName)
{
    return {QLatin1String(elementName), [](const QString& id) -> DiagramComponent* { return new Kind(id); }};
}

const std::pair<QString, Maker>* findKind(const QString& elementName)
{
    static const std::pair<QString, Maker> kinds[] = {
        kind<LabelDiagramComponent>("label"),
        kind<InverterDiagramComponent>("inverter"),
        kind<GenerationMeterDiagramComponent>("generation_meter"),
        kind<DistributionBoardDiagramComponent>("distribution_board"),
        kind<AcIsolatorDiagramComponent>("ac_isolator"),
        kind<DcIsolatorDiagramComponent>("dc_isolator"),
        kind<PanelDiagramComponent>("panel"),
    };
    for (const auto& entry : kinds) {
        if (entry.first == elementName)
            return &entry;
    }
    return nullptr;
}
} // namespace

DiagramGraphicsItem* DiagramItemFactory::createForReading(const QString& elementName)
{
    if (elementName == QLatin1String("connection"))
        return new DiagramConnection(QString(), 0);
    return createComponent(elementName, QString());
}

DiagramComponent* DiagramItemFactory::createComponent(const QString& elementName, const QString& id)
{
    const auto* entry = findKind(elementName);
    return entry ? entry->second(id) : nullptr;
}
