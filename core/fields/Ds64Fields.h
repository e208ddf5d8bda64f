#pragma once
// The ds64 chunk's payload: 64-bit sizes, shown only, since a save writes the sizes it wrote.

#include "core/fields/FieldLayout.h"

extern const FieldTable kDs64Fields;
