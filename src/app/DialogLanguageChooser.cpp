#include "DialogLanguageChooser.h"

#include "SettingsKeys.h"
#include "TranslationCatalogues.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QSettings>
#include <QVBoxLayout>

DialogLanguageChooser::DialogLanguageChooser(const QString& translationFolder, QWidget* parent)
    : QDialog(parent)
    , languages(new QComboBox(this))
    , selected(QStringLiteral("en"))
{
    // Not translated: nobody has chosen a language yet.
    setWindowTitle(QStringLiteral("Please Select a Language"));
    for (const TranslationCatalogues::Catalogue& catalogue : TranslationCatalogues::list(translationFolder))
        languages->addItem(QLocale::languageToString(catalogue.locale.language()), catalogue.locale);
    // What the list shows must be what OK stores, even before the user touches it.
    const int english = languages->findData(selected);
    if (english >= 0)
        languages->setCurrentIndex(english);
    else if (languages->count() > 0)
        setLocale(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(languages);
    layout->addWidget(buttons);
    connect(languages, QOverload<int>::of(&QComboBox::activated), this, &DialogLanguageChooser::setLocale);
    connect(buttons, &QDialogButtonBox::accepted, this, &DialogLanguageChooser::accept);
    setMinimumWidth(320);
}

QComboBox* DialogLanguageChooser::languageList() const
{
    return languages;
}

void DialogLanguageChooser::setLocale(int index)
{
    selected = languages->itemData(index).toLocale();
}

void DialogLanguageChooser::accept()
{
    storeLocale(selected.name());
    QDialog::accept();
}

void DialogLanguageChooser::reject()
{
    storeLocale(QStringLiteral("en"));
    QDialog::reject();
}

void DialogLanguageChooser::storeLocale(const QString& name)
{
    QSettings().setValue(SettingsKeys::locale, name);
}
