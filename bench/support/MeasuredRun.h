#pragma once

#include <QElapsedTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// One piece of work run in a child process of its own, so that its peak memory is its own and a
// crash or a runaway allocation cannot take the caller with it.
struct MeasuredRun
{
    bool passed = false;
    qint64 milliseconds = 0;
    long peakMegabytes = 0;
};

// `work` returns the child's exit code; 0 counts as passed.
template <typename Work>
MeasuredRun measureInChild(Work work)
{
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0)
        _exit(work());
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    MeasuredRun run;
    run.passed = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.milliseconds = timer.elapsed();
    run.peakMegabytes = usage.ru_maxrss / 1024;
    return run;
}
