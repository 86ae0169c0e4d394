#pragma once

#include <QPointer>
#include <QUndoCommand>

class ReportText;

// One step of typing in a field or cell. It keeps the text before and after the step itself, so
// undo and redo restore exactly those texts whatever the editor's own history holds: an import
// or a later edit may have replaced that history since.
class ReportTextCommand : public QUndoCommand
{
public:
    ReportTextCommand(ReportText* item, const QString& before, const QString& after);

    void redo() override;
    void undo() override;

private:
    void show(const QString& text);

    QPointer<ReportText> item;
    QString before;
    QString after;
};
