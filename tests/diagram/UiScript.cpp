#include "UiScript.h"

#include "DialogComponentSettings.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

UiScript::UiScript()
{
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, this, &UiScript::poll);
    timer.start();
}

void UiScript::chooseFromMenu(const QString& text)
{
    steps.enqueue({true, text, true});
}

void UiScript::answerDialog(const QString& text)
{
    steps.enqueue({false, text, true});
}

void UiScript::cancelDialog()
{
    steps.enqueue({false, QString(), false});
}

bool UiScript::finished() const
{
    return steps.isEmpty();
}

const QList<QStringList>& UiScript::menus() const
{
    return shownMenus;
}

const QStringList& UiScript::dialogTitles() const
{
    return titles;
}

const QStringList& UiScript::dialogTexts() const
{
    return texts;
}

void UiScript::poll()
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    auto* dialog = qobject_cast<DialogComponentSettings*>(QApplication::activeModalWidget());
    if (!menu && !dialog)
        return;
    // Anything unexpected is dismissed, so a faulty test fails instead of hanging.
    if (steps.isEmpty() || steps.head().menu != (menu != nullptr)) {
        if (menu)
            menu->close();
        else
            dialog->reject();
        return;
    }
    const Step step = steps.dequeue();
    if (menu)
        answerMenu(step);
    else
        answerDialog(step);
}

bool UiScript::answerMenu(const Step& step)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QStringList entries;
    QAction* wanted = nullptr;
    for (QAction* action : menu->actions()) {
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
        if (!action->isSeparator() && action->text() == step.text)
            wanted = action;
    }
    shownMenus << entries;
    if (!wanted) {
        menu->close();
        return false;
    }
    menu->setActiveAction(wanted);
    QTest::keyClick(menu, Qt::Key_Return);
    return true;
}

bool UiScript::answerDialog(const Step& step)
{
    auto* dialog = qobject_cast<DialogComponentSettings*>(QApplication::activeModalWidget());
    titles << dialog->windowTitle();
    texts << dialog->text();
    if (!step.accept) {
        dialog->reject();
        return false;
    }
    dialog->setText(step.text);
    dialog->accept();
    return true;
}
