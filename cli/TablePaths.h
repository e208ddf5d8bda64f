#pragma once
// The paths in a CSV table: exported absolute, so that the table names the same files wherever
// it is used; a relative one read from a table stands for a file beside the table.

#include "core/base/Types.h"

CString AbsolutePath(const CString& strPath);
// strPath as found from the folder of the table strTable ("-", standard input: the current
// folder).
CString PathFromTable(const CString& strPath, const CString& strTable);
