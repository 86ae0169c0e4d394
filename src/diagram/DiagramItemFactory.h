#pragma once

#include <QString>

class DiagramComponent;
class DiagramGraphicsItem;

// Makes the items of a diagram from the names their file elements have.
class DiagramItemFactory
{
public:
    // An empty item to read an element into; none for names that are not diagram items.
    static DiagramGraphicsItem* createForReading(const QString& elementName);
    // A box of the kind named by its element name; none for "connection" and unknown names.
    static DiagramComponent* createComponent(const QString& elementName, const QString& id);
};
