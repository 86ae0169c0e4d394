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

    // Edit mode: focus, text interaction and the whole text selected.
    void startEditing();
    void stopEditing();
    // Scales the text down until it fits the set size (never up).
    void refit();
    // The scale at which `text` in `font` fits a width x height rectangle, in (0, 1].
    static double fittingScale(const QFont& font, const QString& text, double width, double height);

    // The context menu with Cut, Copy, Paste, Undo and Redo; owners may add their own entries.
    QMenu* createContextMenu();

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void requestMove(int dx, int dy);
    void contextMenuCreated(QMenu* menu);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* event) override;

private:
    QUndoStack* undoStack() const;
    bool handleCellKey(QKeyEvent* event);
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
};
