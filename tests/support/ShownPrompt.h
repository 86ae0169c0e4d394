#pragma once

#include "FileRequest.h"
#include "MessageRequest.h"

#include <QString>
#include <QStringList>

// What a scripted prompt recorded of one dialog that the code under test asked for.
struct ShownPrompt
{
    enum Kind { Message, Files, Text, Item, Color, Font, Printer, PrintPreview, Desktop };

    Kind kind = Message;
    MessageRequest message;
    FileRequest files;
    QString title;
    QString label;
    QStringList items;
    // Desktop: the address opened. PrintPreview: the PDF file the previewed pages were drawn into.
    QString url;
};
