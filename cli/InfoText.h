#pragma once
// info's plain-text listing of one file.

#include "cli/FileReport.h"

CString InfoText(const FileReport& report);
