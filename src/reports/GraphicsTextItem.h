#pragma once

#include <QGraphicsTextItem>

class QMenu;
class QUndoStack;

// The text editor inside report texts and table cells. Undo and redo keys act on the report's
// undo stack; cell editors (single-line) turn Return and the arrow keys into move requests.
class GraphicsTextItem : public QGraphicsTextItem
{
    Q_OBJECT

public:
    explicit GraphicsTextItem(QGraphicsItem* parent = nullptr);

    // -1 leaves a dimension unset; a set height turns on refitting after every change.
    void setSize(double width, double height);
    double setWidth() const { return fixedWidth; }
    double setHeight() const { return fixedHeight; }

    void setMultiLine(bool on) { multiLine = on; }
    bool isMultiLine() const { return multiLine; }
    void setEditable(bool on);
    bool isEditable() const { return editable; }

    // Edit mode: focus, text interaction and the whole text selected, or with `atEnd` the caret
    // after the last character, so that the next key adds to the text instead of replacing it.
    void startEditing(bool atEnd = false);
    void stopEditing();
    void setCaret(int anchor, int position);
    // Where the caret stood when the event that is changing the text began.
    int anchorBeforeEdit() const { return editAnchor; }
    int positionBeforeEdit() const { return editPosition; }
    // Counts the times the editor got the focus: typing merges into one undo step per visit.
    int visit() const { return visits; }

    // Scales the text down until it fits the set size (never up).
    void refit();
    // Words longer than this are broken anywhere, and so are the other words of their text.
    static constexpr int longestWordWrappedAtBoundaries = 200;
    static bool hasLongWord(const QString& text);
    // The scale at which `text` in `font` fits a width x height rectangle, in (0, 1].
    static double fittingScale(const QFont& font, const QString& text, double width, double height);

    // The context menu with Cut, Copy, Paste, Undo and Redo; owners may add their own entries.
    QMenu* createContextMenu();

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void requestMove(int dx, int dy);
    // Typing or pasting was cut short because the text would pass what a report may hold.
    void lengthLimitReached();
    void contextMenuCreated(QMenu* menu);

protected:
    bool sceneEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;

private:
    QUndoStack* undoStack() const;
    bool handleCellKey(QKeyEvent* event);
    // The part of `inserted` that fits in place of the selection.
    QString fitting(const QString& inserted);
    bool isTextEditable() const;
    void contentsChanged();
    void cut();
    void copy();
    void paste();

    double fixedWidth = -1.0;
    double fixedHeight = -1.0;
    bool multiLine = true;
    QString lastPlainText;
    bool editable = false;
    bool contextMenuOpen = false;
    int editAnchor = 0;
    int editPosition = 0;
    int visits = 0;
};
