#include "core/fields/FormatRecord.h"

#include <algorithm>

namespace {

template <class Number>
std::optional<Number> NumberAt(ByteSpan payload, std::size_t nOffset) {
    const auto value = LittleEndianAt(payload, nOffset, sizeof(Number));
    return value ? std::optional<Number>(static_cast<Number>(*value)) : std::nullopt;
}

constexpr std::size_t kSubFormatOffset = 24;

}  // namespace

WORD FormatRecord::SampleTag() const {
    return IsExtensible() && subFormatTag ? *subFormatTag : tag.value_or(0);
}

FormatRecord ParseFormatRecord(ByteSpan payload) {
    FormatRecord record;
    record.nHeld = payload.size();
    record.tag = NumberAt<WORD>(payload, 0);
    record.channels = NumberAt<WORD>(payload, 2);
    record.sampleRate = NumberAt<DWORD>(payload, 4);
    record.bytesPerSecond = NumberAt<DWORD>(payload, 8);
    record.blockAlign = NumberAt<WORD>(payload, 12);
    record.bits = NumberAt<WORD>(payload, 14);
    record.extraSize = NumberAt<WORD>(payload, 16);
    record.validBits = NumberAt<WORD>(payload, 18);
    record.channelMask = NumberAt<DWORD>(payload, 20);
    record.subFormatTag = NumberAt<WORD>(payload, kSubFormatOffset);
    if (payload.size() >= kSubFormatOffset + Guid().size()) {
        Guid guid;
        std::copy_n(payload.begin() + kSubFormatOffset, guid.size(), guid.begin());
        record.subFormat = guid;
    }
    return record;
}
