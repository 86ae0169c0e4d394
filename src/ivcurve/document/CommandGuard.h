#pragma once

#include <QCoreApplication>

#include <functional>

class QWidget;

namespace IVCurve {

// Runs one curve command; a standard exception escaping from it (a failed allocation on a huge
// file, say) becomes a message instead of ending the program with the user's work.
class CommandGuard
{
    Q_DECLARE_TR_FUNCTIONS(IVCurve::CommandGuard)

public:
    // False when the command ended with an exception.
    static bool run(QWidget* parent, const std::function<void()>& command);
};

} // namespace IVCurve
