#include "core/edit/MarkerList.h"

#include <algorithm>

#include "core/base/LittleEndian.h"
#include "core/chunks/Chunk.h"
#include "core/details/SubChunks.h"

namespace {

constexpr std::size_t kPointSize = 24;

ByteSpan BytesOf(const CString& strBytes) {
    return ByteSpan(reinterpret_cast<const BYTE*>(strBytes.data()), strBytes.size());
}

// The text's zero byte, and a second one where the size would be odd: some readers of adtl
// lists step over a text's pad byte twice.
CString TextEntry(const CString& strKind, DWORD dwId, const CString& strText) {
    CString strData = LittleEndianText(dwId, 4) + strText + CString(1, '\0');
    if ((strData.size() & 1) != 0) {
        strData += '\0';
    }
    return strKind + LittleEndianText(strData.size(), 4) + strData;
}

}  // namespace

CMarkerList::CMarkerList(const CChunk* pCue, const CChunk* pAdtl) {
    const CString strCue = pCue ? pCue->PayloadText() : CString();
    const std::size_t nCount =
        std::min<std::size_t>(static_cast<DWORD>(LittleEndianOr0(BytesOf(strCue), 0, 4)),
                              strCue.size() >= 4 ? (strCue.size() - 4) / kPointSize : 0);
    for (std::size_t i = 0; i < nCount; ++i) {
        const CString strPoint = strCue.substr(4 + i * kPointSize, kPointSize);
        m_markers.push_back({static_cast<DWORD>(LittleEndianOr0(BytesOf(strPoint), 0, 4)),
                             static_cast<DWORD>(LittleEndianOr0(BytesOf(strPoint), 20, 4)),
                             {},
                             {}});
        m_points.push_back({strPoint});
    }
    m_strCueTail = strCue.size() > 4 + nCount * kPointSize ? strCue.substr(4 + nCount * kPointSize)
                                                           : CString();
    IndexMarkers();
    if (!pAdtl) {
        return;
    }
    const CString strAdtl = pAdtl->PayloadText();
    ForEachSubChunk(*pAdtl, [&](const SubChunk& sub) {
        const std::size_t nEnd =
            std::min<std::size_t>(strAdtl.size(), sub.offset + sub.declared + (sub.declared & 1));
        const DWORD dwId = static_cast<DWORD>(LittleEndianOr0(BytesOf(sub.bytes), 0, 4));
        m_texts.push_back({sub.id, dwId, strAdtl.substr(sub.offset - 8, nEnd - (sub.offset - 8))});
        if (const auto length = LittleEndianOr0(BytesOf(sub.bytes), 4, 4);
            sub.id == "ltxt" && length > 0) {
            m_lengths.try_emplace(dwId, length);
        }
        Marker* pMarker = FindMutable(dwId);
        if (pMarker && (sub.id == "labl" || sub.id == "note") && sub.bytes.size() > 4) {
            (sub.id == "labl" ? pMarker->label : pMarker->note) = SubChunkText(sub.bytes.substr(4));
        }
        return true;
    });
}

void CMarkerList::IndexMarkers() {
    m_index.clear();
    m_dwNextId = 1;
    for (std::size_t i = 0; i < m_markers.size(); ++i) {
        m_index.try_emplace(m_markers[i].id, i);
        m_dwNextId = std::max(m_dwNextId, m_markers[i].id + 1);
    }
}

Marker* CMarkerList::FindMutable(DWORD dwId) {
    const auto it = m_index.find(dwId);
    return it == m_index.end() ? nullptr : &m_markers[it->second];
}

const Marker* CMarkerList::Find(DWORD dwId) const {
    return const_cast<CMarkerList*>(this)->FindMutable(dwId);
}

DWORD CMarkerList::Add(std::uint64_t position, const CString& strLabel, const CString& strNote,
                       std::optional<DWORD> id) {
    const DWORD dwId = id.value_or(m_dwNextId);
    m_index.try_emplace(dwId, m_markers.size());
    m_dwNextId = std::max(m_dwNextId, dwId + 1);
    m_markers.push_back({dwId, position, strLabel, strNote});
    m_points.push_back({});
    m_editedTexts.emplace(dwId, "labl");
    m_editedTexts.emplace(dwId, "note");
    return dwId;
}

DWORD CMarkerList::AddRegion(std::uint64_t position, std::uint64_t length,
                             const CString& strLabel) {
    const DWORD dwId = Add(position, strLabel, CString());
    // Country, language, dialect and code page 0, and no text: the label is the labl entry's.
    const CString strData =
        LittleEndianText(dwId, 4) + LittleEndianText(length, 4) + "rgn " + LittleEndianText(0, 8);
    m_texts.push_back({"ltxt", dwId, "ltxt" + LittleEndianText(strData.size(), 4) + strData});
    m_lengths[dwId] = length;
    return dwId;
}

std::uint64_t CMarkerList::Length(DWORD dwId) const {
    const auto found = m_lengths.find(dwId);
    return found == m_lengths.end() ? 0 : found->second;
}

bool CMarkerList::Move(DWORD dwId, std::uint64_t position) {
    Marker* pMarker = FindMutable(dwId);
    if (!pMarker) {
        return false;
    }
    if (pMarker->position != position) {
        pMarker->position = position;
        m_points[static_cast<std::size_t>(pMarker - m_markers.data())].stored.clear();
    }
    return true;
}

bool CMarkerList::Rename(DWORD dwId, const CString& strLabel) {
    Marker* pMarker = FindMutable(dwId);
    if (pMarker && pMarker->label != strLabel) {
        pMarker->label = strLabel;
        m_editedTexts.emplace(dwId, "labl");
    }
    return pMarker != nullptr;
}

bool CMarkerList::SetNote(DWORD dwId, const CString& strNote) {
    Marker* pMarker = FindMutable(dwId);
    if (pMarker && pMarker->note != strNote) {
        pMarker->note = strNote;
        m_editedTexts.emplace(dwId, "note");
    }
    return pMarker != nullptr;
}

bool CMarkerList::Remove(DWORD dwId) {
    Marker* pMarker = FindMutable(dwId);
    if (!pMarker) {
        return false;
    }
    const auto nIndex = static_cast<std::ptrdiff_t>(pMarker - m_markers.data());
    m_markers.erase(m_markers.begin() + nIndex);
    m_points.erase(m_points.begin() + nIndex);
    std::erase_if(m_texts, [dwId](const Text& text) { return text.id == dwId; });
    m_lengths.erase(dwId);
    IndexMarkers();
    return true;
}

void CMarkerList::Remove(const std::unordered_set<DWORD>& ids) {
    std::size_t nKept = 0;
    for (std::size_t i = 0; i < m_markers.size(); ++i) {
        if (ids.count(m_markers[i].id) == 0) {
            m_markers[nKept] = std::move(m_markers[i]);
            m_points[nKept++] = std::move(m_points[i]);
        }
    }
    m_markers.resize(nKept);
    m_points.resize(nKept);
    std::erase_if(m_texts, [&ids](const Text& text) { return ids.count(text.id) > 0; });
    std::erase_if(m_lengths, [&ids](const auto& entry) { return ids.count(entry.first) > 0; });
    IndexMarkers();
}

CString CMarkerList::CuePayload() const {
    CString strPayload = LittleEndianText(m_markers.size(), 4);
    for (std::size_t i = 0; i < m_markers.size(); ++i) {
        const Marker& marker = m_markers[i];
        const auto dwPosition = static_cast<DWORD>(marker.position);
        strPayload += m_points[i].stored.empty()
                          ? LittleEndianText(marker.id, 4) + LittleEndianText(dwPosition, 4) +
                                "data" + LittleEndianText(0, 4) + LittleEndianText(0, 4) +
                                LittleEndianText(dwPosition, 4)
                          : m_points[i].stored;
    }
    return strPayload + m_strCueTail;
}

CString CMarkerList::AdtlPayload() const {
    const auto isEdited = [this](DWORD dwId, const CString& strKind) {
        return m_editedTexts.count(std::make_pair(dwId, strKind)) > 0;
    };
    CString strPayload = "adtl";
    for (const Text& text : m_texts) {
        if (!isEdited(text.id, text.kind)) {
            strPayload += text.stored;
        }
    }
    // Labels before notes: readers that meet a note stop taking labels.
    for (const char* pKind : {"labl", "note"}) {
        for (const Marker& marker : m_markers) {
            const CString& strText = pKind == CString("labl") ? marker.label : marker.note;
            if (isEdited(marker.id, pKind) && !strText.empty()) {
                strPayload += TextEntry(pKind, marker.id, strText);
            }
        }
    }
    return strPayload;
}

bool CMarkerList::HasTexts() const {
    return !m_lengths.empty() ||
           std::any_of(m_markers.begin(), m_markers.end(), [](const Marker& marker) {
               return !marker.label.empty() || !marker.note.empty();
           });
}

CString CheckMarkerPosition(std::uint64_t position, std::optional<std::uint64_t> frames) {
    if (position > 0xFFFFFFFF) {
        return "a cue point holds positions up to 4294967295 samples";
    }
    if (frames && position > *frames) {
        return "position " + std::to_string(position) + " is past the samples (" +
               std::to_string(*frames) + " sample frames)";
    }
    return CString();
}
