#pragma once

#include <QDialog>

class QPlainTextEdit;

// Asks for the caption of a box or the text of a note.
class DialogComponentSettings : public QDialog
{
    Q_OBJECT

public:
    explicit DialogComponentSettings(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    // The text entered, or empty when the user cancelled. Parented on the main window.
    static QString askText(const QString& initialText);

private:
    QPlainTextEdit* editor;
};
