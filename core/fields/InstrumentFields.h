#pragma once
// The instrument chunk (inst): seven bytes of how a sample plays on a keyboard.

#include "core/fields/FieldLayout.h"

extern const FieldTable kInstrumentFields;
