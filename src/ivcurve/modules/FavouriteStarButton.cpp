#include "FavouriteStarButton.h"

#include "ResourceIcons.h"

namespace IVCurve {

FavouriteStarButton::FavouriteStarButton(QWidget* parent)
    : QToolButton(parent)
{
    setCheckable(true);
    setAutoRaise(true);
    setIconSize(QSize(32, 32));
    connect(this, &QToolButton::toggled, this, &FavouriteStarButton::showState);
    showState(false);
}

void FavouriteStarButton::showState(bool favourite)
{
    setIcon(ResourceIcons::get(favourite ? QStringLiteral(":res/images/FavouritesStar32x32toggled.png")
                                         : QStringLiteral(":res/images/FavouritesStar32x32.png")));
}

} // namespace IVCurve
