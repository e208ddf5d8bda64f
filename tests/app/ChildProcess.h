#pragma once
// Runs one test of this program in a process of its own with more environment: for what a process
// reads once at its start, such as GStreamer's plugins or the screen's resolution. The test run
// there is a disabled one (its name begins with DISABLED_), so that it runs only when asked for.

#include <QString>
#include <utility>
#include <vector>

namespace viewertest {

struct ChildRun {
    bool bPassed = false;
    QString output;  // what the child printed, to explain a failure
};

ChildRun RunTestInChild(const QString& strTest,
                        const std::vector<std::pair<QString, QString>>& environment);

}  // namespace viewertest
