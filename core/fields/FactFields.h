#pragma once
// The fact chunk's payload: the length of the audio in samples.

#include "core/fields/FieldLayout.h"

extern const FieldTable kFactFields;
