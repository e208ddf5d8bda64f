#pragma once
// The text of --help, with every field name the commands take.

#include "core/base/Types.h"

CString UsageText();
CString VersionText();
