#pragma once
// The command line of ovalis-cli, taken apart and checked before any file is opened.

#include <variant>
#include <vector>

#include "core/base/Types.h"

struct CommandRow;

struct Assignment {
    CString strName;
    CString strValue;
};

struct Invocation {
    const CommandRow* pCommand = nullptr;  // a row of the command table
    bool bJson = false;
    bool bDryRun = false;
    bool bVerify = false;  // md5: compare with the stored checksum
    bool bEmbed = false;   // md5: store the checksum in the file
    bool bWrite = false;   // loudness: store the values in the bext chunk
    std::vector<Assignment> assignments;
    std::vector<CString> files;  // for import, the one table
};

// The invocation, or the reason the command line is wrong.
std::variant<Invocation, CString> ParseCommandLine(const std::vector<CString>& args);
// Whether the value may be stored in the field: a name of a stored field, and for a number
// field a text the number rule takes. Empty when it may; otherwise why not.
CString CheckAssignment(const Assignment& assignment);
