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

// A region's length: samples, or a duration typed as a position is.
Position LengthOf(const CRiffChunkModel& root, const CString& strText) {
    const AudioFacts facts = AudioFactsOf(root);
    const TimecodeInput input = ParsePosition(strText, facts.dwSampleRate, facts.Rate());
    if (!input.samples || *input.samples == 0) {
        return {0, input.samples ? "a region's length is more than 0" : input.problem};
    }
    return {*input.samples, CString()};
}

CString Add(const CRiffChunkModel& root, CMarkerList& rMarkers, const CString& strValue) {
    const std::size_t nEquals = strValue.find('=');
    const CString strWhere = strValue.substr(0, nEquals);
    const std::size_t nPlus = strWhere.find('+');
    const Position position = PositionOf(root, strWhere.substr(0, nPlus));
    if (!position.problem.empty()) {
        return "--add " + strValue + ": " + position.problem;
    }
    const CString strLabel = nEquals == CString::npos ? CString() : strValue.substr(nEquals + 1);
    if (nPlus == CString::npos) {
        rMarkers.Add(position.samples, strLabel, CString());
        return CString();
    }
    const Position length = LengthOf(root, strWhere.substr(nPlus + 1));
    CString strProblem = length.problem;
    if (strProblem.empty()) {
        strProblem = CheckMarkerPosition(position.samples + length.samples, root.SampleFrames());
    }
    if (!strProblem.empty()) {
        return "--add " + strValue + ": " + (length.problem.empty() ? "the region's end: " : "") +
               strProblem;
    }
    rMarkers.AddRegion(position.samples, length.samples, strLabel);
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
