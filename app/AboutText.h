#pragma once
// What the About box says: the version, the licence, the libraries in use with their versions and
// where the manual is.

#include "core/base/Types.h"

// The version shown in the window's title and the About box.
inline constexpr const char* kOvalisVersion = "1.06";

CString AboutText();
