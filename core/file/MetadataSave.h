#pragma once
// The save of a file whose samples are untouched: when the samples and every chunk before them
// keep their places (a filler chunk giving or taking room), only the bytes that differ are
// written, in place, under a rollback journal, the chunks after the samples rewritten and the
// file grown or cut where they end; otherwise the whole-file save. The samples' byte range is
// never written by the save in place.

#include "core/chunks/RiffChunkModel.h"

// Saves the tree over the loaded file. Empty on success, else what failed, for the user; the
// file is then as it was (or, after a crash, as it was once the journal is rolled back).
CString SaveMetadata(CRiffChunkModel& root, const SaveOptions& options);
