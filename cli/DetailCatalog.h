#pragma once
// The names of what info shows beyond the fields, for --help: each detail table with its chunk,
// columns and the rows every file gets, the file details, the INFO field names, the format tag
// names and the speakers of a channel mask. All come from the core's readers, so that the help
// names what the output holds.

#include "core/base/Types.h"

CString DetailCatalogText();
