#pragma once

#include <QTreeView>

namespace IVCurve {

// The view of the curve tree: several nodes at a time are selected, dragged and dropped to
// refile them.
class CurveTree : public QTreeView
{
    Q_OBJECT

public:
    explicit CurveTree(QWidget* parent = nullptr);

    // Every column as wide as its widest entry.
    void fitColumns();
    // Columns narrower than their widest shown entry grow to it; wider ones stay.
    void widenColumns();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    bool sectionsFitted = false;
};

} // namespace IVCurve
