#pragma once

#include <QString>

// The one way the libraries say that something went wrong. A reader, writer or model returns a
// Failure and never shows it: `text` names the file and the cause, `informativeText` says what
// to do about it. A default Failure is no failure. Only the document and window layer shows one,
// through Prompts::report, with the parent, icon and title that fit where the user is working;
// so the libraries below it need no widgets for their messages, and their tests compare the
// returned texts.
struct Failure
{
    QString text;
    QString informativeText;

    bool failed() const { return !text.isEmpty(); }
};
