#include "core/edit/MarkerEdit.h"

#include "core/details/AudioFacts.h"
#include "core/edit/TimecodeInput.h"
#include "core/fields/PositiveInteger.h"

namespace {

struct Position {
    std::uint64_t samples = 0;
    CString problem;
};

// Timecode counts the time of day: the marker stands that far after the time reference.
Position PositionOf(const CRiffChunkModel& root, const CString& strText) {
    const AudioFacts facts = AudioFactsOf(root);
    const TimecodeInput input = ParsePosition(strText, facts.dwSampleRate, facts.Rate());
    if (!input.samples) {
        return {0, input.problem};
    }
    const bool bTimecode = strText.find(':') != CString::npos || strText.find(';') != CString::npos;
    const std::uint64_t start = bTimecode ? facts.timeReference.value_or(0) : 0;
    if (*input.samples < start) {
        return {0, strText + " is before the file's start (its time reference)"};
    }
    const std::uint64_t samples = *input.samples - start;
    return {samples, CheckMarkerPosition(samples, root.SampleFrames())};
}

// "ID=TEXT" split at its first "="; the id must be a marker's.
bool SplitId(const CString& strValue, const CMarkerList& markers, DWORD& rId, CString& rText) {
    const std::size_t nEquals = strValue.find('=');
    const auto id = ParsePositiveInteger(strValue.substr(0, nEquals));
    if (!id || !markers.Find(*id)) {
        return false;
    }
    rId = *id;
    rText = nEquals == CString::npos ? CString() : strValue.substr(nEquals + 1);
    return true;
}

CString Add(const CRiffChunkModel& root, CMarkerList& rMarkers, const CString& strValue) {
    const std::size_t nEquals = strValue.find('=');
    const Position position = PositionOf(root, strValue.substr(0, nEquals));
    if (!position.problem.empty()) {
        return "--add " + strValue + ": " + position.problem;
    }
    rMarkers.Add(position.samples,
                 nEquals == CString::npos ? CString() : strValue.substr(nEquals + 1), CString());
    return CString();
}

}  // namespace

CString ApplyMarkerEdit(const CRiffChunkModel& root, CMarkerList& rMarkers,
                        const CString& strOption, const CString& strValue) {
    if (strOption == "add") {
        return Add(root, rMarkers, strValue);
    }
    DWORD dwId = 0;
    CString strText;
    if (!SplitId(strValue, rMarkers, dwId, strText)) {
        return "--" + strOption + " " + strValue + ": no marker has the id " +
               strValue.substr(0, strValue.find('='));
    }
    if (strOption == "move") {
        const Position position = PositionOf(root, strText);
        if (!position.problem.empty()) {
            return "--move " + strValue + ": " + position.problem;
        }
        rMarkers.Move(dwId, position.samples);
    } else if (strOption == "rename") {
        rMarkers.Rename(dwId, strText);
    } else if (strOption == "note") {
        rMarkers.SetNote(dwId, strText);
    } else {
        rMarkers.Remove(dwId);
    }
    return CString();
}
