#pragma once

#include "DiagramComponent.h"

// The meter counting the energy generated: a register window above "kWh", its caption to the left.
class GenerationMeterDiagramComponent : public DiagramComponent
{
    Q_OBJECT

public:
    enum { Type = DiagramComponent::Type + 4 };

    explicit GenerationMeterDiagramComponent(const QString& id = QString());

    QString displayName() const override;
    QString elementName() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QPointF captionOffset() const override;
};
