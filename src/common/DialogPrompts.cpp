#include "DialogPrompts.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QUrl>

namespace {
// "Text files (*.txt)" -> "txt"; a filter without one concrete suffix ("*.*") -> `fallback`.
QString suffixOfFilter(const QString& filter, const QString& fallback)
{
    static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.(\\w+)[ ;)]"));
    const QRegularExpressionMatch match = firstPattern.match(filter);
    return match.hasMatch() ? match.captured(1) : fallback;
}

QString chooseSaveFile(const FileRequest& request)
{
    QFileDialog dialog(request.parent, request.caption, request.directory, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!request.selectedFilter.isEmpty())
        dialog.selectNameFilter(request.selectedFilter);
    dialog.setDefaultSuffix(suffixOfFilter(dialog.selectedNameFilter(), request.defaultSuffix));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &request](const QString& filter) {
        dialog.setDefaultSuffix(suffixOfFilter(filter, request.defaultSuffix));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
} // namespace

MessageAnswer DialogPrompts::message(const MessageRequest& request)
{
    QMessageBox box(request.icon, request.title, request.text, request.buttons, request.parent);
    box.setInformativeText(request.informativeText);
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    if (!request.windowIcon.isNull())
        box.setWindowIcon(request.windowIcon);
    QCheckBox* checkBox = nullptr;
    if (!request.checkBoxText.isEmpty()) {
        checkBox = new QCheckBox(request.checkBoxText, &box);
        checkBox->setChecked(request.checkBoxChecked);
        box.setCheckBox(checkBox);
    }
    MessageAnswer answer;
    answer.button = static_cast<QMessageBox::StandardButton>(box.exec());
    answer.checkBoxChecked = checkBox && checkBox->isChecked();
    return answer;
}

QStringList DialogPrompts::chooseFiles(const FileRequest& request)
{
    switch (request.kind) {
    case FileRequest::OpenFile: {
        const QString file = QFileDialog::getOpenFileName(request.parent, request.caption,
                                                          request.directory, request.filter);
        return file.isEmpty() ? QStringList() : QStringList{file};
    }
    case FileRequest::OpenFiles:
        return QFileDialog::getOpenFileNames(request.parent, request.caption, request.directory,
                                             request.filter);
    case FileRequest::SaveFile: {
        const QString file = chooseSaveFile(request);
        return file.isEmpty() ? QStringList() : QStringList{file};
    }
    case FileRequest::ExistingDirectory: {
        const QString folder = QFileDialog::getExistingDirectory(request.parent, request.caption,
                                                                 request.directory);
        return folder.isEmpty() ? QStringList() : QStringList{folder};
    }
    }
    return {};
}

bool DialogPrompts::inputText(QWidget* parent, const QString& title, const QString& label, QString& text)
{
    bool ok = false;
    const QString entered = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
    if (ok)
        text = entered;
    return ok;
}

bool DialogPrompts::chooseItem(QWidget* parent, const QString& title, const QString& label,
                               const QStringList& items, QString& item)
{
    bool ok = false;
    const int current = qMax(0, items.indexOf(item));
    const QString chosen = QInputDialog::getItem(parent, title, label, items, current, false, &ok);
    if (ok)
        item = chosen;
    return ok;
}

bool DialogPrompts::chooseColor(QWidget* parent, const QString& title, QColor& color)
{
    const QColor chosen = QColorDialog::getColor(color, parent, title);
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}

bool DialogPrompts::chooseFont(QWidget* parent, QFont& font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (ok)
        font = chosen;
    return ok;
}

bool DialogPrompts::setUpPrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void DialogPrompts::previewPrint(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter*)>& paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.resize(parent ? parent->size() * 0.9 : QSize(1000, 800));
    dialog.exec();
}

bool DialogPrompts::openWithDesktop(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
