#include "DialogComponentSettings.h"

#include "Globals.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

DialogComponentSettings::DialogComponentSettings(QWidget* parent)
    : QDialog(parent)
    , editor(new QPlainTextEdit(this))
{
    setWindowTitle(tr("Component Settings", "Window Title"));
    resize(267, 113);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Label"), this));
    layout->addWidget(editor);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString DialogComponentSettings::text() const
{
    return editor->toPlainText();
}

void DialogComponentSettings::setText(const QString& text)
{
    editor->setPlainText(text);
    editor->selectAll();
}

QString DialogComponentSettings::askText(const QString& initialText)
{
    DialogComponentSettings dialog(Globals::mainWindowInstance());
    dialog.setText(initialText);
    return dialog.exec() == QDialog::Accepted ? dialog.text() : QString();
}
