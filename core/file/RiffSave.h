#pragma once
// The save of a loaded tree to a file.

#include "core/chunks/RiffChunkModel.h"

// Writes the tree to strPath; over the loaded file itself through a temporary file that replaces
// it once complete. The loaded file is locked against Ovalis's other writers for the save and
// read through one descriptor; a file changed or replaced by another program since the load is
// refused. Empty on success; else what failed, and the loaded file is as it was.
CString SaveTree(CRiffChunkModel& root, const CString& strPath,
                 const CRiffChunkModel::ChunkStep& step, const SaveOptions& options = {});
