#pragma once

#include "DiagramComponent.h"

// The consumer unit: a busbar feeding a row of circuit breakers, its caption to the left.
class DistributionBoardDiagramComponent : public DiagramComponent
{
    Q_OBJECT

public:
    enum { Type = DiagramComponent::Type + 3 };

    explicit DistributionBoardDiagramComponent(const QString& id = QString());

    QString displayName() const override;
    QString elementName() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QPointF captionOffset() const override;
};
