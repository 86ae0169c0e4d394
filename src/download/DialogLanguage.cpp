#include "DialogLanguage.h"

#include "QuilletSettingsKeys.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QSettings>
#include <QVBoxLayout>

namespace {
constexpr int CodeRole = Qt::UserRole + 1;
}

DialogLanguage::DialogLanguage(const QString& folder, QWidget* parent)
    : QDialog(parent)
    , list(new QComboBox(this))
{
    setWindowTitle(tr("Please choose a language", "Window Title"));
    resize(303, 88);
    list->setObjectName(QStringLiteral("languageList"));
    const QVector<LanguageEntry> found = entries(folder);
    for (const LanguageEntry& entry : found) {
        list->addItem(entry.name, entry.path);
        list->setItemData(list->count() - 1, entry.code, CodeRole);
    }
    const QString saved = QSettings().value(QuilletSettingsKeys::languageFilePath()).toString();
    list->setCurrentIndex(preferredIndex(found, saved, QLocale::system().language()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &DialogLanguage::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DialogLanguage::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addStretch();
    layout->addWidget(buttons);
}

bool DialogLanguage::isEmpty() const
{
    return list->count() == 0;
}

QVector<LanguageEntry> DialogLanguage::entries(const QString& folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList({ QStringLiteral("TorvaneQuillet*.qm") }, QDir::Files,
                                                           QDir::Name | QDir::IgnoreCase);
    QVector<LanguageEntry> found;
    for (const QFileInfo& file : files) {
        const QString path = file.absoluteFilePath();
        const QString code = path.mid(path.size() - 5, 2);
        const LanguageEntry entry { QLocale::languageToString(QLocale(code).language()), path, code };
        const bool firstEnglish = code == QLatin1String("en")
            && std::none_of(found.cbegin(), found.cend(), [](const LanguageEntry& e) { return e.code == QLatin1String("en"); });
        if (firstEnglish)
            found.prepend(entry);
        else
            found.append(entry);
    }
    return found;
}

int DialogLanguage::preferredIndex(const QVector<LanguageEntry>& entries, const QString& savedPath,
                                   QLocale::Language systemLanguage)
{
    int preferred = 0;
    for (int index = 0; index < entries.size(); ++index) {
        const bool matches = savedPath.isEmpty() ? QLocale(entries.at(index).code).language() == systemLanguage
                                                 : entries.at(index).path == savedPath;
        if (matches)
            preferred = index;
    }
    return preferred;
}

void DialogLanguage::accept()
{
    if (isEmpty())
        return reject();
    QSettings settings;
    settings.setValue(QuilletSettingsKeys::languageFilePath(), list->currentData().toString());
    settings.setValue(QuilletSettingsKeys::languageCode(), list->currentData(CodeRole).toString());
    QDialog::accept();
}
