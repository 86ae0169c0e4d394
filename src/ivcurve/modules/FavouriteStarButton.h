#pragma once

#include <QToolButton>

namespace IVCurve {

// The favourite toggle of the module windows: an empty star when off, a filled one when on.
class FavouriteStarButton : public QToolButton
{
    Q_OBJECT

public:
    explicit FavouriteStarButton(QWidget* parent = nullptr);

private:
    void showState(bool favourite);
};

} // namespace IVCurve
