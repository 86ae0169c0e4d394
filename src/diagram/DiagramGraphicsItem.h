#pragma once

#include <QGraphicsObject>

class QDomElement;
class QXmlStreamWriter;

// What every box and wire of a diagram shares: an id unique in its scene, a name for the user,
// and its own element in the diagram file.
class DiagramGraphicsItem : public QGraphicsObject
{
    Q_OBJECT

public:
    enum { Type = UserType };

    explicit DiagramGraphicsItem(const QString& id, QGraphicsItem* parent = nullptr);

    QString id() const;
    void setId(const QString& id);
    int type() const override;

    virtual QString displayName() const;
    // Empty for items that are not written to the file.
    virtual QString elementName() const;
    // Writes the attributes after "id", then the children, of the element already started.
    virtual void writeXml(QXmlStreamWriter& writer) const;
    virtual void readXml(const QDomElement& element);

signals:
    void modified();

public slots:
    void setModified();

private:
    QString itemId;
};
