#include "CurveMessage.h"

#include "Prompts.h"

namespace IVCurve {

QMessageBox::StandardButton CurveMessage::show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                               const QString& informativeText,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    MessageRequest request;
    request.parent = parent;
    request.icon = icon;
    request.title = QStringLiteral("Arventa");
    request.text = text;
    request.informativeText = informativeText;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return Prompts::instance().message(request).button;
}

void CurveMessage::warning(QWidget* parent, const QString& text, const QString& informativeText)
{
    show(parent, QMessageBox::Warning, text, informativeText);
}

} // namespace IVCurve
