#pragma once
// info's plain-text listing of one file, written to standard output a chunk at a time with its
// control characters escaped.

#include "cli/FileReport.h"

class CLoadedFile;

void PrintInfoText(const CLoadedFile& file);
