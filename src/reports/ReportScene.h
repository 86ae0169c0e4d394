#pragma once

#include "NamedBlob.h"

#include <QDomDocument>
#include <QGraphicsScene>
#include <QHash>
#include <QList>

class AbstractReportItem;
class QGraphicsSceneDragDropEvent;
class QPainter;
class QPrinter;
class QUndoCommand;
class QUndoStack;
class ReportPage;
class ReportResizableImage;

// The pages of one report and everything on them. Items never push undo commands themselves:
// they emit newCommand() and the scene pushes onto the document's stack.
class ReportScene : public QGraphicsScene
{
    Q_OBJECT

public:
    // The stack belongs to the document and must outlive the scene.
    explicit ReportScene(QUndoStack* stack, QObject* parent = nullptr);

    QUndoStack* undoStack() const { return stack; }

    // In the language folder of the user interface; both languages ship the same drawing.
    static QString checkBoxDrawingPath();
    // Logical vertical DPI of the main window; font sizes are corrected when it is not 96.
    // Must be set before items are read. 0 means "ask the primary screen".
    static void setScreenDpiY(double dpi);
    static double screenDpiY();

    // The item class for an XML tag, or nullptr for a tag that is no report item.
    static AbstractReportItem* createItem(const QString& tagName);

    // Template pass: builds the layout from the children of `root` (the template's document
    // element), registering ids, navigation and pages as it goes.
    void buildLayout(const QDomElement& root, const BlobList& blobs);
    // Values pass: lays a document's values over the layout, matching elements by id; pictures
    // without id are created.
    void applyValues(const QDomElement& root, const BlobList& blobs);
    // Writes the whole report under a `document` root; pictures append their blobs to `blobs`.
    QDomDocument toXml(bool valuesOnly, BlobList& blobs) const;

    QString templatePath() const { return resPak; }
    void setTemplatePath(const QString& path) { resPak = path; }

    AbstractReportItem* itemById(const QString& id) const { return ids.value(id); }
    const QHash<QString, AbstractReportItem*>& idMap() const { return ids; }
    const QList<ReportPage*>& pages() const { return pageList; }
    AbstractReportItem* firstNavigationItem() const { return firstItem; }
    AbstractReportItem* lastNavigationItem() const { return lastItem; }

    // Building blocks of the passes, for callers that build items themselves.
    void connectItem(AbstractReportItem* item);
    void registerId(AbstractReportItem* item);
    void appendToNavigation(AbstractReportItem* item);
    void resetNavigation();
    void insertPage(ReportPage* page);

    // Moves focus along the navigation chain, wrapping at its ends.
    bool navigate(bool forward);

    // Undoable picture operations; the picture must already be placed in the scene.
    void addPicture(ReportResizableImage* picture);
    void deletePicture(ReportResizableImage* picture);
    // Asks for a picture file and adds it on `page` at `position` (page coordinates).
    void addImage(ReportPage* page, const QPointF& position);
    // Sizes and places a new picture on `page` for a click at `position` (page coordinates).
    void placePicture(ReportResizableImage* picture, ReportPage* page, const QPointF& position);
    // Adds the picture files dropped at `scenePoint` on a page, each a little below and right
    // of the one before, as one undo step. Files refused have been reported. Returns how many
    // were added.
    int addPictureFiles(const QStringList& paths, const QPointF& scenePoint);
    // Before a save: takes pictures that a delete command still hides out of the scene.
    int removeDeletedPictures();

    // Draws one page (index into pages()) into `target`, keeping its aspect ratio, as it is printed.
    void renderPage(QPainter* painter, int pageIndex, const QRectF& target);

public slots:
    void newCommand(QUndoCommand* cmd);
    // Print dialog, then every page on A4.
    void print();
    // Asks for a PDF file, offered beside the document under its name, and writes every page to it.
    void exportToPdf(const QString& documentPath);
    // Every page, one printer page each, with the footer.
    void paint(QPrinter* printer);

signals:
    void modified(bool changed);

protected:
    bool event(QEvent* event) override;
    void dragEnterEvent(QGraphicsSceneDragDropEvent* event) override;
    void dragMoveEvent(QGraphicsSceneDragDropEvent* event) override;
    void dropEvent(QGraphicsSceneDragDropEvent* event) override;

private:
    void buildChildren(const QDomElement& element, AbstractReportItem* parent, const BlobList& blobs);
    void applyChildren(const QDomElement& element, AbstractReportItem* parent, const BlobList& blobs);
    void placeItem(AbstractReportItem* item, AbstractReportItem* parent);
    ReportPage* pageAt(const QPointF& scenePoint) const;
    // Accepts a drag of picture files over a page.
    bool acceptPictureDrag(QGraphicsSceneDragDropEvent* event) const;
    static void writeItem(QDomElement& parentElement, AbstractReportItem* item, bool valuesOnly, BlobList& blobs);

    QUndoStack* stack;
    QString resPak;
    QHash<QString, AbstractReportItem*> ids;
    QList<ReportPage*> pageList;
    AbstractReportItem* firstItem = nullptr;
    AbstractReportItem* lastItem = nullptr;
};
