#include "TreeItem.h"

#include <algorithm>

namespace IVCurve {

namespace {
quint32 nextHandle()
{
    static quint32 last = 0;
    if (++last == 0xFFFFFFFFu)
        last = 1;
    return last;
}
} // namespace

TreeItem::TreeItem(const QVector<QVariant>& values)
    : values(values)
    , itemHandle(nextHandle())
{
}

TreeItem* TreeItem::parent() const
{
    return parentItem;
}

TreeItem* TreeItem::child(int row) const
{
    if (row < 0 || row >= childCount())
        return nullptr;
    return children[size_t(row)].get();
}

int TreeItem::childCount() const
{
    return int(children.size());
}

int TreeItem::row() const
{
    if (!parentItem)
        return 0;
    const auto& siblings = parentItem->children;
    const auto found = std::find_if(siblings.begin(), siblings.end(),
                                    [this](const std::unique_ptr<TreeItem>& item) { return item.get() == this; });
    return int(found - siblings.begin());
}

void TreeItem::insertChild(int row, std::unique_ptr<TreeItem> child)
{
    if (row < 0 || row > childCount())
        row = childCount();
    child->parentItem = this;
    children.insert(children.begin() + row, std::move(child));
}

std::unique_ptr<TreeItem> TreeItem::takeChild(int row)
{
    if (row < 0 || row >= childCount())
        return nullptr;
    std::unique_ptr<TreeItem> taken = std::move(children[size_t(row)]);
    children.erase(children.begin() + row);
    taken->parentItem = nullptr;
    return taken;
}

bool TreeItem::isAncestorOf(const TreeItem* other) const
{
    for (const TreeItem* item = other; item; item = item->parentItem) {
        if (item == this)
            return true;
    }
    return false;
}

int TreeItem::valueCount() const
{
    return values.size();
}

QVariant TreeItem::value(int index) const
{
    return values.value(index);
}

void TreeItem::setValue(int index, const QVariant& value)
{
    if (index >= 0 && index < values.size())
        values[index] = value;
}

QColor TreeItem::colour() const
{
    return itemColour;
}

void TreeItem::setColour(const QColor& colour)
{
    itemColour = colour;
}

quint32 TreeItem::handle() const
{
    return itemHandle;
}

} // namespace IVCurve
