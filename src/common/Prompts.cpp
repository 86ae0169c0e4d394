#include "Prompts.h"

#include "DialogPrompts.h"


namespace {
Prompts*& installedPrompts()
{
    static Prompts* prompts = nullptr;
    return prompts;
}
} // namespace

Prompts& Prompts::instance()
{
    if (Prompts* installed = installedPrompts())
        return *installed;
    static DialogPrompts realDialogs;
    return realDialogs;
}

void Prompts::install(Prompts* prompts)
{
    installedPrompts() = prompts;
}

QMessageBox::StandardButton Prompts::show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                          const QString& informativeText,
                                          QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton)
{
    MessageRequest request;
    request.parent = parent;
    request.icon = icon;
    request.text = text;
    request.informativeText = informativeText;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return message(request).button;
}

bool Prompts::report(QWidget* parent, QMessageBox::Icon icon, const Failure& failure, const QString& title)
{
    if (!failure.failed())
        return true;
    MessageRequest request;
    request.parent = parent;
    request.icon = icon;
    request.title = title;
    request.text = failure.text;
    request.informativeText = failure.informativeText;
    message(request);
    return false;
}

QString Prompts::chooseFile(const FileRequest& request)
{
    const QStringList chosen = chooseFiles(request);
    return chosen.isEmpty() ? QString() : chosen.first();
}
