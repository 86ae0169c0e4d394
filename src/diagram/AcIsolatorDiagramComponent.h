#pragma once

#include "DiagramComponent.h"

// A rotary AC isolator: red handle on a yellow plate, its caption to the left.
class AcIsolatorDiagramComponent : public DiagramComponent
{
    Q_OBJECT

public:
    enum { Type = DiagramComponent::Type + 1 };

    explicit AcIsolatorDiagramComponent(const QString& id = QString());

    QString displayName() const override;
    QString elementName() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QPointF captionOffset() const override;
};
