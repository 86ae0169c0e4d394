#include "LanguageChange.h"

#include "Prompts.h"
#include "ReportFavourites.h"
#include "SettingsKeys.h"

#include <QSettings>

bool LanguageChange::confirm()
{
    if (QSettings().value(SettingsKeys::hideDeleteDefaultsWarning, false).toBool())
        return true;
    MessageRequest warning;
    // No parent: the box is centred on the screen.
    warning.icon = QMessageBox::Warning;
    warning.text = tr("Changing the language deletes any Report Favourites.\n", "Warning Message");
    warning.checkBoxText = tr("Do not show this message again", "User prompt");
    warning.buttons = QMessageBox::Ok | QMessageBox::Cancel;
    const MessageAnswer answer = Prompts::instance().message(warning);
    QSettings().setValue(SettingsKeys::hideDeleteDefaultsWarning, answer.checkBoxChecked);
    return answer.button == QMessageBox::Ok;
}

void LanguageChange::apply(const QLocale& locale, QWidget* parent)
{
    QSettings().setValue(SettingsKeys::locale, locale.name());
    ReportFavourites::removeAll();
    Prompts::instance().show(parent, QMessageBox::Critical,
                             tr("The application must be restarted when the language is changed.", "Warning Message"));
}
