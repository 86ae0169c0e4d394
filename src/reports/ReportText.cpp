#include "ReportText.h"

#include "GraphicsTextItem.h"
#include "ReportLimits.h"
#include "ReportTextCommand.h"
#include "ReportXml.h"

#include "Globals.h"
#include "Prompts.h"

#include <QFocusEvent>
#include <QMenu>
#include <QTextCursor>
#include <QTextDocument>

ReportText::ReportText(QGraphicsItem* parent)
    : ReportResizableItem(parent)
    , textEditor(new GraphicsTextItem(this))
{
    setFlag(ItemIsFocusable, true);
    // No modified() here: every change is a command, and the stack's clean state is what says
    // whether the document differs from its file.
    connect(textEditor->document(), &QTextDocument::contentsChanged, this, &ReportText::createUndoCommand);
    connect(textEditor, &GraphicsTextItem::lengthLimitReached, this, &ReportText::refuseLongerText);
    connect(textEditor, &GraphicsTextItem::contextMenuCreated, this, &ReportText::addMenuEntries);
}

QString ReportText::tagName() const
{
    return QStringLiteral("text");
}

bool ReportText::isNavigable() const
{
    return isEditable();
}

QRectF ReportText::rect() const
{
    if (fixedSize.width() > 0.0 && fixedSize.height() > 0.0)
        return QRectF(QPointF(0.0, 0.0), fixedSize);
    return textEditor->mapRectToParent(textEditor->boundingRect());
}

void ReportText::setSize(const QSizeF& size, int)
{
    prepareGeometryChange();
    fixedSize = size;
    textEditor->setSize(size.width(), size.height());
}

QString ReportText::text() const
{
    return textEditor->toPlainText();
}

void ReportText::setText(const QString& text)
{
    // First, so that nothing the editor reports while taking the text is taken for typing.
    lastCommandText = text;
    textEditor->setPlainText(text);
}

bool ReportText::fromXml(const QDomElement& element, bool valuesOnly, const BlobList& blobs)
{
    if (!ReportResizableItem::fromXml(element, valuesOnly, blobs))
        return false;
    if (!valuesOnly) {
        applyStyle();
        readResizableAttributes(element);
    }
    // A caption belongs to the template: a document's copy of it must not override a newer one.
    if (!valuesOnly || isEditable())
        setText(element.text());
    return true;
}

bool ReportText::toXml(QDomElement& element, bool valuesOnly, BlobList& blobs)
{
    if (valuesOnly && id().isEmpty())
        return false;
    ReportResizableItem::toXml(element, valuesOnly, blobs);
    if (!valuesOnly)
        writeResizableAttributes(element, fixedSize);
    if ((isEditable() || !valuesOnly) && !text().isEmpty())
        ReportXml::appendText(element, text());
    return true;
}

void ReportText::applyStyle()
{
    textEditor->setFont(displayFont());
    textEditor->setDefaultTextColor(colour());
    textEditor->document()->setDocumentMargin(padding());
    textEditor->setEditable(isEditable());
    // Fields are always ready for typing; cells enter edit mode only when focused.
    if (isEditable() && textEditor->isMultiLine())
        textEditor->setTextInteractionFlags(Qt::TextEditorInteraction);
}

void ReportText::createUndoCommand()
{
    const QString current = text();
    if (current == lastCommandText)
        return;
    const TextState before{lastCommandText, textEditor->anchorBeforeEdit(), textEditor->positionBeforeEdit()};
    const QTextCursor cursor = textEditor->textCursor();
    const TextState after{current, cursor.anchor(), cursor.position()};
    lastCommandText = current;
    emit newCommand(new ReportTextCommand(this, before, after, textEditor->visit()));
}

// Once per field: a user who goes on typing knows by then why nothing appears.
void ReportText::refuseLongerText()
{
    if (lengthLimitShown)
        return;
    lengthLimitShown = true;
    Prompts::instance().show(Globals::mainWindowInstance(), QMessageBox::Information,
                             tr("A field holds at most %1 characters.", "Error Message")
                                 .arg(ReportLimits::maximumTextLength),
                             tr("Longer text could not be read back when the report is opened again.",
                                "Error message informative text"));
}

void ReportText::focusInEvent(QFocusEvent* event)
{
    ReportResizableItem::focusInEvent(event);
    // A click on a movable field's frame starts a drag, not typing.
    if (isEditable() && !(isResizable() && event->reason() == Qt::MouseFocusReason))
        textEditor->startEditing(event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason);
}

void ReportText::addMenuEntries(QMenu* menu)
{
    if (!isEditable())
        return;
    menu->addSeparator();
    menu->addAction(tr("Font Settings...", "Menu option"), this, &ReportText::chooseFont);
}

void ReportText::chooseFont()
{
    QFont font = textEditor->font();
    if (!Prompts::instance().chooseFont(nullptr, font))
        return;
    textEditor->setFont(font);
    textEditor->refit();
}
