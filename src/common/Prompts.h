#pragma once

#include "Failure.h"
#include "FileRequest.h"
#include "MessageRequest.h"

#include <QColor>
#include <QFont>
#include <QStringList>

#include <functional>

class QPrinter;
class QUrl;

// The one road from the programs to the user's dialogs and to the desktop. The default
// shows real dialogs; tests install a scripted implementation and assert what was shown.
class Prompts
{
public:
    virtual ~Prompts() = default;

    static Prompts& instance();
    // Does not take ownership; the caller keeps it alive while installed. nullptr restores the
    // real dialogs.
    static void install(Prompts* prompts);

    virtual MessageAnswer message(const MessageRequest& request) = 0;
    // Returns the chosen paths; empty when the user cancelled.
    virtual QStringList chooseFiles(const FileRequest& request) = 0;
    // Returns false when the user cancelled; `text` then stays as it was.
    virtual bool inputText(QWidget* parent, const QString& title, const QString& label, QString& text) = 0;
    virtual bool chooseItem(QWidget* parent, const QString& title, const QString& label,
                            const QStringList& items, QString& item) = 0;
    virtual bool chooseColor(QWidget* parent, const QString& title, QColor& color) = 0;
    virtual bool chooseFont(QWidget* parent, QFont& font) = 0;
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
    // Shows the pages that `paint` draws on `printer`, from which the user may print them.
    virtual void previewPrint(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint) = 0;
    // Opens a file or address with the desktop's default program; false when that failed.
    virtual bool openWithDesktop(const QUrl& url) = 0;

    // Shortcuts for the common cases.
    QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                     const QString& informativeText = QString(),
                                     QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                     QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    QString chooseFile(const FileRequest& request);
    // Shows `failure` when there is one; returns whether all went well. An empty title keeps the
    // toolkit's default.
    bool report(QWidget* parent, QMessageBox::Icon icon, const Failure& failure, const QString& title = QString());
};
