#include "CurveMessageBox.h"

#include "Prompts.h"

namespace IVCurve {

CurveMessageBox::CurveMessageBox(QWidget* parent)
    : parent(parent)
{
}

void CurveMessageBox::failed(const Failure& failure, Weight weight)
{
    Prompts::instance().report(parent, weight == Weight::Critical ? QMessageBox::Critical : QMessageBox::Warning,
                               failure, title());
}

// Asked with a check box, so the user may go on with the work and hear no more of it.
bool CurveMessageBox::failedAgain(const Failure& failure, const QString& goOnText)
{
    MessageRequest request;
    request.parent = parent;
    request.icon = QMessageBox::Warning;
    request.title = title();
    request.text = failure.text;
    request.informativeText = failure.informativeText;
    request.checkBoxText = goOnText;
    request.checkBoxChecked = true;
    return Prompts::instance().message(request).checkBoxChecked;
}

QString CurveMessageBox::title()
{
    return QStringLiteral("Arventa");
}

QMessageBox::StandardButton CurveMessageBox::show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                                  QMessageBox::StandardButtons buttons)
{
    MessageRequest request;
    request.parent = parent;
    request.icon = icon;
    request.title = title();
    request.text = text;
    request.buttons = buttons;
    return Prompts::instance().message(request).button;
}

void CurveMessageBox::critical(QWidget* parent, const QString& text)
{
    show(parent, QMessageBox::Critical, text);
}

void CurveMessageBox::warning(QWidget* parent, const QString& text)
{
    show(parent, QMessageBox::Warning, text);
}

} // namespace IVCurve
