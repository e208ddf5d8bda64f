#pragma once
// The MPEG audio extension's payload: five numbers in its first 12 bytes.

#include "core/fields/FieldLayout.h"

extern const FieldTable kMextFields;
