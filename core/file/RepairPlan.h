#pragma once
// How a file whose structure is broken is written anew with its structure mended: the chunks
// as the load's mends find them, each with the size its bytes really have, in one form whose
// sizes (and ds64's, for a wide form) are the new file's. The payloads are copied as they are.

#include <cstdint>
#include <vector>

#include "core/base/Types.h"

// One mend, for the user: which chunk, where it stood in the file, what changed.
struct Repair {
    CString strChunk;      // the chunk's id, or the form's
    std::int64_t nOffset;  // of the chunk's header in the file repaired
    CString strWhat;       // "size", "pad byte", "id", "place", "ds64 riffSize" ...
    CString strOld;
    CString strNew;
    CString strWhy;
};

// One chunk of the new file: its header, then its payload from the file repaired or, when
// replacement holds bytes, those; then a zero pad byte after an odd size.
struct RepairChunk {
    FOURCC ckid = 0;
    DWORD nHeaderSize = 0;
    std::int64_t nSourceOffset = 0;
    std::int64_t nSize = 0;
    std::vector<BYTE> replacement;
};

struct RepairPlan {
    FOURCC formId = 0;
    DWORD nFormHeaderSize = 0;
    std::vector<RepairChunk> chunks;
    std::vector<Repair> repairs;
    std::int64_t nNewSize = 0;
    CString strRefused;  // why the file cannot be repaired; then nothing else is set
};

RepairPlan PlanRepair(const CString& strPath);
