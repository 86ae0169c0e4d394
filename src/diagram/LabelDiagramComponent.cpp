#include "LabelDiagramComponent.h"

#include "DiagramLabel.h"

LabelDiagramComponent::LabelDiagramComponent(const QString& id)
    : DiagramComponent(id, QSizeF(0, 0), Type)
{
    setFlag(ItemHasNoContents);
}

QString LabelDiagramComponent::displayName() const
{
    return tr("Label", "Installation Diagram object name");
}

QString LabelDiagramComponent::elementName() const
{
    return QStringLiteral("label");
}

void LabelDiagramComponent::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*)
{
}

// The note is its text: without it nothing would be left to see or to pick up.
void LabelDiagramComponent::deleteCaption()
{
    deleteComponent();
}

void LabelDiagramComponent::captionResized()
{
    if (caption())
        setBoxSize(caption()->boundingRect().size());
}
