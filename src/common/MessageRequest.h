#pragma once

#include <QIcon>
#include <QMessageBox>
#include <QString>

class QWidget;

// Everything a message box shows, so that tests can compare what the user would have seen.
struct MessageRequest
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QString informativeText;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    // Empty: no check box. Otherwise the text of a check box such as "Do not show this message again".
    QString checkBoxText;
    // The check box's state when the box opens.
    bool checkBoxChecked = false;
    QIcon windowIcon;
    QWidget* parent = nullptr;
};

struct MessageAnswer
{
    QMessageBox::StandardButton button = QMessageBox::NoButton;
    bool checkBoxChecked = false;
};
