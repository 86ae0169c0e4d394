#include "FuzzTarget.h"
#include "MeasuredRun.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

// Without libFuzzer: feeds every file named on the command line (folders are walked) to the
// reader, each in a child process of its own, and prints how long it took and the child's peak
// memory, so that a crash, a hang or a memory flood shows against the input that caused it.
namespace {
QStringList inputsOf(int argc, char** argv)
{
    QStringList inputs;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (!QFileInfo(path).isDir()) {
            inputs << path;
            continue;
        }
        QDirIterator files(path, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext())
            inputs << files.next();
    }
    return inputs;
}

int feed(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 2;
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    const QStringList inputs = inputsOf(argc, argv);
    if (inputs.isEmpty()) {
        std::fprintf(stderr, "usage: %s FILE|FOLDER...\n", argv[0]);
        return 2;
    }
    int failures = 0;
    for (const QString& input : inputs) {
        const MeasuredRun run = measureInChild([&] { return feed(input); });
        failures += run.passed ? 0 : 1;
        std::printf("%s %6lld ms %7ld MB  %s\n", run.passed ? "ok  " : "FAIL",
                    static_cast<long long>(run.milliseconds), run.peakMegabytes, qPrintable(input));
    }
    std::printf("%d passed, %d failed\n", int(inputs.size()) - failures, failures);
    return failures == 0 ? 0 : 1;
}
