#pragma once
// How a unique material identifier reads: its 32-byte basic part (label, length, instance,
// material number) and, in an extended one, the 32-byte source pack, each as hexadecimal groups.

#include "core/base/Types.h"

// "none" for bytes all zero; else "basic " or "extended " and the groups, separated by spaces.
// An identifier is extended when its source pack holds a byte other than zero.
CString UmidText(const BYTE* pBytes, DWORD dwSize);
