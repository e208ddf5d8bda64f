#pragma once
// Fields at fixed offsets inside a payload that a file may make shorter than the layout.

#include "core/base/Types.h"

// How many bytes of the field [dwOffset, dwOffset + dwWidth) lie inside a payload of dwSize
// bytes: from 0 to dwWidth, never a wrapped difference.
DWORD FieldBytesInPayload(DWORD dwSize, DWORD dwOffset, DWORD dwWidth);
// Whether every byte of the field lies inside the payload.
bool FieldFitsPayload(DWORD dwSize, DWORD dwOffset, DWORD dwWidth);
