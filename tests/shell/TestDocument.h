#pragma once

#include "AbstractDocument.h"

#include <QStringList>

class QLineEdit;
class QUndoStack;

// Stands in for the real documents: records when it is asked to close and may refuse.
class TestDocument : public AbstractDocument
{
    Q_OBJECT

public:
    explicit TestDocument(const QString& filePath, QWidget* parent = nullptr);

    // Titles of the documents asked by okToClose, in order, across all test documents.
    static QStringList& closeQuestions();
    // Registers test documents as the report, diagram and curve documents; a path containing
    // "broken" makes a document that did not load.
    static void registerAsAllDocuments();
    static void unregister();

    bool okToClose() override;
    void save() override;
    // Documents whose path contains "photo" are neither printed nor undone, as the desktop's files.
    QUndoStack* undoStack() const override;
    bool canPrint() const override;
    void print() override;
    void printPreview() override;
    void exportToPdf() override;

    bool refuseToClose = false;
    int saves = 0;
    // "print", "preview" and "pdf", in the order asked.
    QStringList outputs;
    QLineEdit* editor;

private:
    QUndoStack* stack;
};
