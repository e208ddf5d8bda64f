#pragma once
// A command over many files, several files at a time (-j N, by default one per core): each
// file's output is held until the files named before it are written, so that output and
// failures come in file order, as they do one file at a time.

#include <functional>
#include <optional>
#include <vector>

#include "cli/CommandLine.h"
#include "core/integrity/WorkProgress.h"

// Does the work for the file at nFile of the list, printing its output; returns why the file
// failed, or empty. Runs on a thread of its own, beside the other files' work.
using FileJob = std::function<CString(std::size_t nFile)>;

// The files worked on at a time: -j N, else the cores. Null, with the reason in pWhyNot, for a
// value that is not a whole number from 1.
std::optional<int> JobCount(const Invocation& invocation, CString* pWhyNot);

// Runs the job for every file, nJobs at a time, with a progress line of the bytes done. Returns
// kExitDone, or kExitSomeFailed when a file failed.
int RunJobs(const std::vector<CString>& files, const FileJob& job, int nJobs);

// The progress of the file the calling job works on, for work that reads its samples.
WorkProgress JobProgress();
