#include "DialogAbout.h"

#include "AppIdentity.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

DialogAbout::DialogAbout(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About %1", "Window Title").arg(AppIdentity::applicationName));
    const QString picture = QStringLiteral(":res/images/%1_splash.png").arg(AppIdentity::organisationName);
    // The picture carries the name; the words below it sit on a dark band so they stay readable
    // over the drawing.
    setStyleSheet(QStringLiteral("QDialog { background-color: rgb(28, 52, 84); background-image: url(%1); } "
                                 "QLabel { color: rgb(255, 255, 255); } "
                                 "QFrame#aboutBand { background-color: rgba(10, 24, 42, 220); }")
                      .arg(picture));
    auto* band = new QFrame(this);
    band->setObjectName(QStringLiteral("aboutBand"));
    auto* version = new QLabel(AppIdentity::applicationVersion, band);
    version->setObjectName(QStringLiteral("labelVersion"));
    auto* maker = new QLabel(tr("%1 for PV installers and inspectors, by %2.", "About text")
                                 .arg(AppIdentity::applicationName, AppIdentity::organisationName),
                             band);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, band);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(maker);
    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->setContentsMargins(16, 10, 12, 10);
    bandLayout->addLayout(texts, 1);
    bandLayout->addWidget(buttons, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(band);
    // The picture is the background and is not scaled: the dialog takes its size so none is cut off.
    setFixedSize(QPixmap(picture).size().expandedTo(QSize(520, 320)));
}
