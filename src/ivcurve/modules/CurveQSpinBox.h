#pragma once

#include <QSpinBox>

namespace IVCurve {

// A count of modules: at least one. Its text is selected when it takes the focus, so that a
// typed number replaces the old one instead of being added to it.
class CurveQSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit CurveQSpinBox(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace IVCurve
