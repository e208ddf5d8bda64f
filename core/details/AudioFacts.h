#pragma once
// What a file's chunks say about its audio together: the format, the amount of audio, the time
// reference and the timecode rate. The File details, the markers and the time reference read it.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/details/Timecode.h"
#include "core/fields/FormatRecord.h"

class CChunk;

struct AudioFacts {
    const CChunk* pFormat = nullptr;  // the first of each kind, or null
    const CChunk* pData = nullptr;
    const CChunk* pBext = nullptr;
    const CChunk* pIxml = nullptr;
    // The chunk of the file's ADM document: the first axml chunk, else the first bxml chunk.
    const CChunk* pAdm = nullptr;
    FormatRecord format;     // the first fmt chunk's record; holds nothing without one
    DWORD dwSampleRate = 0;  // 0 when no format gives one
    std::optional<std::uint64_t> timeReference;
    std::optional<TimecodeRate> ixmlRate;

    // The iXML rate, else 25 fps.
    TimecodeRate Rate() const { return ixmlRate.value_or(TimecodeRate{}); }
    // "(25 fps, no iXML rate)" or "(29.97 fps drop frame, from iXML)".
    CString RateNote() const;
};

// The facts of the chunks under root (a RIFF chunk).
AudioFacts AudioFactsOf(const CChunk& root);
// The samples as "h:mm:ss.mmm, timecode hh:mm:ss:ff (rate note)".
CString SampleTimeText(std::uint64_t samples, const AudioFacts& facts);
// The File details: name and value, for every fact the file holds.
std::vector<std::pair<CString, CString>> FileDetails(const CChunk& root);
