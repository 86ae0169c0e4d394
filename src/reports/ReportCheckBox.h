#pragma once

#include "ReportText.h"

class QGraphicsSvgItem;
class QSvgRenderer;

// A label with a box drawing beside it. Mouse clicks and letter keys toggle it through an undo
// command.
class ReportCheckBox : public ReportText
{
    Q_OBJECT

public:
    enum { Type = CheckBoxType };

    explicit ReportCheckBox(QGraphicsItem* parent = nullptr);

    int type() const override { return Type; }
    QString tagName() const override;
    bool isNavigable() const override;
    bool toXml(QDomElement& element, bool valuesOnly, BlobList& blobs) override;
    bool fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs) override;

    bool isChecked() const { return checked; }
    // Without an undo command: switches the drawing and reports the change.
    void setChecked(bool on);
    QGraphicsSvgItem* box() const { return boxItem; }
    QString boxElement() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    static QSvgRenderer* sharedRenderer();
    void toggle();
    QRectF boxRect() const;

    QGraphicsSvgItem* boxItem;
    bool checked = false;
    bool hasFocus = false;
    bool drawingAvailable = false;
    double boxScale = 1.0;
};
