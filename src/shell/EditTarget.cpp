#include "EditTarget.h"

#include <QApplication>
#include <QClipboard>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
QGraphicsTextItem* focusedTextItem(QWidget* widget)
{
    auto* view = qobject_cast<QGraphicsView*>(widget);
    if (!view || !view->scene())
        return nullptr;
    auto* item = dynamic_cast<QGraphicsTextItem*>(view->scene()->focusItem());
    return item && (item->textInteractionFlags() & Qt::TextSelectableByKeyboard) ? item : nullptr;
}

bool isTextWidget(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)
        || qobject_cast<const QPlainTextEdit*>(widget);
}

// The key that `command` stands for on this platform, as a key press.
QKeyEvent keyPressFor(QKeySequence::StandardKey command)
{
    const QKeySequence sequence = QKeySequence::keyBindings(command).value(0);
    const int combined = sequence.isEmpty() ? 0 : sequence[0];
    return QKeyEvent(QEvent::KeyPress, combined & ~int(Qt::KeyboardModifierMask),
                     Qt::KeyboardModifiers(combined & int(Qt::KeyboardModifierMask)));
}
} // namespace

EditTarget EditTarget::focusedIn(const QWidget* within)
{
    EditTarget target;
    QWidget* focus = QApplication::focusWidget();
    if (!within || !focus || !within->isAncestorOf(focus))
        return target;
    target.textItem = focusedTextItem(focus);
    if (target.textItem || isTextWidget(focus))
        target.widget = focus;
    return target;
}

bool EditTarget::isEditable() const
{
    if (textItem)
        return textItem->textInteractionFlags() & Qt::TextEditable;
    if (const auto* line = qobject_cast<const QLineEdit*>(widget.data()))
        return !line->isReadOnly();
    if (const auto* text = qobject_cast<const QTextEdit*>(widget.data()))
        return !text->isReadOnly();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget.data()))
        return !plain->isReadOnly();
    return false;
}

bool EditTarget::hasSelection() const
{
    if (textItem)
        return textItem->textCursor().hasSelection();
    if (const auto* line = qobject_cast<const QLineEdit*>(widget.data()))
        return line->hasSelectedText();
    if (const auto* text = qobject_cast<const QTextEdit*>(widget.data()))
        return text->textCursor().hasSelection();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget.data()))
        return plain->textCursor().hasSelection();
    return false;
}

bool EditTarget::canCut() const
{
    return isEditable() && hasSelection();
}

bool EditTarget::canCopy() const
{
    return widget && hasSelection();
}

bool EditTarget::canPaste() const
{
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    return isEditable() && clipboard && clipboard->hasText();
}

void EditTarget::trigger(QKeySequence::StandardKey command) const
{
    if (!widget)
        return;
    QKeyEvent press = keyPressFor(command);
    QApplication::sendEvent(widget, &press);
}
