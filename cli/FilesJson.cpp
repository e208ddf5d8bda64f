#include "cli/FilesJson.h"

#include <algorithm>

namespace {

using Json = nlohmann::json;

constexpr int kIndent = 2;
// The depths of a file's object, its members and their lists' items in the document.
constexpr int kFileDepth = 2;
constexpr int kMemberDepth = 3;
constexpr int kItemDepth = 4;

CString Spaces(int nDepth) {
    return CString(static_cast<std::size_t>(kIndent * nDepth), ' ');
}

// The value as the whole document's dump writes it at that depth.
CString Dumped(const Json& value, int nDepth) {
    const CString strDump = value.dump(kIndent, ' ', false, Json::error_handler_t::replace);
    const CString strIndent = Spaces(nDepth);
    CString strIndented;
    strIndented.reserve(strDump.size());
    // A dumped string holds no raw line break, so each one starts a line.
    for (const char c : strDump) {
        strIndented += c;
        if (c == '\n') {
            strIndented += strIndent;
        }
    }
    return strIndented;
}

}  // namespace

CFilesJson::CFilesJson(std::ostream& out) : m_out(out) {
    m_out << "{\n" << Spaces(1) << "\"files\": [";
}

void CFilesJson::BeginFile() {
    m_out << (m_bAnyFile ? ",\n" : "\n") << Spaces(kFileDepth) << "{";
    m_bAnyFile = true;
    m_bAnyMember = false;
}

void CFilesJson::Key(const CString& strKey) {
    m_out << (m_bAnyMember ? ",\n" : "\n") << Spaces(kMemberDepth) << Dumped(Json(strKey), 0)
          << ": ";
    m_bAnyMember = true;
}

void CFilesJson::Member(const CString& strKey, const Json& value) {
    Key(strKey);
    m_out << Dumped(value, kMemberDepth);
}

void CFilesJson::ListMember(const CString& strKey, std::size_t nCount,
                            const std::function<Json(std::size_t)>& item) {
    Key(strKey);
    if (nCount == 0) {
        m_out << "[]";
        return;
    }
    m_out << "[";
    for (std::size_t i = 0; i < nCount; ++i) {
        m_out << (i ? ",\n" : "\n") << Spaces(kItemDepth) << Dumped(item(i), kItemDepth);
    }
    m_out << "\n" << Spaces(kMemberDepth) << "]";
}

void CFilesJson::TextsMember(const CString& strKey,
                             std::vector<std::pair<CString, CString>> texts) {
    Key(strKey);
    std::stable_sort(texts.begin(), texts.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    bool bAny = false;
    m_out << "{";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i + 1 < texts.size() && texts[i + 1].first == texts[i].first) {
            continue;
        }
        m_out << (bAny ? ",\n" : "\n") << Spaces(kItemDepth) << Dumped(Json(texts[i].first), 0)
              << ": " << Dumped(Json(texts[i].second), 0);
        bAny = true;
    }
    m_out << (bAny ? "\n" + Spaces(kMemberDepth) + "}" : "}");
}

void CFilesJson::EndFile() {
    m_out << (m_bAnyMember ? "\n" + Spaces(kFileDepth) + "}" : "}");
}

void CFilesJson::Finish() {
    m_out << (m_bAnyFile ? "\n" + Spaces(1) + "]\n}\n" : "]\n}\n");
}
