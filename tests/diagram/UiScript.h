#pragma once

#include <QObject>
#include <QQueue>
#include <QStringList>
#include <QTimer>

// Answers the pop-up menus and component dialogs that the code under test opens and runs
// modally, in the order they come, and records what they showed.
class UiScript : public QObject
{
    Q_OBJECT

public:
    UiScript();

    // The next menu: choose the entry with this text (empty: close the menu).
    void chooseFromMenu(const QString& text);
    // The next component dialog: enter `text` and press OK, or cancel.
    void answerDialog(const QString& text);
    void cancelDialog();

    bool finished() const;
    // The entries of each menu shown (separators as "-").
    const QList<QStringList>& menus() const;
    // Title and prefilled text of each dialog shown.
    const QStringList& dialogTitles() const;
    const QStringList& dialogTexts() const;

private:
    struct Step
    {
        bool menu;
        QString text;
        bool accept;
    };

    void poll();
    bool answerMenu(const Step& step);
    bool answerDialog(const Step& step);

    QTimer timer;
    QQueue<Step> steps;
    QList<QStringList> shownMenus;
    QStringList titles;
    QStringList texts;
};
