#pragma once

#include "NamedBlob.h"

#include <QColor>
#include <QDomElement>
#include <QFont>
#include <QGraphicsObject>

class QUndoCommand;
class ReportScene;

// Base of every item of a report page. Each item reads and writes one element of the report
// XML; style attributes not given on an element are inherited from the parent report item.
class AbstractReportItem : public QGraphicsObject
{
    Q_OBJECT

public:
    enum ItemType {
        PageType = UserType + 1,
        TextType,
        CheckBoxType,
        SvgType,
        TableType,
        TableSetType,
        TableCellType,
        ImageType
    };

    // Which inheritable attributes an element gave explicitly; only those are written back.
    enum AttributeFlag : quint8 {
        EditableSet = 1,
        ColourSet = 2,
        BackgroundColourSet = 4,
        FontSet = 8,
        FontSizeSet = 16,
        FontWeightSet = 32,
        PaddingSet = 64
    };

    explicit AbstractReportItem(QGraphicsItem* parent = nullptr);

    virtual bool isNavigable() const;
    virtual QString tagName() const = 0;
    virtual QString id() const;
    // Fills a freshly created element; false tells the caller to drop it with its children.
    virtual bool toXml(QDomElement& element, bool valuesOnly, BlobList& blobs);
    // Layout mode (valuesOnly false) reads everything, values mode only texts and states.
    virtual bool fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs);
    virtual AbstractReportItem* parentReportItem() const;

    // Any graphics item whose type lies above the user type is a report item.
    static AbstractReportItem* fromGraphicsItem(QGraphicsItem* item);

    bool isEditable() const { return editable; }
    QColor colour() const { return textColour; }
    QColor backgroundColour() const { return fillColour; }
    QString fontFamily() const { return family; }
    double fontSize() const { return pointSize; }
    int fontWeight() const { return weight; }
    double padding() const { return margin; }
    quint8 setAttributes() const { return attributeMask; }
    // The font as shown: the point size corrected for a screen that is not 96 DPI.
    QFont displayFont() const;

    AbstractReportItem* next() const { return nextItem; }
    AbstractReportItem* previous() const { return previousItem; }
    void setNext(AbstractReportItem* item) { nextItem = item; }
    void setPrevious(AbstractReportItem* item) { previousItem = item; }

    ReportScene* reportScene() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void modified(bool changed = true);
    void newCommand(QUndoCommand* cmd);

protected:
    QString itemId;

private:
    void readInheritedAttributes(const QDomElement& element);
    void writeSetAttributes(QDomElement& element) const;

    quint8 attributeMask = 0;
    bool editable = false;
    QColor textColour = Qt::black;
    QColor fillColour = Qt::white;
    QString family = QStringLiteral("Arial");
    double pointSize = 8.5;
    int weight = QFont::Normal;
    double margin = 2.0;
    AbstractReportItem* nextItem = nullptr;
    AbstractReportItem* previousItem = nullptr;
};
