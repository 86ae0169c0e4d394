#pragma once

#include <QKeySequence>
#include <QPointer>

class QGraphicsTextItem;
class QWidget;

// The text editor that the Edit menu's Cut, Copy and Paste act on: the focused line or text
// editor, or the text field being typed in on a report page. The commands reach it as the keys
// it already understands, so each editor keeps its own rules (read-only fields, plain text).
class EditTarget
{
public:
    // The editor holding the keyboard focus inside `within`; none outside it.
    static EditTarget focusedIn(const QWidget* within);

    bool canCut() const;
    bool canCopy() const;
    bool canPaste() const;
    // Sends the standard key of Cut, Copy or Paste to the editor.
    void trigger(QKeySequence::StandardKey command) const;

private:
    bool isEditable() const;
    bool hasSelection() const;

    QPointer<QWidget> widget;
    QGraphicsTextItem* textItem = nullptr;
};
