#include "DialogAbout.h"

#include "AppIdentity.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

DialogAbout::DialogAbout(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About %1", "Window Title").arg(AppIdentity::applicationName));
    setStyleSheet(QStringLiteral("QDialog { background-color: rgb(28, 52, 84); background-image: url(:res/images/%1_splash.png); } "
                                 "QLabel { color: rgb(255, 255, 255); }")
                      .arg(AppIdentity::organisationName));
    auto* name = new QLabel(AppIdentity::applicationName, this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(AppIdentity::applicationVersion, this);
    version->setObjectName(QStringLiteral("labelVersion"));
    auto* maker = new QLabel(tr("%1 for PV installers and inspectors, by %2.", "About text")
                                 .arg(AppIdentity::applicationName, AppIdentity::organisationName),
                             this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(maker);
    layout->addWidget(buttons);
    setFixedSize(520, 320);
}
