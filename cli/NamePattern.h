#pragma once
// --from-name: a regular expression whose named groups ("(?<Originator>[^_]+)") give field
// values from a file's name.

#include <optional>
#include <regex>
#include <vector>

#include "cli/CommandLine.h"

class CNamePattern {
public:
    // Empty when the pattern compiles and each group names a field; else why not.
    CString Compile(const CString& strPattern);
    // The values of the named groups in the file's name (without its folder); nothing when the
    // pattern does not match it.
    std::optional<std::vector<Assignment>> ValuesOf(const CString& strPath) const;

private:
    std::regex m_regex;
    std::vector<std::pair<CString, std::size_t>> m_groups;  // name and group number
};
