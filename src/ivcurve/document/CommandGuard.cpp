#include "CommandGuard.h"

#include "CurveMessageBox.h"

#include <exception>

namespace IVCurve {

bool CommandGuard::run(QWidget* parent, const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const std::exception& exception) {
        CurveMessageBox::critical(parent, tr("Exception thrown: %1", "Error Message")
                                              .arg(QString::fromLocal8Bit(exception.what())));
        return false;
    }
}

} // namespace IVCurve
