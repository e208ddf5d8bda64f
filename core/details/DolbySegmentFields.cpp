#include "core/details/DolbySegmentFields.h"

#include <algorithm>
#include <map>
#include <span>

#include "core/base/LittleEndian.h"

namespace {

// One field of a segment's payload: a number is shifted right and masked (a byte of bit fields),
// and shows its name beside it where it has one.
struct SegmentField {
    enum class Shape { Number, Text, Version, RenderModes };
    unsigned segment;
    const char* name;
    DWORD offset;
    DWORD width;
    Shape shape;
    unsigned shift = 0;
    unsigned mask = 0xFF;
    std::span<const char* const> names = {};
};

using S = SegmentField::Shape;

constexpr const char* kFrameRates[] = {"", "23.976", "24", "25", "29.97", "30"};
// The coding modes as front/rear channels; mode 0 is two independent mono channels.
constexpr const char* kChannelModes[] = {"1+1", "1/0", "2/0", "3/0", "2/1", "3/1", "2/2", "3/2"};
constexpr const char* kServices[] = {"complete main",    "music and effects", "visually impaired",
                                     "hearing impaired", "dialogue",          "commentary",
                                     "emergency",        "voice over"};
constexpr const char* kProfiles[] = {"none",           "film standard", "film light",
                                     "music standard", "music light",   "speech"};
constexpr const char* kOnOff[] = {"off", "on"};
constexpr const char* kRenderModes[] = {"bypass", "near", "far", "mid", "not indicated"};

// The supplement's sync word, its object count and the nine trim settings before its objects.
constexpr std::uint64_t kSupplementSync = 0xF8726FBD;
constexpr DWORD kSupplementObjectsAt = 7 + 9 * 15;

constexpr SegmentField kFields[] = {
    {1, "Program configuration", 0, 1, S::Number},
    {1, "Frame rate", 1, 1, S::Number, 0, 0xFF, kFrameRates},
    {3, "Program id", 0, 1, S::Number},
    {3, "Line mode compression", 14, 1, S::Number, 0, 0xFF, kProfiles},
    {3, "RF mode compression", 15, 1, S::Number, 0, 0xFF, kProfiles},
    {3, "Program description", 37, 32, S::Text},
    {7, "Program id", 0, 1, S::Number},
    {7, "Channel mode", 1, 1, S::Number, 0, 7, kChannelModes},
    {7, "LFE", 1, 1, S::Number, 6, 1, kOnOff},
    {7, "Service", 1, 1, S::Number, 3, 7, kServices},
    {7, "Line mode compression", 14, 1, S::Number, 0, 0xFF, kProfiles},
    {7, "RF mode compression", 15, 1, S::Number, 0, 0xFF, kProfiles},
    {8, "Program id", 0, 1, S::Number},
    {8, "Audio origin", 1, 32, S::Text},
    {8, "Last processed by", 65, 32, S::Text},
    {8, "Last operation", 97, 32, S::Text},
    {8, "Created", 129, 32, S::Text},
    {8, "Modified", 161, 32, S::Text},
    {9, "Content created by", 0, 32, S::Text},
    {9, "Creation tool", 32, 64, S::Text},
    {9, "Tool version", 96, 3, S::Version},
    {10, "Objects", 4, 2, S::Number},
    {10, "Binaural render modes", kSupplementObjectsAt, 0, S::RenderModes},
};

CString Named(std::uint64_t value, std::span<const char* const> names) {
    CString strValue = std::to_string(value);
    if (value < names.size() && *names[value]) {
        strValue += CString(" ") + names[value];
    }
    return strValue;
}

CString TextAt(ByteSpan payload, DWORD dwAt, DWORD dwWidth) {
    const ByteSpan bytes = payload.subspan(dwAt, dwWidth);
    const auto end = std::find(bytes.begin(), bytes.end(), BYTE{0});
    return CString(bytes.begin(), end);
}

// Each object's mode, counted by mode: "4 not indicated, 10 bypass" for a bed and objects.
std::optional<CString> RenderModes(ByteSpan payload) {
    const auto objects = LittleEndianAt(payload, 4, 2);
    if (LittleEndianOr0(payload, 0, 4) != kSupplementSync || !objects ||
        payload.size() < kSupplementObjectsAt + 2 * *objects) {
        return std::nullopt;
    }
    std::map<unsigned, unsigned> counts;
    for (std::uint64_t i = 0; i < *objects; ++i) {
        ++counts[payload[kSupplementObjectsAt + *objects + i] & 7];
    }
    CString strModes;
    for (const auto& [mode, count] : counts) {
        strModes += (strModes.empty() ? "" : ", ") + std::to_string(count) + " " +
                    (mode < std::size(kRenderModes) ? kRenderModes[mode] : "reserved");
    }
    return strModes;
}

std::optional<CString> ValueOf(const SegmentField& field, ByteSpan payload) {
    if (field.shape == S::RenderModes) {
        return RenderModes(payload);
    }
    if (field.offset + field.width > payload.size()) {
        return std::nullopt;
    }
    switch (field.shape) {
        case S::Text:
            return TextAt(payload, field.offset, field.width);
        case S::Version:
            return std::to_string(payload[field.offset]) + "." +
                   std::to_string(payload[field.offset + 1]) + "." +
                   std::to_string(payload[field.offset + 2]);
        default:
            break;
    }
    const std::uint64_t number = LittleEndianOr0(payload, field.offset, field.width);
    return Named((number >> field.shift) & field.mask, field.names);
}

}  // namespace

std::vector<std::vector<CString>> SegmentFieldRows(unsigned segment, ByteSpan payload) {
    std::vector<std::vector<CString>> rows;
    for (const SegmentField& field : kFields) {
        if (field.segment != segment) {
            continue;
        }
        if (const auto value = ValueOf(field, payload)) {
            rows.push_back({std::to_string(segment), field.name, *value});
        }
    }
    return rows;
}
