#include "ReportCheckBoxCommand.h"

#include "ReportCheckBox.h"

ReportCheckBoxCommand::ReportCheckBoxCommand(ReportCheckBox* checkBox, bool checked)
    : checkBox(checkBox)
    , checked(checked)
{
}

void ReportCheckBoxCommand::redo()
{
    checkBox->setChecked(checked);
}

void ReportCheckBoxCommand::undo()
{
    checkBox->setChecked(!checked);
}
