#include "cli/MarkersCommand.h"

#include <cctype>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/Batch.h"
#include "cli/FileSave.h"
#include "cli/FilesJson.h"
#include "cli/LoadedFile.h"
#include "cli/QuotedText.h"
#include "cli/TerminalText.h"
#include "core/details/AudioFacts.h"
#include "core/details/ChunkMarker.h"
#include "core/edit/ChunkInsert.h"
#include "core/edit/FileMarkers.h"
#include "core/edit/MarkerEdit.h"
#include "core/kinds/ChunkKind.h"

namespace {

using Json = nlohmann::json;

CString TimecodeOf(std::uint64_t position, const AudioFacts& facts) {
    return TimeOfDayText(facts.timeReference.value_or(0), position, facts.dwSampleRate,
                         facts.Rate());
}

// "at 48000 (00:00:01.000, 10:00:01:00)": samples, time from the start, timecode of the day.
CString PositionText(std::uint64_t position, const AudioFacts& facts) {
    return "at " + std::to_string(position) + " (" + ClockText(position, facts.dwSampleRate) +
           ", " + TimecodeOf(position, facts) + ")";
}

// " region to 96000 (00:00:02.000, 10:00:02:00), 0:00:01.000 long" for a marker with a length.
CString RegionText(const Marker& marker, std::uint64_t length, const AudioFacts& facts) {
    if (length == 0) {
        return CString();
    }
    const CString strEnd = PositionText(marker.position + length, facts);
    return " region to " + strEnd.substr(3) + ", " + ClockText(length, facts.dwSampleRate) +
           " long";
}

CString MarkerLine(const CString& strPath, const Marker& marker, std::uint64_t length,
                   const AudioFacts& facts) {
    return strPath + ": marker " + std::to_string(marker.id) + " " +
           PositionText(marker.position, facts) + RegionText(marker, length, facts) + " " +
           QuotedText(marker.label) + " " + QuotedText(marker.note) + "\n";
}

// The kind's id, its name for a marker ("timer"), the marker's number.
CString ChunkMarkerLine(const CString& strPath, const ChunkKind& kind, const ChunkMarker& marker,
                        const AudioFacts& facts) {
    return strPath + ": " + kind.id + " " + kind.markerName + " " + std::to_string(marker.number) +
           " " + QuotedText(marker.strUsage) + " " + PositionText(marker.samples, facts) + "\n";
}

Json PositionJson(std::uint64_t position, const AudioFacts& facts) {
    return {{"position", position},
            {"time", ClockText(position, facts.dwSampleRate)},
            {"timecode", TimecodeOf(position, facts)}};
}

// A region adds its length and its end; a point has neither.
Json MarkerJson(const Marker& marker, std::uint64_t length, const AudioFacts& facts) {
    Json item = PositionJson(marker.position, facts);
    item.update({{"id", marker.id}, {"label", marker.label}, {"note", marker.note}});
    if (length > 0) {
        const Json end = PositionJson(marker.position + length, facts);
        item.update({{"length", length},
                     {"duration", ClockText(length, facts.dwSampleRate)},
                     {"end", end["position"]},
                     {"endTime", end["time"]},
                     {"endTimecode", end["timecode"]}});
    }
    return item;
}

// The markers a kind's chunk holds beside the cue points (post timers): of their own
// kind, listed but not edited here.
struct KindMarkers {
    const ChunkKind* pKind;
    std::vector<ChunkMarker> markers;
};

// For each kind with markers, those of the file's first chunk of it (none without one).
std::vector<KindMarkers> ChunkMarkersOf(const CRiffChunkModel& root) {
    std::vector<KindMarkers> all;
    for (const ChunkKind& kind : ChunkKinds()) {
        if (kind.markers) {
            const CChunk* pChunk = FindChunk(root, kind.id);
            all.push_back({&kind, pChunk ? kind.markers(*pChunk) : std::vector<ChunkMarker>()});
        }
    }
    return all;
}

// The kind's id, then its name for markers with a capital, as a plural ("...Timers").
CString MarkersMember(const ChunkKind& kind) {
    CString strName = kind.markerName;
    strName[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(strName[0])));
    return kind.id + strName + "s";
}

Json ChunkMarkersJson(const KindMarkers& kindMarkers, const AudioFacts& facts) {
    Json list = Json::array();
    for (const ChunkMarker& marker : kindMarkers.markers) {
        Json item = PositionJson(marker.samples, facts);
        item.update({{kindMarkers.pKind->markerName, marker.number}, {"usage", marker.strUsage}});
        list.push_back(std::move(item));
    }
    return list;
}

CString ListMarkers(const CLoadedFile& file, const CString& strPath, CFilesJson* pFiles) {
    const AudioFacts facts = AudioFactsOf(file.Root());
    const CMarkerList markers = MarkersOf(file.Root());
    const std::vector<KindMarkers> chunkMarkers = ChunkMarkersOf(file.Root());
    if (pFiles) {
        const std::vector<Marker>& list = markers.Markers();
        pFiles->BeginFile();
        for (const KindMarkers& kindMarkers : chunkMarkers) {
            pFiles->Member(MarkersMember(*kindMarkers.pKind), ChunkMarkersJson(kindMarkers, facts));
        }
        pFiles->ListMember("markers", list.size(), [&](std::size_t i) {
            return MarkerJson(list[i], markers.Length(list[i].id), facts);
        });
        pFiles->Member("path", strPath);
        pFiles->EndFile();
        return CString();
    }
    for (const Marker& marker : markers.Markers()) {
        PrintText(MarkerLine(strPath, marker, markers.Length(marker.id), facts));
    }
    for (const KindMarkers& kindMarkers : chunkMarkers) {
        for (const ChunkMarker& marker : kindMarkers.markers) {
            PrintText(ChunkMarkerLine(strPath, *kindMarkers.pKind, marker, facts));
        }
    }
    return CString();
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
    std::optional<CFilesJson> files;
    if (invocation.bJson && !bEdits) {
        files.emplace(std::cout);
    }
    const int nExit = RunBatch(invocation.files, [&](const CString& strPath) {
        CLoadedFile file(strPath, bEdits ? FileUse::Write : FileUse::Read);
        if (!file.IsLoaded()) {
            return file.Failure();
        }
        if (bEdits) {
            return EditMarkers(file, invocation);
        }
        return ListMarkers(file, strPath, files ? &*files : nullptr);
    });
    if (files) {
        files->Finish();
    }
    std::cout << std::flush;
    return nExit;
}
