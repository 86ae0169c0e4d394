#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace IVCurve {

// Message boxes of the curve subsystem, all titled "Arventa", through the prompts seam.
class CurveMessageBox
{
public:
    static QString title();
    static QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok);
    static void critical(QWidget* parent, const QString& text);
    static void warning(QWidget* parent, const QString& text);
};

} // namespace IVCurve
