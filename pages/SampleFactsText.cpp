#include "pages/SampleFactsText.h"

#include <algorithm>

#include "core/chunks/RiffChunkModel.h"
#include "core/chunks/SampleFrames.h"
#include "core/details/AudioFacts.h"
#include "core/details/Timecode.h"

namespace {

// Thousands set apart, as the pages show long counts.
CString Grouped(std::uint64_t n) {
    CString strDigits = std::to_string(n);
    for (int i = static_cast<int>(strDigits.size()) - 3; i > 0; i -= 3) {
        strDigits.insert(static_cast<std::size_t>(i), ",");
    }
    return strDigits;
}

}  // namespace

CString SampleFactsText(const CRiffChunkModel& root) {
    CString strText = "Size " + Grouped(static_cast<std::uint64_t>(root.SampleBytes())) +
                      " bytes at offset " +
                      Grouped(static_cast<std::uint64_t>(root.SampleOffset()));
    const std::optional<std::uint64_t> frames = FramesOfSamples(root);
    if (!frames) {
        return strText + "; frames not known";
    }
    strText += "; " + Grouped(*frames) + " frames";
    const DWORD dwRate = AudioFactsOf(root).dwSampleRate;
    return dwRate > 0 ? strText + ", " + ClockText(*frames, dwRate) : strText;
}

CString LevelFindingsSummary(const std::vector<Finding>& findings) {
    if (findings.empty()) {
        return "No clipping, DC offset, dropout or silence.";
    }
    // Each rule once, with the number of channels it was found in when more than one.
    std::vector<std::pair<CString, int>> rules;
    for (const Finding& finding : findings) {
        const auto it = std::find_if(rules.begin(), rules.end(), [&finding](const auto& rule) {
            return rule.first == finding.strRule;
        });
        if (it == rules.end()) {
            rules.push_back({finding.strRule, 1});
        } else {
            ++it->second;
        }
    }
    CString strText =
        std::to_string(findings.size()) + (findings.size() == 1 ? " finding: " : " findings: ");
    for (std::size_t i = 0; i < rules.size(); ++i) {
        strText +=
            (i == 0 ? "" : ", ") + rules[i].first +
            (rules[i].second > 1 ? " (" + std::to_string(rules[i].second) + " channels)" : "");
    }
    return strText + ".";
}
