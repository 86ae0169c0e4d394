#pragma once

#include "Prompts.h"

// Shows the toolkit's real dialogs.
class DialogPrompts : public Prompts
{
public:
    MessageAnswer message(const MessageRequest& request) override;
    QStringList chooseFiles(const FileRequest& request) override;
    bool inputText(QWidget* parent, const QString& title, const QString& label, QString& text) override;
    bool chooseItem(QWidget* parent, const QString& title, const QString& label,
                    const QStringList& items, QString& item) override;
    bool chooseColor(QWidget* parent, const QString& title, QColor& color) override;
    bool chooseFont(QWidget* parent, QFont& font) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    void previewPrint(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint) override;
    bool openWithDesktop(const QUrl& url) override;
};
