#pragma once

#include <QUndoCommand>

class ReportCheckBox;

class ReportCheckBoxCommand : public QUndoCommand
{
public:
    ReportCheckBoxCommand(ReportCheckBox* checkBox, bool checked);

    void redo() override;
    void undo() override;

private:
    ReportCheckBox* checkBox;
    bool checked;
};
