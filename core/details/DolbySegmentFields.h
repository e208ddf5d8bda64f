#pragma once
// The fields of the dbmd chunk's common metadata segments (Dolby E, Digital, Digital Plus, audio
// info, Atmos and its supplement), where the published layouts give them: each field's segment,
// place and how its bytes read, in one table.

#include <vector>

#include "core/base/LittleEndian.h"

// The rows (segment, field, value) of one segment's payload; none for a segment of no known
// layout. A field the payload does not hold is left out.
std::vector<std::vector<CString>> SegmentFieldRows(unsigned segment, ByteSpan payload);
