#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

// Greets the user after start-up and offers the tutorial, unless asked not to again.
class DialogWelcome : public QDialog
{
    Q_OBJECT

public:
    explicit DialogWelcome(QWidget* parent = nullptr);

    QRadioButton* tutorialButton() const;
    QRadioButton* continueButton() const;
    QCheckBox* doNotShowAgain() const;
    QPushButton* okButton() const;

    // Shows nothing, returning Rejected, once the user asked not to be greeted.
    int exec() override;

public slots:
    void radioPressed();
    void accept() override;

private:
    // Height of the logo picture drawn as the dialog's background.
    static constexpr int logoBandHeight = 60;

    QRadioButton* tutorial;
    QRadioButton* carryOn;
    QCheckBox* hide;
    QPushButton* ok;
};
