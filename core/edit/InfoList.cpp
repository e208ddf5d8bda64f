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
    for (const SubChunk& sub : SubChunksOf(*pList)) {
        if (sub.truncated) {
            break;
        }
        const std::size_t begin = sub.offset - 8;
        end = std::min<std::size_t>(strPayload.size(),
                                    sub.offset + sub.declared + (sub.declared & 1));
        m_entries.push_back(
            {sub.id, SubChunkText(sub.bytes), strPayload.substr(begin, end - begin)});
    }
    m_strTail = strPayload.substr(end);
}

std::optional<CString> CInfoList::Text(const CString& strId) const {
    for (const Entry& entry : m_entries) {
        if (entry.id == strId) {
            return entry.text;
        }
    }
    return std::nullopt;
}

std::vector<CString> CInfoList::Ids() const {
    std::vector<CString> ids;
    for (const Entry& entry : m_entries) {
        ids.push_back(entry.id);
    }
    return ids;
}

void CInfoList::Set(const CString& strId, const CString& strText) {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&strId](const Entry& entry) { return entry.id == strId; });
    if (strText.empty()) {
        if (it != m_entries.end()) {
            m_entries.erase(it);
        }
        return;
    }
    if (it == m_entries.end()) {
        m_entries.push_back({strId, strText, CString()});
    } else if (it->text != strText) {
        *it = {strId, strText, CString()};
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
