#include "core/details/SamplerDetails.h"

#include <algorithm>
#include <iterator>

#include "core/base/LittleEndian.h"
#include "core/chunks/Chunk.h"
#include "core/fields/SamplerFields.h"

namespace {

constexpr const char* kLoopTypes[] = {"forward", "alternating", "backward"};

CString LoopType(std::uint64_t type) {
    const CString strType = std::to_string(type);
    return type < std::size(kLoopTypes) ? strType + " " + kLoopTypes[type] : strType;
}

// A play count of 0 loops for ever.
CString PlayCount(std::uint64_t count) {
    return count == 0 ? CString("0 endless") : std::to_string(count);
}

std::vector<CString> LoopRow(const CChunk& smpl, DWORD dwAt) {
    const auto number = [&](DWORD dwField) {
        return LittleEndianAt(smpl.Payload(), dwAt + 4 * dwField, 4).value_or(0);
    };
    return {std::to_string(number(0)), LoopType(number(1)),       std::to_string(number(2)),
            std::to_string(number(3)), std::to_string(number(4)), PlayCount(number(5))};
}

}  // namespace

DetailTable SamplerDetails(const CChunk& smpl) {
    DetailTable table{
        "Sample loops", {"Id", "Type", "Start", "End", "Fraction", "Play count"}, {}, {}};
    const auto declared = kSamplerFields.Find("SampleLoops")->NumberIn(smpl.Payload());
    if (!declared) {
        table.text = "The chunk holds no count of loops.";
        return table;
    }
    const DWORD dwSize = smpl.DataSize();
    const std::uint64_t held =
        dwSize > kSampleLoopsAt ? (dwSize - kSampleLoopsAt) / kSampleLoopSize : 0;
    for (std::uint64_t i = 0; i < std::min(*declared, held); ++i) {
        table.rows.push_back(
            LoopRow(smpl, static_cast<DWORD>(kSampleLoopsAt + i * kSampleLoopSize)));
    }
    if (*declared > held) {
        table.text = "The chunk declares " + std::to_string(*declared) + " loops but holds " +
                     std::to_string(held) + ".";
    }
    return table;
}
