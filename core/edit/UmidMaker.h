#pragma once
// New SMPTE basic UMIDs (32 bytes) for the broadcast extension, and UMIDs typed in hexadecimal.

#include <optional>
#include <vector>

#include "core/base/Types.h"

enum class MaterialNumber { Random, TimeBased };

// A basic UMID of an original (instance number 0) with a new material number: 16 random bytes,
// or the time in 100 ns units, then random bytes where the method wants a node.
std::vector<BYTE> NewBasicUmid(MaterialNumber method);
// The bytes of 32 or 64 bytes of hexadecimal digits (spaces allowed between groups); nothing
// for any other text.
std::optional<std::vector<BYTE>> UmidFromHex(const CString& strText);
