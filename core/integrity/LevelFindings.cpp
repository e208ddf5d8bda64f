#include "core/integrity/LevelFindings.h"

#include <cmath>
#include <cstdio>

namespace {

struct LevelRule {
    LevelEventKind kind;
    const char* name;
    Severity severity;
    const char* what;  // of a run, in the plural
};

constexpr LevelRule kRules[] = {
    {LevelEventKind::Clipping, "level-clipping", Severity::Warning, "runs of clipped samples"},
    {LevelEventKind::Dropout, "level-dropout", Severity::Warning, "dropouts (runs of zeros)"},
    {LevelEventKind::Silence, "level-silence", Severity::Note, "runs of digital silence"},
};

CString Seconds(const LevelReport& report, std::int64_t nFrame) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f s",
                  static_cast<double>(nFrame) / static_cast<double>(std::max(report.nRate, 1L)));
    return text;
}

std::int64_t OffsetOf(const LevelReport& report, std::int64_t nFrame) {
    return report.nSampleOffset + nFrame * report.nBlockAlign;
}

std::int64_t CountOf(const ChannelLevels& levels, LevelEventKind kind) {
    switch (kind) {
        case LevelEventKind::Clipping:
            return levels.nClippedRuns;
        case LevelEventKind::Dropout:
            return levels.nDropouts;
        case LevelEventKind::Silence:
            break;
    }
    return levels.nSilences;
}

std::int64_t LongestOf(const ChannelLevels& levels, LevelEventKind kind) {
    switch (kind) {
        case LevelEventKind::Clipping:
            return levels.nLongestClip;
        case LevelEventKind::Dropout:
            return levels.nLongestDropout;
        case LevelEventKind::Silence:
            break;
    }
    return levels.nSilentFrames;
}

const LevelEvent* FirstEvent(const LevelReport& report, LevelEventKind kind, int nChannel) {
    for (const LevelEvent& event : report.events) {
        if (event.kind == kind && event.nChannel == nChannel) {
            return &event;
        }
    }
    return nullptr;
}

void AddRuns(const LevelReport& report, const LevelRule& rule, int nChannel,
             std::vector<Finding>& findings) {
    const ChannelLevels& levels = report.channels[static_cast<std::size_t>(nChannel)];
    const std::int64_t nCount = CountOf(levels, rule.kind);
    if (nCount == 0) {
        return;
    }
    const LevelEvent* pFirst = FirstEvent(report, rule.kind, nChannel);
    const std::int64_t nFrame = pFirst ? pFirst->nFrame : 0;
    const char* pszMeasure =
        rule.kind == LevelEventKind::Silence ? " samples in all" : " samples the longest";
    findings.push_back({rule.severity, rule.name, "data", OffsetOf(report, nFrame),
                        "channel " + std::to_string(nChannel + 1) + " holds " +
                            std::to_string(nCount) + " " + rule.what + ", " +
                            std::to_string(LongestOf(levels, rule.kind)) + pszMeasure +
                            "; the first at frame " + std::to_string(nFrame) + " (" +
                            Seconds(report, nFrame) + ")."});
}

void AddDcOffset(const LevelReport& report, int nChannel, std::vector<Finding>& findings) {
    const double dc = report.channels[static_cast<std::size_t>(nChannel)].dcOffset;
    if (std::abs(dc) < kDcOffsetLimit) {
        return;
    }
    char text[96];
    std::snprintf(text, sizeof text,
                  "the mean of channel %d is %.5f (%.1f dBFS), more than %.1f dBFS off 0.",
                  nChannel + 1, dc, DecibelsOf(std::abs(dc)), DecibelsOf(kDcOffsetLimit));
    findings.push_back({Severity::Warning, "level-dc-offset", "data", report.nSampleOffset, text});
}

}  // namespace

std::vector<Finding> LevelFindings(const LevelReport& report) {
    std::vector<Finding> findings;
    const int nChannels = static_cast<int>(report.channels.size());
    for (const LevelRule& rule : kRules) {
        for (int c = 0; c < nChannels; ++c) {
            AddRuns(report, rule, c, findings);
        }
    }
    for (int c = 0; c < nChannels; ++c) {
        AddDcOffset(report, c, findings);
    }
    return findings;
}
