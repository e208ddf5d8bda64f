#pragma once
// The text of --help, with every field name the commands take.

#include "framework/Types.h"

CString UsageText();
CString VersionText();
