#pragma once

#include "DiagramComponent.h"

// A free note: the box is its caption, and it draws nothing of its own.
class LabelDiagramComponent : public DiagramComponent
{
    Q_OBJECT

public:
    enum { Type = DiagramComponent::Type + 6 };

    explicit LabelDiagramComponent(const QString& id = QString());

    QString displayName() const override;
    QString elementName() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    void deleteCaption() override;
    void captionResized() override;
};
