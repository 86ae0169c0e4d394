#pragma once

#include <QWidget>

#include <memory>

class DocumentLock;
class QUndoStack;

// Base of every document window. A document is made without a parent and re-parented into the
// sub-window that shows it; its file path is its identity among the open documents.
class AbstractDocument : public QWidget
{
    Q_OBJECT

public:
    explicit AbstractDocument(const QString& filePath, QWidget* parent = nullptr);
    ~AbstractDocument() override;

    QString filePath() const;
    QString title() const;
    bool isValid() const;
    bool isModified() const;
    // The title with " *" while there are unsaved changes.
    QString displayTitle() const;

    // Kept for as long as the document is open.
    void holdLock(std::unique_ptr<DocumentLock> lock);
    // Opened while someone else had it open: it may be read and printed, never saved.
    virtual void setReadOnly(bool readOnly);
    bool isReadOnly() const;

    // The main window's Edit and File menus act on these; a document without them leaves the
    // commands disabled.
    virtual QUndoStack* undoStack() const;
    virtual bool canPrint() const;

public slots:
    // Asked before the window closes; false keeps it open.
    virtual bool okToClose();
    virtual void save();
    virtual void setCurrent(bool current);
    virtual void print();
    virtual void printPreview();
    virtual void exportToPdf();
    void setModified(bool modified);
    void setValid(bool valid);

signals:
    void titleChanged(AbstractDocument* doc);

protected:
    // False, after saying why, when the document was opened read-only.
    bool mayBeSaved();
    // For documents whose file name is no name for the user.
    void setTitle(const QString& title);

private:
    // The window title and whoever shows it follow every change of name, state or mark.
    void showTitle();

    QString path;
    QString fileTitle;
    bool valid = false;
    bool modified = false;
    bool readOnly = false;
    std::unique_ptr<DocumentLock> lock;
};
