#include "CurveMessageBox.h"

#include "Prompts.h"

namespace IVCurve {

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
