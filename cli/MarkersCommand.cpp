#include "cli/MarkersCommand.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/Batch.h"
#include "cli/FileSave.h"
#include "cli/LoadedFile.h"
#include "cli/QuotedText.h"
#include "cli/TerminalText.h"
#include "core/details/AudioFacts.h"
#include "core/edit/FileMarkers.h"
#include "core/edit/MarkerEdit.h"

namespace {

using Json = nlohmann::json;

CString MarkerLine(const CString& strPath, const Marker& marker, const AudioFacts& facts) {
    return strPath + ": marker " + std::to_string(marker.id) + " at " +
           std::to_string(marker.position) + " (" + ClockText(marker.position, facts.dwSampleRate) +
           ", " +
           TimeOfDayText(facts.timeReference.value_or(0), marker.position, facts.dwSampleRate,
                         facts.Rate()) +
           ") " + QuotedText(marker.label) + " " + QuotedText(marker.note) + "\n";
}

Json MarkersJson(const CMarkerList& markers, const AudioFacts& facts) {
    Json list = Json::array();
    for (const Marker& marker : markers.Markers()) {
        list.push_back({{"id", marker.id},
                        {"position", marker.position},
                        {"time", ClockText(marker.position, facts.dwSampleRate)},
                        {"timecode", TimeOfDayText(facts.timeReference.value_or(0), marker.position,
                                                   facts.dwSampleRate, facts.Rate())},
                        {"label", marker.label},
                        {"note", marker.note}});
    }
    return list;
}

bool IsMarkerEdit(const Assignment& option) {
    return option.strName == "--add" || option.strName == "--move" ||
           option.strName == "--rename" || option.strName == "--note" ||
           option.strName == "--remove";
}

CString EditMarkers(CLoadedFile& file, const Invocation& invocation) {
    CRiffChunkModel& root = file.Root();
    CMarkerList markers = MarkersOf(root);
    for (const Assignment& option : invocation.optionValues) {
        if (!IsMarkerEdit(option)) {
            continue;
        }
        const CString strProblem =
            ApplyMarkerEdit(root, markers, option.strName.substr(2), option.strValue);
        if (!strProblem.empty()) {
            return strProblem + "; left untouched";
        }
    }
    if (CString strProblem = StoreMarkers(root, markers); !strProblem.empty()) {
        return strProblem + "; left untouched";
    }
    if (CString strFailure = SaveEdited(root, SaveOptionsOf(invocation)); !strFailure.empty()) {
        return strFailure;
    }
    PrintText(file.Path() + ": " + std::to_string(markers.Markers().size()) + " markers saved\n");
    return CString();
}

}  // namespace

int RunMarkers(const Invocation& invocation) {
    const bool bEdits =
        std::any_of(invocation.optionValues.begin(), invocation.optionValues.end(), IsMarkerEdit);
    Json files = Json::array();
    const int nExit = RunBatch(invocation.files, [&](const CString& strPath) {
        CLoadedFile file(strPath);
        if (!file.IsLoaded()) {
            return file.Failure();
        }
        if (bEdits) {
            return EditMarkers(file, invocation);
        }
        const AudioFacts facts = AudioFactsOf(file.Root());
        const CMarkerList markers = MarkersOf(file.Root());
        if (invocation.bJson) {
            files.push_back({{"path", strPath}, {"markers", MarkersJson(markers, facts)}});
            return CString();
        }
        for (const Marker& marker : markers.Markers()) {
            PrintText(MarkerLine(strPath, marker, facts));
        }
        return CString();
    });
    if (invocation.bJson && !bEdits) {
        std::cout << Json{{"files", files}}.dump(2, ' ', false, Json::error_handler_t::replace)
                  << "\n";
    }
    std::cout << std::flush;
    return nExit;
}
