#include "WindowShooter.h"

#include <QApplication>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>

WindowShooter::WindowShooter(const QString& folder)
    : folder(folder)
{
    this->folder.mkpath(QStringLiteral("."));
}

bool WindowShooter::shoot(QWidget& window, const QString& name, const QSize& size)
{
    if (size.isValid())
        window.resize(size);
    window.show();
    // Layouts, lazily filled views and posted updates all need the event loop once or twice.
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
    return save(window.grab(), name);
}

bool WindowShooter::save(const QPixmap& picture, const QString& name)
{
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (picture.save(path))
        return true;
    QTextStream(stderr) << "cannot save the picture " << path << "\n";
    saved = false;
    return false;
}

bool WindowShooter::allSaved() const
{
    return saved;
}
