#pragma once

#include <QMessageBox>
#include <QString>

namespace IVCurve {

// Message boxes of the curve windows, which carry the program's name as their title.
class CurveMessage
{
public:
    static QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                            const QString& informativeText = QString(),
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static void warning(QWidget* parent, const QString& text, const QString& informativeText = QString());
};

} // namespace IVCurve
