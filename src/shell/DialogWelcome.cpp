#include "DialogWelcome.h"

#include "AppIdentity.h"
#include "Manual.h"
#include "SettingsKeys.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>

DialogWelcome::DialogWelcome(QWidget* parent)
    : QDialog(parent)
    , tutorial(new QRadioButton(tr("Watch video tutorial now (recommended)", "User prompt"), this))
    , carryOn(new QRadioButton(tr("Continue using %1", "User prompt").arg(AppIdentity::applicationName), this))
    , hide(new QCheckBox(tr("Do not show this message again", "User prompt"), this))
{
    setWindowTitle(tr("Welcome to %1!", "Window Title").arg(AppIdentity::applicationName));
    setModal(true);
    // Scoped to the dialog: the picture would otherwise be painted again inside every label and
    // button. Drawn once in the top band the layout keeps free, not tiled under the text.
    setStyleSheet(QStringLiteral("QDialog { background-color: white; background-image: url(:/res/images/%1_col_small.jpg);"
                                 " background-repeat: no-repeat; background-position: top left; }")
                      .arg(AppIdentity::organisationName));
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    ok = box->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(box, &QDialogButtonBox::accepted, this, &DialogWelcome::accept);
    connect(tutorial, &QRadioButton::pressed, this, &DialogWelcome::radioPressed);
    connect(carryOn, &QRadioButton::pressed, this, &DialogWelcome::radioPressed);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(layout->contentsMargins() + QMargins(0, logoBandHeight, 0, 0));
    layout->addWidget(new QLabel(tr("Thank you for choosing %1.", "User prompt").arg(AppIdentity::applicationName), this));
    layout->addWidget(new QLabel(tr("Please choose one of the following options:", "User prompt"), this));
    layout->addWidget(tutorial);
    layout->addWidget(carryOn);
    layout->addSpacing(12);
    layout->addWidget(hide);
    layout->addWidget(box);
}

QRadioButton* DialogWelcome::tutorialButton() const
{
    return tutorial;
}

QRadioButton* DialogWelcome::continueButton() const
{
    return carryOn;
}

QCheckBox* DialogWelcome::doNotShowAgain() const
{
    return hide;
}

QPushButton* DialogWelcome::okButton() const
{
    return ok;
}

int DialogWelcome::exec()
{
    if (!QSettings().value(SettingsKeys::showWelcome, true).toBool())
        return QDialog::Rejected;
    return QDialog::exec();
}

void DialogWelcome::radioPressed()
{
    ok->setEnabled(true);
}

// Without a network the tutorial is the manual that comes with the program, from its first page.
void DialogWelcome::accept()
{
    if (hide->isChecked())
        QSettings().setValue(SettingsKeys::showWelcome, false);
    if (tutorial->isChecked())
        Manual::open(this, 1);
    QDialog::accept();
}
