#pragma once
// Values typed into a chunk's page, looked at before a save stores them as typed: what the value
// rule (ValueRule.h) refuses or would cut, and the derived values (DerivedValues.h) they would
// leave disagreeing.

#include <vector>

#include "core/fields/FieldLayout.h"

class CChunk;

struct TypedValue {
    const FieldLayout* pField;  // of the chunk's field table
    CString strText;            // as the box holds it
};

// Each typed value the rule refuses or would cut, by its reason, then each derived value the
// typed numbers would leave disagreeing, with the value that would agree.
std::vector<CString> TypedValueProblems(const CChunk& chunk, const std::vector<TypedValue>& typed);
