#pragma once
// Why a file did not load, in words that name the cause and the place. The load calls these at
// the point where it stopped.

#include <cstdint>

#include "core/base/Types.h"

// The path names no regular file, or one that cannot be opened as a load opens it.
CString ExplainOpenFailure(const CString& strPath);
// The walk could not read the chunk that starts at offset, in a file of fileSize bytes: such as
// "chunk 'data' at offset 36 declares 88200 bytes but only 100 follow".
CString ExplainWalkFailure(const CString& strPath, std::int64_t offset, std::int64_t fileSize);
// The load found no chunk: no RIFF WAVE form, or nothing after its header.
CString ExplainEmptyTree(const CString& strPath, std::int64_t fileSize);
