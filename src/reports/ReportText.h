#pragma once

#include "ReportResizableItem.h"

class GraphicsTextItem;
class QMenu;

// A caption or a fillable field ("text" element). Its text lives in a child editor; every change
// of that text becomes a command on the report's undo stack.
class ReportText : public ReportResizableItem
{
    Q_OBJECT

public:
    enum { Type = TextType };

    explicit ReportText(QGraphicsItem* parent = nullptr);

    int type() const override { return Type; }
    QString tagName() const override;
    bool isNavigable() const override;
    bool toXml(QDomElement& element, bool valuesOnly, BlobList& blobs) override;
    bool fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs) override;

    QRectF rect() const override;
    void setSize(const QSizeF& size, int edges) override;

    QString text() const;
    // Sets the text without an undo command and makes it the baseline of the next command.
    void setText(const QString& text);
    GraphicsTextItem* editor() const { return textEditor; }

public slots:
    void createUndoCommand();

private slots:
    void refuseLongerText();

protected:
    // Applies font, colour, margins and editability to the editor after a layout read.
    void applyStyle();
    void focusInEvent(QFocusEvent* event) override;
    virtual void addMenuEntries(QMenu* menu);

private:
    void chooseFont();

    GraphicsTextItem* textEditor;
    QString lastCommandText;
    bool lengthLimitShown = false;
    QSizeF fixedSize = QSizeF(-1.0, -1.0);
};
