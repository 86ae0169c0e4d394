#pragma once

#include "DiagramComponent.h"

// A DC isolator on the array side: dark handle on a grey plate, its caption to the left.
class DcIsolatorDiagramComponent : public DiagramComponent
{
    Q_OBJECT

public:
    enum { Type = DiagramComponent::Type + 2 };

    explicit DcIsolatorDiagramComponent(const QString& id = QString());

    QString displayName() const override;
    QString elementName() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QPointF captionOffset() const override;
};
