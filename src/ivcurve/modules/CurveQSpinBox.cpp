#include "CurveQSpinBox.h"

#include <QLineEdit>
#include <QTimer>

namespace IVCurve {

CurveQSpinBox::CurveQSpinBox(QWidget* parent)
    : QSpinBox(parent)
{
    setRange(1, 9999);
}

void CurveQSpinBox::focusInEvent(QFocusEvent* event)
{
    QSpinBox::focusInEvent(event);
    // A mouse click places the cursor after this event; selecting later keeps the selection.
    QTimer::singleShot(0, lineEdit(), &QLineEdit::selectAll);
}

} // namespace IVCurve
