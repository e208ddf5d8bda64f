#include "cli/LevelsJson.h"

#include <cmath>

namespace {

using Json = nlohmann::json;

// JSON has no infinity: the decibels of silence are null.
Json Decibels(double level) {
    const double db = DecibelsOf(level);
    return std::isfinite(db) ? Json(db) : Json(nullptr);
}

Json ChannelJson(const ChannelLevels& levels) {
    return {{"peak", levels.peak},
            {"peak_dbfs", Decibels(levels.peak)},
            {"peak_frame", levels.nPeakFrame},
            {"rms", levels.rms},
            {"rms_dbfs", Decibels(levels.rms)},
            {"dc_offset", levels.dcOffset},
            {"clipped_runs", levels.nClippedRuns},
            {"longest_clip", levels.nLongestClip},
            {"dropouts", levels.nDropouts},
            {"longest_dropout", levels.nLongestDropout},
            {"silences", levels.nSilences},
            {"silent_samples", levels.nSilentFrames}};
}

Json PairJson(const ChannelPair& pair) {
    return {{"channels", {pair.nFirst + 1, pair.nSecond + 1}},
            {"correlation", pair.correlation ? Json(*pair.correlation) : Json(nullptr)}};
}

Json LoudnessJson(const LoudnessValues& values) {
    const auto finite = [](double value) { return std::isfinite(value) ? Json(value) : Json(); };
    return {{"integrated", finite(values.integrated)},
            {"range", finite(values.range)},
            {"true_peak", finite(values.truePeak)},
            {"max_momentary", finite(values.maxMomentary)},
            {"max_short_term", finite(values.maxShortTerm)}};
}

}  // namespace

nlohmann::json LevelsFileJson(const CString& strPath, const SamplePassResult& result,
                              const CString& strFailure) {
    Json json{{"path", strPath}};
    if (!strFailure.empty()) {
        json["error"] = strFailure;
        return json;
    }
    const LevelReport& report = *result.levels.report;
    json["frames"] = report.nFrames;
    json["rate"] = report.nRate;
    Json channels = Json::array();
    for (const ChannelLevels& levels : report.channels) {
        channels.push_back(ChannelJson(levels));
    }
    json["channels"] = std::move(channels);
    Json pairs = Json::array();
    for (const ChannelPair& pair : report.pairs) {
        pairs.push_back(PairJson(pair));
    }
    json["pairs"] = std::move(pairs);
    if (result.checksum.digest) {
        json["md5"] = Md5Text(*result.checksum.digest);
    }
    if (result.loudness.values) {
        json["loudness"] = LoudnessJson(*result.loudness.values);
    }
    return json;
}
