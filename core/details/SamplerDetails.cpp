#include "core/details/SamplerDetails.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "core/base/LittleEndian.h"
#include "core/chunks/Chunk.h"
#include "core/details/MidiNames.h"
#include "core/fields/InstrumentFields.h"
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

CString Fixed(double value, int nDigits) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", nDigits, value);
    return text;
}

// The period in nanoseconds of one sample.
CString PeriodMeaning(std::uint64_t period) {
    return period == 0 ? CString("not given")
                       : Fixed(1e9 / static_cast<double>(period), 1) + " samples per second";
}

// A fraction of a semitone, in units of 1/2^32.
CString PitchFractionMeaning(std::uint64_t fraction) {
    return Fixed(static_cast<double>(fraction) * 100.0 / 4294967296.0, 2) + " cents";
}

CString SmpteFormatMeaning(std::uint64_t format) {
    switch (format) {
        case 0:
            return "no SMPTE offset";
        case 24:
        case 25:
        case 30:
            return std::to_string(format) + " frames per second";
        case 29:
            return "30 frames per second, drop frame";
        default:
            return "not a defined format";
    }
}

// hours (signed, -23 to 23), minutes, seconds and frames, from the high byte down.
CString SmpteOffsetMeaning(std::uint64_t offset) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02u:%02u:%02u",
                  static_cast<int>(static_cast<signed char>((offset >> 24) & 0xFF)),
                  static_cast<unsigned>((offset >> 16) & 0xFF),
                  static_cast<unsigned>((offset >> 8) & 0xFF),
                  static_cast<unsigned>(offset & 0xFF));
    return text;
}

CString HexText(std::uint64_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

CString ValueMeaning(const CString& strName, std::uint64_t value) {
    if (strName == "Manufacturer") {
        return ManufacturerText(static_cast<DWORD>(value));
    }
    if (strName == "SamplePeriod") {
        return PeriodMeaning(value);
    }
    if (strName == "MIDIUnityNote") {
        return NoteText(static_cast<DWORD>(value));
    }
    if (strName == "MIDIPitchFraction") {
        return PitchFractionMeaning(value);
    }
    if (strName == "SMPTEFormat") {
        return SmpteFormatMeaning(value);
    }
    if (strName == "SMPTEOffset") {
        return SmpteOffsetMeaning(value);
    }
    return strName == "SamplerData" ? std::to_string(value) + " bytes" : CString();
}

CString InstrumentMeaning(const CString& strName, std::uint64_t value) {
    if (strName == "FineTune") {
        return std::to_string(static_cast<signed char>(value)) + " cents";
    }
    if (strName == "Gain") {
        return std::to_string(static_cast<signed char>(value)) + " dB";
    }
    return strName.ends_with("Note") ? NoteText(static_cast<DWORD>(value)) : CString();
}

}  // namespace

DetailTable SamplerValues(const CChunk& smpl) {
    DetailTable table{"Sampler values", {"Field", "Value", "Meaning"}, {}, {}};
    for (const FieldLayout& field : kSamplerFields.fields) {
        const auto value = field.NumberIn(smpl.Payload());
        if (!value) {
            table.text = "The chunk ends before " + CString(field.name) + ".";
            break;
        }
        const bool bHex = field.kind == FieldKind::HexNumber;
        table.rows.push_back({field.name, bHex ? HexText(*value) : std::to_string(*value),
                              ValueMeaning(field.name, *value)});
    }
    return table;
}

DetailTable InstrumentDetails(const CChunk& inst) {
    DetailTable table{"Instrument values", {"Field", "Value", "Meaning"}, {}, {}};
    for (const FieldLayout& field : kInstrumentFields.fields) {
        const auto value = field.NumberIn(inst.Payload());
        if (!value) {
            table.text = "The chunk ends before " + CString(field.name) + ".";
            break;
        }
        const bool bSigned = field.kind == FieldKind::SignedNumber;
        table.rows.push_back(
            {field.name,
             bSigned ? std::to_string(static_cast<signed char>(*value)) : std::to_string(*value),
             InstrumentMeaning(field.name, *value)});
    }
    return table;
}

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
