#include "TestDocument.h"

#include "DocumentFactory.h"

#include <QAction>
#include <QLineEdit>
#include <QUndoStack>
#include <QVBoxLayout>

TestDocument::TestDocument(const QString& filePath, QWidget* parent)
    : AbstractDocument(filePath, parent)
    , editor(new QLineEdit(this))
    , stack(new QUndoStack(this))
{
    (new QVBoxLayout(this))->addWidget(editor);
    setValid(!filePath.contains(QLatin1String("broken")));
    // As the report documents' tool bars do: a Save of its own on the window's key.
    auto* ownSave = new QAction(QStringLiteral("Save"), this);
    ownSave->setObjectName(QStringLiteral("actionSave"));
    ownSave->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    addAction(ownSave);
    connect(ownSave, &QAction::triggered, this, &TestDocument::save);
}

QStringList& TestDocument::closeQuestions()
{
    static QStringList questions;
    return questions;
}

void TestDocument::registerAsAllDocuments()
{
    const DocumentFactory::Maker maker = [](const QString& path, QWidget* parent) {
        return new TestDocument(path, parent);
    };
    for (DocumentClass documentClass : {DocumentClass::GraphicalReport, DocumentClass::InstallationDiagram,
                                        DocumentClass::CurveData, DocumentClass::SearchResults})
        DocumentFactory::setMaker(documentClass, maker);
}

void TestDocument::unregister()
{
    for (DocumentClass documentClass : {DocumentClass::GraphicalReport, DocumentClass::InstallationDiagram,
                                        DocumentClass::CurveData, DocumentClass::SearchResults})
        DocumentFactory::setMaker(documentClass, {});
}

bool TestDocument::okToClose()
{
    closeQuestions() << title();
    return !refuseToClose;
}

void TestDocument::save()
{
    ++saves;
    setModified(false);
}

QUndoStack* TestDocument::undoStack() const
{
    return canPrint() ? stack : nullptr;
}

bool TestDocument::canPrint() const
{
    return !filePath().contains(QLatin1String("photo"));
}

void TestDocument::print()
{
    outputs << QStringLiteral("print");
}

void TestDocument::printPreview()
{
    outputs << QStringLiteral("preview");
}

void TestDocument::exportToPdf()
{
    outputs << QStringLiteral("pdf");
}
