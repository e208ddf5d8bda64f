#pragma once
// How a unique material identifier reads: its 32-byte basic part (label, length, instance,
// material number) and, in an extended one, the 32-byte source pack, each as hexadecimal groups.

#include "core/base/Types.h"

// "none" for bytes all zero; else, for bytes that start with the SMPTE universal label, "basic "
// or "extended " and the groups, separated by spaces (extended when the source pack holds a byte
// other than zero); else "not a SMPTE UMID, 16 bytes:" (or 32, 64) and the bytes in hexadecimal.
CString UmidText(const BYTE* pBytes, DWORD dwSize);
