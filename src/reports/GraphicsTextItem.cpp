#include "GraphicsTextItem.h"

#include "ReportLimits.h"
#include "ReportScene.h"
#include "ResourceIcons.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGraphicsSceneContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStyleOptionGraphicsItem>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextDocument>
#include <QUndoStack>
#include <cmath>

GraphicsTextItem::GraphicsTextItem(QGraphicsItem* parent)
    : QGraphicsTextItem(parent)
{
    setTextInteractionFlags(Qt::NoTextInteraction);
    // Every change becomes a command on the report's stack; a second history would disagree with it.
    document()->setUndoRedoEnabled(false);
    connect(document(), &QTextDocument::contentsChanged, this, &GraphicsTextItem::contentsChanged);
}

void GraphicsTextItem::setSize(double width, double height)
{
    prepareGeometryChange();
    fixedWidth = width;
    fixedHeight = height;
    if (width > 0.0)
        setTextWidth(width);
    refit();
}

void GraphicsTextItem::setEditable(bool on)
{
    editable = on;
    if (!on)
        setTextInteractionFlags(Qt::NoTextInteraction);
}

void GraphicsTextItem::startEditing(bool atEnd)
{
    if (!editable)
        return;
    setTextInteractionFlags(Qt::TextEditorInteraction);
    setFocus(Qt::OtherFocusReason);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End, atEnd ? QTextCursor::MoveAnchor : QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void GraphicsTextItem::setCaret(int anchor, int position)
{
    const int end = document()->characterCount() - 1;
    QTextCursor cursor(document());
    cursor.setPosition(qBound(0, anchor, end));
    cursor.setPosition(qBound(0, position, end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void GraphicsTextItem::stopEditing()
{
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
    if (!multiLine)
        setTextInteractionFlags(Qt::NoTextInteraction);
}

// Breaking a word where it does not fit costs a search for a word boundary over the whole rest of
// the word at every line, so a text of long words would take seconds to lay out. Such a text is
// broken anywhere instead, which the layout does in one go.
bool GraphicsTextItem::hasLongWord(const QString& text)
{
    int run = 0;
    for (const QChar character : text) {
        run = character.isSpace() ? 0 : run + 1;
        if (run > longestWordWrappedAtBoundaries)
            return true;
    }
    return false;
}

double GraphicsTextItem::fittingScale(const QFont& font, const QString& text, double width, double height)
{
    const QFontMetrics metrics(font);
    const bool brokenAnywhere = hasLongWord(text);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    // Lines broken anywhere each hold all but the last letter that would pass the width: at most
    // as many lines as that fills, from the text's width measured once.
    const double advance = brokenAnywhere ? metrics.horizontalAdvance(text) : 0.0;
    double scale = 1.0;
    for (int pass = 0; pass < 10; ++pass) {
        const int availableWidth = int(std::floor((width - 10.0) / scale));
        const int availableHeight = int(std::floor((height - 4.0) / scale));
        const int needed = brokenAnywhere
            ? int(std::ceil(advance / qMax(availableWidth - metrics.maxWidth(), 1))) * metrics.lineSpacing()
            : metrics.boundingRect(QRect(0, 0, qMax(availableWidth, 1), qMax(availableHeight, 1)), flags, text).height();
        if (needed <= availableHeight || needed <= 0)
            break;
        const double ratio = double(qMax(availableHeight, 0)) / needed;
        scale = pass < 9 ? (ratio * scale + scale) / 2.0 : ratio * scale;
        if (scale <= 0.0) {
            scale = 0.01;
            break;
        }
    }
    return qMin(scale, 1.0);
}

void GraphicsTextItem::refit()
{
    const QString text = toPlainText();
    if (fixedWidth <= 0.0 || fixedHeight <= 0.0 || text.isEmpty())
        return;
    prepareGeometryChange();
    QTextOption option = document()->defaultTextOption();
    option.setWrapMode(hasLongWord(text) ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(option);
    const double scale = fittingScale(font(), text, fixedWidth, fixedHeight);
    setTextWidth(fixedWidth / scale);
    setScale(scale);
}

QRectF GraphicsTextItem::boundingRect() const
{
    QRectF bounds = QGraphicsTextItem::boundingRect();
    if (fixedHeight > 0.0 && scale() > 0.0)
        bounds.setHeight(qMax(bounds.height(), fixedHeight / scale()));
    return bounds;
}

// The toolkit frames a focused text item with a dashed line around its whole bounding rectangle,
// which on the forms runs through the printed caption beside the field. The caret and the
// selection already show where the user types; cells draw their own focus frame.
void GraphicsTextItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    QStyleOptionGraphicsItem withoutFrame(*option);
    withoutFrame.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected);
    QGraphicsTextItem::paint(painter, &withoutFrame, widget);
}

QUndoStack* GraphicsTextItem::undoStack() const
{
    const auto* reportScene = qobject_cast<ReportScene*>(scene());
    return reportScene ? reportScene->undoStack() : nullptr;
}

bool GraphicsTextItem::sceneEvent(QEvent* event)
{
    const QTextCursor cursor = textCursor();
    editAnchor = cursor.anchor();
    editPosition = cursor.position();
    return QGraphicsTextItem::sceneEvent(event);
}

bool GraphicsTextItem::isTextEditable() const
{
    return editable && (textInteractionFlags() & Qt::TextEditable);
}

QString GraphicsTextItem::fitting(const QString& inserted)
{
    const QTextCursor cursor = textCursor();
    const int selected = cursor.selectionEnd() - cursor.selectionStart();
    const int room = ReportLimits::maximumTextLength - (toPlainText().size() - selected);
    if (inserted.size() <= room)
        return inserted;
    emit lengthLimitReached();
    return inserted.left(qMax(room, 0));
}

void GraphicsTextItem::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        event->ignore();
        return;
    }
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (control && (event->key() == Qt::Key_Z || event->key() == Qt::Key_Y)) {
        if (QUndoStack* stack = undoStack())
            event->key() == Qt::Key_Z ? stack->undo() : stack->redo();
        event->accept();
        return;
    }
    if (!multiLine && handleCellKey(event))
        return;
    if (isTextEditable() && event->matches(QKeySequence::Paste)) {
        paste();
        event->accept();
        return;
    }
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = lineBreak ? QStringLiteral("\n") : event->text();
    const bool inserts = !typed.isEmpty() && (lineBreak || typed.at(0).isPrint());
    if (isTextEditable() && inserts && fitting(typed).isEmpty()) {
        event->accept();
        return;
    }
    QGraphicsTextItem::keyPressEvent(event);
}

bool GraphicsTextItem::handleCellKey(QKeyEvent* event)
{
    const QTextCursor cursor = textCursor();
    switch (event->key()) {
    case Qt::Key_Escape:
        stopEditing();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        emit requestMove(0, 1);
        break;
    case Qt::Key_Up:
        emit requestMove(0, -1);
        break;
    case Qt::Key_Left:
        if (cursor.position() != 0)
            return false;
        emit requestMove(-1, 0);
        break;
    case Qt::Key_Right:
        if (!cursor.atEnd())
            return false;
        emit requestMove(1, 0);
        break;
    default:
        return false;
    }
    event->accept();
    return true;
}

void GraphicsTextItem::contentsChanged()
{
    const QString text = toPlainText();
    if (text == lastPlainText)
        return;
    lastPlainText = text;
    if (fixedHeight > 0.0)
        refit();
}

void GraphicsTextItem::focusInEvent(QFocusEvent* event)
{
    ++visits;
    QGraphicsTextItem::focusInEvent(event);
    // Cells draw their focus frame while their editor has the focus.
    if (parentItem())
        parentItem()->update();
}

void GraphicsTextItem::focusOutEvent(QFocusEvent* event)
{
    QGraphicsTextItem::focusOutEvent(event);
    if (parentItem())
        parentItem()->update();
    if (!contextMenuOpen)
        stopEditing();
}

QMenu* GraphicsTextItem::createContextMenu()
{
    auto* menu = new QMenu;
    const bool selection = textCursor().hasSelection();
    const bool canEdit = isTextEditable();
    QAction* cutAction = menu->addAction(ResourceIcons::get(QStringLiteral(":res/toolButtons/context-cut.png")),
                                         tr("Cut", "Menu option"), this, &GraphicsTextItem::cut);
    cutAction->setEnabled(selection && canEdit);
    QAction* copyAction = menu->addAction(ResourceIcons::get(QStringLiteral(":res/toolButtons/context-copy.png")),
                                          tr("Copy", "Menu option"), this, &GraphicsTextItem::copy);
    copyAction->setEnabled(selection);
    QAction* pasteAction = menu->addAction(ResourceIcons::get(QStringLiteral(":res/toolButtons/context-paste.png")),
                                           tr("Paste", "Menu option"), this, &GraphicsTextItem::paste);
    pasteAction->setEnabled(canEdit && !QApplication::clipboard()->text().isEmpty());
    menu->addSeparator();
    QUndoStack* stack = undoStack();
    QAction* undoAction = menu->addAction(ResourceIcons::get(QStringLiteral(":res/toolButtons/context-undo.png")),
                                          tr("Undo", "Menu option"));
    undoAction->setEnabled(stack && stack->canUndo());
    QAction* redoAction = menu->addAction(ResourceIcons::get(QStringLiteral(":res/toolButtons/context-redo.png")),
                                          tr("Redo", "Menu option"));
    redoAction->setEnabled(stack && stack->canRedo());
    if (stack) {
        connect(undoAction, &QAction::triggered, stack, &QUndoStack::undo);
        connect(redoAction, &QAction::triggered, stack, &QUndoStack::redo);
    }
    emit contextMenuCreated(menu);
    return menu;
}

void GraphicsTextItem::contextMenuEvent(QGraphicsSceneContextMenuEvent* event)
{
    // Captions leave the right click to what lies below them (the page offers Add Image).
    if (!editable) {
        event->ignore();
        return;
    }
    contextMenuOpen = true;
    QMenu* menu = createContextMenu();
    menu->exec(event->screenPos());
    delete menu;
    contextMenuOpen = false;
    event->accept();
}

void GraphicsTextItem::copy()
{
    const QString selected = textCursor().selection().toPlainText();
    if (!selected.isEmpty())
        QApplication::clipboard()->setText(selected);
}

void GraphicsTextItem::cut()
{
    copy();
    QTextCursor cursor = textCursor();
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

void GraphicsTextItem::paste()
{
    const QString pasted = fitting(QApplication::clipboard()->text());
    if (pasted.isEmpty())
        return;
    QTextCursor cursor = textCursor();
    cursor.insertText(pasted);
    setTextCursor(cursor);
}
