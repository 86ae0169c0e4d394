#pragma once

#include "DiagramComponent.h"

// The inverter, with the DC and AC marks either side of the diagonal; its caption sits inside.
class InverterDiagramComponent : public DiagramComponent
{
    Q_OBJECT

public:
    enum { Type = DiagramComponent::Type + 5 };

    explicit InverterDiagramComponent(const QString& id = QString());

    QString displayName() const override;
    QString elementName() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QPointF captionOffset() const override;
    QSizeF captionSize() const override;
};
