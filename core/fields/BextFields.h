#pragma once
// The broadcast extension's payload: the fixed part of 602 bytes, then the coding history.

#include "core/fields/FieldLayout.h"

extern const FieldTable kBextFields;
