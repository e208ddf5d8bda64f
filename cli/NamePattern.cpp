#include "cli/NamePattern.h"

#include <filesystem>

namespace {

// The pattern with "(?<name>" made a plain group, and the names with their group numbers:
// the regular expressions of the standard library number groups but do not name them.
CString Unnamed(const CString& strPattern, std::vector<std::pair<CString, std::size_t>>& rGroups,
                CString& rProblem) {
    CString strPlain;
    std::size_t nGroup = 0;
    bool bInClass = false;
    for (std::size_t i = 0; i < strPattern.size(); ++i) {
        const char c = strPattern[i];
        if (c == '\\' && i + 1 < strPattern.size()) {
            strPlain += strPattern.substr(i++, 2);
            continue;
        }
        bInClass = (bInClass && c != ']') || (!bInClass && c == '[');
        if (!bInClass && c == '(' && strPattern.compare(i, 3, "(?<") == 0) {
            const std::size_t nClose = strPattern.find('>', i + 3);
            if (nClose == CString::npos) {
                rProblem = "a group name is not closed with '>'";
                return CString();
            }
            rGroups.emplace_back(strPattern.substr(i + 3, nClose - i - 3), ++nGroup);
            strPlain += '(';
            i = nClose;
            continue;
        }
        nGroup += !bInClass && c == '(' && strPattern.compare(i, 2, "(?") != 0 ? 1 : 0;
        strPlain += c;
    }
    return strPlain;
}

}  // namespace

CString CNamePattern::Compile(const CString& strPattern) {
    CString strProblem;
    const CString strPlain = Unnamed(strPattern, m_groups, strProblem);
    if (!strProblem.empty()) {
        return "--from-name " + strPattern + ": " + strProblem;
    }
    if (m_groups.empty()) {
        return "--from-name " + strPattern + ": names no group, as (?<Originator>...)";
    }
    for (const auto& [strName, nGroup] : m_groups) {
        if (CString strRefused = CheckAssignment({strName, ""}); !strRefused.empty()) {
            return "--from-name: " + strRefused;
        }
    }
    try {
        m_regex = std::regex(strPlain, std::regex::ECMAScript);
    } catch (const std::regex_error& error) {
        return "--from-name " + strPattern + ": not a regular expression (" + error.what() + ")";
    }
    return CString();
}

std::optional<std::vector<Assignment>> CNamePattern::ValuesOf(const CString& strPath) const {
    const CString strName = std::filesystem::path(strPath).filename().string();
    std::smatch match;
    if (!std::regex_search(strName, match, m_regex)) {
        return std::nullopt;
    }
    std::vector<Assignment> values;
    for (const auto& [strField, nGroup] : m_groups) {
        if (match[nGroup].matched) {
            values.push_back({strField, match[nGroup].str()});
        }
    }
    return values;
}
