#pragma once
// A spreadsheet runs a cell that begins with "=", "+", "-", "@", a tab or a carriage return as a
// formula. Exported cells that begin so get a leading apostrophe, which a spreadsheet shows as
// text and an import removes again; so does a cell that begins with an apostrophe followed by
// one of them or by another apostrophe, so that every text comes back as it went out.

#include "core/base/Types.h"

CString ExportedCell(const CString& strText);
CString ImportedCell(const CString& strCell);
