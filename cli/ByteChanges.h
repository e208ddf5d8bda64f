#pragma once
// The bytes of a payload that an edit changed, as one range per field of the chunk's table (or
// outside every field), from its first changed byte to its last, so that a dry run can say what
// a save would write.

#include <vector>

#include "core/base/Types.h"

struct FieldTable;

struct ByteRange {
    DWORD dwBegin;  // payload offset of the first byte changed
    DWORD dwEnd;    // one past the last
    CString strField;
};

// The runs where after differs from before; a payload of another size differs from the end of
// the shorter one on. pTable may be null.
std::vector<ByteRange> ChangedRanges(const CString& strBefore, const CString& strAfter,
                                     const FieldTable* pTable);
