#pragma once

#include "CurveFailureHandler.h"

#include <QMessageBox>
#include <QString>

class QWidget;

namespace IVCurve {

// Message boxes of the curve subsystem, all titled "Arventa", through the prompts seam. An
// instance shows the failures of a curve file over the window that works on it.
class CurveMessageBox : public CurveFailureHandler
{
public:
    explicit CurveMessageBox(QWidget* parent);

    void failed(const Failure& failure, Weight weight) override;
    bool failedAgain(const Failure& failure, const QString& goOnText) override;

    static QString title();
    static QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok);
    static void critical(QWidget* parent, const QString& text);
    static void warning(QWidget* parent, const QString& text);

private:
    QWidget* const parent;
};

} // namespace IVCurve
