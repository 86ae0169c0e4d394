#pragma once

#include <QDialog>
#include <QLocale>

class QComboBox;

// Asks for the user's language on the very first start.
class DialogLanguageChooser : public QDialog
{
    Q_OBJECT

public:
    explicit DialogLanguageChooser(const QString& translationFolder, QWidget* parent = nullptr);

    QComboBox* languageList() const;

public slots:
    void setLocale(int index);
    void accept() override;
    void reject() override;

private:
    static void storeLocale(const QString& name);

    QComboBox* languages;
    QLocale selected;
};
