#pragma once
// The markers of a file: the cue chunk's points with the label and note texts of its adtl
// list, and the length of those a labelled text makes regions. Points and texts not edited keep
// their bytes as stored; removing a marker removes its texts too.

#include <cstdint>
#include <optional>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/base/Types.h"

class CChunk;

struct Marker {
    DWORD id;
    std::uint64_t position;  // in sample frames from the first
    CString label;
    CString note;
};

class CMarkerList {
public:
    // The markers of the cue chunk and adtl list given (either may be null).
    CMarkerList(const CChunk* pCue, const CChunk* pAdtl);

    const std::vector<Marker>& Markers() const { return m_markers; }
    const Marker* Find(DWORD dwId) const;
    // A new marker, of the id given or else one past the highest; returns the id.
    DWORD Add(std::uint64_t position, const CString& strLabel, const CString& strNote,
              std::optional<DWORD> id = std::nullopt);
    // A new region: a marker with a labelled text of purpose "rgn " giving its length.
    DWORD AddRegion(std::uint64_t position, std::uint64_t length, const CString& strLabel);
    // The length of the marker's region, in sample frames; 0 for a point.
    std::uint64_t Length(DWORD dwId) const;
    // False when no marker has the id.
    bool Move(DWORD dwId, std::uint64_t position);
    bool Rename(DWORD dwId, const CString& strLabel);
    bool SetNote(DWORD dwId, const CString& strNote);
    bool Remove(DWORD dwId);
    // Removes every marker of these ids, and their texts, in one pass over the list.
    void Remove(const std::unordered_set<DWORD>& ids);

    // The cue chunk's payload.
    CString CuePayload() const;
    // The adtl list's payload ("adtl" first); its entries of other kinds as they were.
    CString AdtlPayload() const;
    // Whether any marker has a label, a note or a region, so that the file needs an adtl list.
    bool HasTexts() const;

private:
    struct Point {
        CString stored;  // the 24 bytes as stored; empty for a new or moved point
    };
    struct Text {
        CString kind;  // "labl", "note", or another kind of entry kept as it is
        DWORD id;
        CString stored;  // the entry as stored, header to pad byte
    };
    Marker* FindMutable(DWORD dwId);
    // Each id's first marker, by its place in m_markers; built again after a removal.
    void IndexMarkers();

    std::vector<Marker> m_markers;
    std::vector<Point> m_points;  // beside m_markers
    std::unordered_map<DWORD, std::size_t> m_index;
    DWORD m_dwNextId = 1;  // one past the highest id
    std::vector<Text> m_texts;
    std::unordered_map<DWORD, std::uint64_t> m_lengths;  // of regions, from their first ltxt
    std::set<std::pair<DWORD, CString>> m_editedTexts;   // (id, kind) whose text changed
    CString m_strCueTail;
};

// Empty when a marker may stand at the position in a file of that many sample frames; else why
// not.
CString CheckMarkerPosition(std::uint64_t position, std::optional<std::uint64_t> frames);
