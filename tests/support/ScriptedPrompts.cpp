#include "ScriptedPrompts.h"

#include <QPrinter>
#include <QUrl>

namespace {
struct CheckedButton
{
    QMessageBox::StandardButton button;
    bool checked;
};

QMessageBox::StandardButton cancelButtonOf(QMessageBox::StandardButtons buttons)
{
    for (QMessageBox::StandardButton candidate :
         {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Close, QMessageBox::Abort, QMessageBox::Ok}) {
        if (buttons.testFlag(candidate))
            return candidate;
    }
    return QMessageBox::NoButton;
}
} // namespace

Q_DECLARE_METATYPE(CheckedButton)

ScriptedPrompts::ScriptedPrompts()
{
    Prompts::install(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    Prompts::install(nullptr);
}

void ScriptedPrompts::answer(const QVariant& value)
{
    answers.enqueue(value);
}

void ScriptedPrompts::answerMessage(QMessageBox::StandardButton button, bool checkBoxChecked)
{
    answers.enqueue(QVariant::fromValue(CheckedButton{button, checkBoxChecked}));
}

const QVector<ShownPrompt>& ScriptedPrompts::shown() const
{
    return records;
}

const ShownPrompt& ScriptedPrompts::last() const
{
    return records.last();
}

QStringList ScriptedPrompts::messageTexts() const
{
    QStringList texts;
    for (const ShownPrompt& prompt : records) {
        if (prompt.kind == ShownPrompt::Message)
            texts << prompt.message.text;
    }
    return texts;
}

void ScriptedPrompts::clear()
{
    records.clear();
    answers.clear();
}

int ScriptedPrompts::pendingAnswers() const
{
    return answers.size();
}

QVariant ScriptedPrompts::nextAnswer()
{
    return answers.isEmpty() ? QVariant() : answers.dequeue();
}

MessageAnswer ScriptedPrompts::message(const MessageRequest& request)
{
    ShownPrompt prompt;
    prompt.kind = ShownPrompt::Message;
    prompt.message = request;
    records.append(prompt);

    const QVariant value = nextAnswer();
    MessageAnswer result;
    // Unless the script says otherwise, the user leaves the check box as it was shown.
    result.checkBoxChecked = request.checkBoxChecked;
    if (value.canConvert<CheckedButton>() && value.userType() == qMetaTypeId<CheckedButton>()) {
        const CheckedButton answer = value.value<CheckedButton>();
        result.button = answer.button;
        result.checkBoxChecked = answer.checked;
    } else if (value.isValid()) {
        result.button = static_cast<QMessageBox::StandardButton>(value.toInt());
    } else {
        result.button = cancelButtonOf(request.buttons);
    }
    return result;
}

QStringList ScriptedPrompts::chooseFiles(const FileRequest& request)
{
    ShownPrompt prompt;
    prompt.kind = ShownPrompt::Files;
    prompt.files = request;
    prompt.title = request.caption;
    records.append(prompt);
    const QVariant value = nextAnswer();
    if (value.type() == QVariant::StringList)
        return value.toStringList();
    const QString file = value.toString();
    return file.isEmpty() ? QStringList() : QStringList{file};
}

bool ScriptedPrompts::inputText(QWidget*, const QString& title, const QString& label, QString& text)
{
    ShownPrompt prompt;
    prompt.kind = ShownPrompt::Text;
    prompt.title = title;
    prompt.label = label;
    records.append(prompt);
    const QVariant value = nextAnswer();
    if (!value.isValid())
        return false;
    text = value.toString();
    return true;
}

bool ScriptedPrompts::chooseItem(QWidget*, const QString& title, const QString& label,
                                 const QStringList& items, QString& item)
{
    ShownPrompt prompt;
    prompt.kind = ShownPrompt::Item;
    prompt.title = title;
    prompt.label = label;
    prompt.items = items;
    records.append(prompt);
    const QVariant value = nextAnswer();
    if (!value.isValid())
        return false;
    item = value.toString();
    return true;
}

bool ScriptedPrompts::chooseColor(QWidget*, const QString& title, QColor& color)
{
    ShownPrompt prompt;
    prompt.kind = ShownPrompt::Color;
    prompt.title = title;
    records.append(prompt);
    const QVariant value = nextAnswer();
    if (!value.isValid())
        return false;
    color = value.value<QColor>();
    return true;
}

bool ScriptedPrompts::chooseFont(QWidget*, QFont& font)
{
    ShownPrompt prompt;
    prompt.kind = ShownPrompt::Font;
    records.append(prompt);
    const QVariant value = nextAnswer();
    if (!value.isValid())
        return false;
    font = value.value<QFont>();
    return true;
}

bool ScriptedPrompts::setUpPrinter(QWidget*, QPrinter&)
{
    ShownPrompt prompt;
    prompt.kind = ShownPrompt::Printer;
    records.append(prompt);
    return nextAnswer().toBool();
}

void ScriptedPrompts::previewPrint(QWidget*, QPrinter& printer, const std::function<void(QPrinter*)>& paint)
{
    ShownPrompt prompt;
    prompt.kind = ShownPrompt::PrintPreview;
    prompt.url = previews.filePath(QStringLiteral("preview-%1.pdf").arg(records.size()));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(prompt.url);
    paint(&printer);
    records.append(prompt);
}

bool ScriptedPrompts::openWithDesktop(const QUrl& url)
{
    ShownPrompt prompt;
    prompt.kind = ShownPrompt::Desktop;
    prompt.url = url.toString();
    records.append(prompt);
    const QVariant value = nextAnswer();
    return value.isValid() ? value.toBool() : true;
}
