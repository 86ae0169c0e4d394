#pragma once

#include <QDialog>

// The program's name and version on the splash picture.
class DialogAbout : public QDialog
{
    Q_OBJECT

public:
    explicit DialogAbout(QWidget* parent = nullptr);
};
