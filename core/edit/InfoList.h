#pragma once
// The entries of a LIST INFO chunk, edited by their four-letter ids: an entry not edited keeps
// its bytes as stored (size, pad byte and all), an edited one is written anew as text and a
// closing zero byte.

#include <optional>
#include <unordered_map>
#include <vector>

#include "core/base/Types.h"

class CChunk;

class CInfoList {
public:
    // The entries of a LIST INFO chunk's payload (list type first); an empty list for none.
    explicit CInfoList(const CChunk* pList);

    // The entry's text as shown (UTF-8); nothing when the list has no entry of the id.
    std::optional<CString> Text(const CString& strId) const;
    // Every id in the list's order.
    std::vector<CString> Ids() const;
    // Stores the text in the first entry of the id, or in a new one at the end; an empty text
    // removes the entry.
    void Set(const CString& strId, const CString& strText);
    // The whole payload: "INFO", the entries, and any bytes after the last whole entry.
    CString Payload() const;

private:
    struct Entry {
        CString id;
        CString text;
        CString stored;  // the entry as stored, header to pad byte; empty once edited
    };
    // Each id's first entry, by its place in m_entries; built again after a removal.
    void IndexEntries();

    std::vector<Entry> m_entries;
    std::unordered_map<CString, std::size_t> m_index;
    CString m_strTail;
};

// Whether the text is an id of four printable ASCII characters, as INFO ids are ("IARL").
bool IsInfoId(const CString& strId);
// Empty when the entry may hold the text; else why not (ICRD takes an ISO 8601 date).
CString CheckInfoText(const CString& strId, const CString& strText);
