#include "core/edit/InfoList.h"

#include <algorithm>

#include "core/chunks/Chunk.h"
#include "core/details/SubChunks.h"
#include "core/edit/DateText.h"

namespace {

CString EntryBytes(const CString& strId, const CString& strText) {
    const auto dwSize = static_cast<DWORD>(strText.size() + 1);
    CString strBytes = strId + LittleEndianText(dwSize, 4) + strText;
    strBytes += CString((dwSize & 1) != 0 ? 2 : 1, '\0');
    return strBytes;
}

}  // namespace

CInfoList::CInfoList(const CChunk* pList) {
    if (!pList || pList->DataSize() < 4) {
        return;
    }
    const CString strPayload = pList->PayloadText();
    std::size_t end = 4;
    ForEachSubChunk(*pList, [&](const SubChunk& sub) {
        if (sub.truncated) {
            return false;
        }
        const std::size_t begin = sub.offset - 8;
        end = std::min<std::size_t>(strPayload.size(),
                                    sub.offset + sub.declared + (sub.declared & 1));
        m_entries.push_back(
            {sub.id, SubChunkText(sub.bytes), strPayload.substr(begin, end - begin)});
        return true;
    });
    m_strTail = strPayload.substr(end);
    IndexEntries();
}

void CInfoList::IndexEntries() {
    m_index.clear();
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        m_index.try_emplace(m_entries[i].id, i);
    }
}

std::optional<CString> CInfoList::Text(const CString& strId) const {
    const auto it = m_index.find(strId);
    return it == m_index.end() ? std::nullopt : std::optional(m_entries[it->second].text);
}

std::vector<CString> CInfoList::Ids() const {
    std::vector<CString> ids;
    for (const Entry& entry : m_entries) {
        ids.push_back(entry.id);
    }
    return ids;
}

void CInfoList::Set(const CString& strId, const CString& strText) {
    const auto found = m_index.find(strId);
    if (found == m_index.end()) {
        if (!strText.empty()) {
            m_index.emplace(strId, m_entries.size());
            m_entries.push_back({strId, strText, CString()});
        }
        return;
    }
    Entry& entry = m_entries[found->second];
    if (strText.empty()) {
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(found->second));
        IndexEntries();
    } else if (entry.text != strText) {
        entry = {strId, strText, CString()};
    }
}

CString CInfoList::Payload() const {
    CString strPayload = "INFO";
    for (const Entry& entry : m_entries) {
        strPayload += entry.stored.empty() ? EntryBytes(entry.id, entry.text) : entry.stored;
    }
    return strPayload + m_strTail;
}

bool IsInfoId(const CString& strId) {
    return strId.size() == 4 &&
           std::all_of(strId.begin(), strId.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

CString CheckInfoText(const CString& strId, const CString& strText) {
    if (strId == "ICRD" && !strText.empty() && !IsIsoDateTime(strText)) {
        return "INFO:ICRD=" + strText +
               ": not an ISO 8601 date (YYYY, YYYY-MM, YYYY-MM-DD, optionally with Thh:mm[:ss])";
    }
    return CString();
}
