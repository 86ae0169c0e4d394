#pragma once

#include <QDialog>
#include <QHash>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The projects root folder and the report favourites.
class DialogSettings : public QDialog
{
    Q_OBJECT

public:
    explicit DialogSettings(QWidget* parent = nullptr);

    QLineEdit* rootEdit() const;
    QCheckBox* reopenBox() const;
    QPushButton* restoreButton(const QString& extension) const;
    QLabel* statusLabel(const QString& extension) const;

public slots:
    void browseProjectsRoot();
    void restoreIR();
    void restoreATR();
    void restoreVC();
    void restoreCHK();
    // Closes only when the root is unchanged or was set.
    void accept() override;

private:
    QWidget* buildProjectsTab();
    QWidget* buildFavouritesTab();
    void addFavouriteRow(QWidget* tab, const QString& text, const QString& extension, void (DialogSettings::*slot)());
    void showFavouriteState(const QString& extension);
    void restore(const QString& extension);

    QLineEdit* root = nullptr;
    QCheckBox* reopen = nullptr;
    QHash<QString, QPushButton*> buttons;
    QHash<QString, QLabel*> labels;
};
