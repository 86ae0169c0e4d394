#pragma once

#include <QWidget>

// Base of every document window. A document is made without a parent and re-parented into the
// sub-window that shows it; its file path is its identity among the open documents.
class AbstractDocument : public QWidget
{
    Q_OBJECT

public:
    explicit AbstractDocument(const QString& filePath, QWidget* parent = nullptr);

    QString filePath() const;
    QString title() const;
    bool isValid() const;
    bool isModified() const;
    // The title with " *" while there are unsaved changes.
    QString displayTitle() const;

public slots:
    // Asked before the window closes; false keeps it open.
    virtual bool okToClose();
    virtual void save();
    virtual void setCurrent(bool current);
    void setModified(bool modified);
    void setValid(bool valid);

signals:
    void titleChanged(AbstractDocument* doc);

private:
    QString path;
    QString fileTitle;
    bool valid = false;
    bool modified = false;
};
