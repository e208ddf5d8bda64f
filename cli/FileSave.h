#pragma once
// How ovalis-cli saves an edited file over itself: the metadata in place where it can, as the
// command line asks.

#include "cli/CommandLine.h"
#include "core/chunks/RiffChunkModel.h"

SaveOptions SaveOptionsOf(const Invocation& invocation);

// Empty on success, else "not saved: ..." on one line.
CString SaveEdited(CRiffChunkModel& root, const SaveOptions& options);
