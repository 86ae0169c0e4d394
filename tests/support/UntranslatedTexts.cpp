#include "UntranslatedTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDomDocument>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

namespace {
void addModelTexts(const QAbstractItemView* view, QStringList& texts)
{
    const QAbstractItemModel* model = view->model();
    if (!model)
        return;
    for (int column = 0; column < model->columnCount(); ++column)
        texts << model->headerData(column, Qt::Horizontal).toString();
}

void addWidgetTexts(const QWidget* widget, QStringList& texts)
{
    texts << widget->windowTitle() << widget->toolTip() << widget->statusTip();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        texts << button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        texts << label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        texts << group->title();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        texts << edit->placeholderText();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        for (int index = 0; index < combo->count(); ++index)
            texts << combo->itemText(index);
    }
    if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
        for (int index = 0; index < tabs->count(); ++index)
            texts << tabs->tabText(index) << tabs->tabToolTip(index);
    }
    if (const auto* view = qobject_cast<const QAbstractItemView*>(widget))
        addModelTexts(view, texts);
}
} // namespace

UntranslatedTexts::UntranslatedTexts(const QString& tsFile)
{
    QFile file(tsFile);
    QDomDocument catalogue;
    if (!file.open(QIODevice::ReadOnly) || !catalogue.setContent(&file))
        return;
    const QDomNodeList messages = catalogue.elementsByTagName(QStringLiteral("message"));
    for (int index = 0; index < messages.size(); ++index) {
        const QDomElement message = messages.at(index).toElement();
        const QString source = message.firstChildElement(QStringLiteral("source")).text();
        const QString translation = message.firstChildElement(QStringLiteral("translation")).text();
        if (!translation.isEmpty() && translation != source)
            translatedSources.insert(source);
    }
}

bool UntranslatedTexts::isLoaded() const
{
    return !translatedSources.isEmpty();
}

QStringList UntranslatedTexts::shownTexts(const QWidget* root)
{
    QStringList texts;
    QList<const QWidget*> widgets {root};
    for (const QWidget* child : root->findChildren<QWidget*>())
        widgets << child;
    for (const QWidget* widget : widgets) {
        addWidgetTexts(widget, texts);
        for (const QAction* action : widget->actions())
            texts << action->text() << action->toolTip() << action->statusTip() << action->iconText();
    }
    for (const QAction* action : root->findChildren<QAction*>())
        texts << action->text() << action->toolTip() << action->statusTip();
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

QStringList UntranslatedTexts::in(const QWidget* root) const
{
    QStringList left;
    for (const QString& text : shownTexts(root)) {
        if (translatedSources.contains(text))
            left << text;
    }
    return left;
}
