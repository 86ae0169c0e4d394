#pragma once

#include "Prompts.h"
#include "ShownPrompt.h"

#include <QQueue>
#include <QTemporaryDir>
#include <QVariant>
#include <QVector>

// A Prompts implementation for tests: records every dialog and answers from a queue that the
// test fills in advance. With an empty queue a dialog is answered as if cancelled (message
// boxes: their escape button, or Ok when they have only that). Installs itself while it lives.
class ScriptedPrompts : public Prompts
{
public:
    ScriptedPrompts();
    ~ScriptedPrompts() override;

    // Answers for the next dialogs, in order: a StandardButton for a message box, a QString or
    // QStringList for file dialogs, input text and item choices, a QColor, a QFont, a bool for the
    // printer dialog and the desktop.
    void answer(const QVariant& value);
    void answerMessage(QMessageBox::StandardButton button, bool checkBoxChecked = false);

    const QVector<ShownPrompt>& shown() const;
    const ShownPrompt& last() const;
    // Texts of the message boxes shown, in order.
    QStringList messageTexts() const;
    void clear();
    int pendingAnswers() const;

    MessageAnswer message(const MessageRequest& request) override;
    QStringList chooseFiles(const FileRequest& request) override;
    bool inputText(QWidget* parent, const QString& title, const QString& label, QString& text) override;
    bool chooseItem(QWidget* parent, const QString& title, const QString& label,
                    const QStringList& items, QString& item) override;
    bool chooseColor(QWidget* parent, const QString& title, QColor& color) override;
    bool chooseFont(QWidget* parent, QFont& font) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    // Draws the previewed pages into a PDF file of its own, named in the record, for tests to read.
    void previewPrint(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint) override;
    bool openWithDesktop(const QUrl& url) override;

private:
    QVariant nextAnswer();

    QVector<ShownPrompt> records;
    QQueue<QVariant> answers;
    QTemporaryDir previews;
};
