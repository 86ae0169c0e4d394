#pragma once

#include "DiagramComponent.h"

// One PV module of a string. It takes single wires only, at the middle of a side, and has no caption.
class PanelDiagramComponent : public DiagramComponent
{
    Q_OBJECT

public:
    enum { Type = DiagramComponent::Type + 7 };

    explicit PanelDiagramComponent(const QString& id = QString());

    QString displayName() const override;
    QString elementName() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    int anchorConnection(int cableType, QPointF& point, int wireState) override;

protected:
    bool hasCaption() const override;
};
