#pragma once

#include "Failure.h"

// Where the failures of a curve file and of the work on it go, the moment they happen: many
// come from inside the tree model's own steps and from the middle of an import, where no return
// value reaches the document. The document shows them through the prompts seam; tests record them.
class CurveFailureHandler
{
public:
    enum class Weight { Warning, Critical };

    virtual ~CurveFailureHandler() = default;

    virtual void failed(const Failure& failure, Weight weight) = 0;
    // A failure that may come many times in one piece of work. Returns whether the user wants to
    // hear of the next ones; `goOnText` is what they are asked.
    virtual bool failedAgain(const Failure& failure, const QString& goOnText) = 0;
};
