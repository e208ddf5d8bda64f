#include "core/details/FormatDetails.h"

#include <cstdio>
#include <cstring>

#include "core/chunks/Chunk.h"
#include "core/fields/FormatFields.h"

namespace {

struct TagName {
    WORD wTag;
    const char* name;
};

constexpr TagName kTagNames[] = {
    {0x0001, "PCM"},        {0x0002, "MS ADPCM"}, {0x0003, "IEEE float"},
    {0x0006, "A-law"},      {0x0007, "mu-law"},   {0x0011, "IMA ADPCM"},
    {0x0031, "GSM 6.10"},   {0x0050, "MPEG"},     {0x0055, "MPEG Layer 3"},
    {0x0092, "AC-3 SPDIF"}, {0x2000, "AC-3"},     {0xFFFE, "extensible"},
};

// Each speaker of the channel mask, by bit: its name and its usual short code.
struct Speaker {
    const char* name;
    const char* code;
};

constexpr Speaker kSpeakers[] = {
    {"Front Left", "FL"},
    {"Front Right", "FR"},
    {"Front Center", "FC"},
    {"Low Frequency", "LFE"},
    {"Back Left", "BL"},
    {"Back Right", "BR"},
    {"Front Left of Center", "FLC"},
    {"Front Right of Center", "FRC"},
    {"Back Center", "BC"},
    {"Side Left", "SL"},
    {"Side Right", "SR"},
    {"Top Center", "TC"},
    {"Top Front Left", "TFL"},
    {"Top Front Center", "TFC"},
    {"Top Front Right", "TFR"},
    {"Top Back Left", "TBL"},
    {"Top Back Center", "TBC"},
    {"Top Back Right", "TBR"},
};

// The tail that every sub-format GUID derived from a format tag shares.
constexpr BYTE kTagGuidTail[12] = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00,
                                   0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
// The tail of the ambisonic B-format sub-formats.
constexpr BYTE kAmbisonicTail[12] = {0x21, 0x07, 0xD3, 0x11, 0x86, 0x44,
                                     0xC8, 0xC1, 0xCA, 0x00, 0x00, 0x00};

CString Hex(std::uint64_t value, int nDigits) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "0x%0*llX", nDigits,
                  static_cast<unsigned long long>(value));
    return buffer;
}

void AddExtensibleRows(const FormatRecord& record, DetailTable& table) {
    if (record.validBits) {
        table.rows.push_back({"wValidBitsPerSample", std::to_string(*record.validBits), ""});
    }
    if (record.channelMask) {
        table.rows.push_back(
            {"dwChannelMask", Hex(*record.channelMask, 8), SpeakerNames(*record.channelMask)});
    }
    if (record.subFormat) {
        table.rows.push_back(
            {"SubFormat", GuidText(*record.subFormat), SubFormatName(*record.subFormat)});
    }
}

// The tag in hexadecimal, as readers know it, and its name: "0xFFFE extensible".
CString TagMeaning(WORD wTag) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%04X", static_cast<unsigned>(wTag));
    const CString strName = FormatTagName(wTag);
    return strName.empty() ? CString(hex) : hex + (" " + strName);
}

}  // namespace

CString FormatTagName(WORD wTag) {
    for (const TagName& entry : kTagNames) {
        if (entry.wTag == wTag) {
            return entry.name;
        }
    }
    return {};
}

CString SpeakerNames(DWORD dwMask, SpeakerForm form) {
    const bool bCodes = form == SpeakerForm::Codes;
    CString strNames;
    for (int bit = 0; bit < 32; ++bit) {
        if (!(dwMask & (1u << bit))) {
            continue;
        }
        strNames += strNames.empty() ? "" : bCodes ? " " : ", ";
        if (bit >= int(std::size(kSpeakers))) {
            strNames += "bit " + std::to_string(bit);
        } else {
            strNames += bCodes ? kSpeakers[bit].code : kSpeakers[bit].name;
        }
    }
    return strNames;
}

CString GuidText(const Guid& guid) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                  static_cast<unsigned>(LittleEndianOr0(guid, 0, 4)),
                  static_cast<unsigned>(LittleEndianOr0(guid, 4, 2)),
                  static_cast<unsigned>(LittleEndianOr0(guid, 6, 2)), guid[8], guid[9], guid[10],
                  guid[11], guid[12], guid[13], guid[14], guid[15]);
    return buffer;
}

CString SubFormatName(const Guid& guid) {
    const auto dwFirst = static_cast<DWORD>(LittleEndianOr0(guid, 0, 4));
    if (std::memcmp(guid.data() + 4, kTagGuidTail, sizeof kTagGuidTail) == 0 && dwFirst <= 0xFFFF) {
        return FormatTagName(static_cast<WORD>(dwFirst));
    }
    if (std::memcmp(guid.data() + 4, kAmbisonicTail, sizeof kAmbisonicTail) == 0) {
        const CString strTag = dwFirst <= 0xFFFF ? FormatTagName(WORD(dwFirst)) : CString();
        return strTag.empty() ? CString() : "ambisonic B-format, " + strTag;
    }
    return {};
}

DetailTable FormatDetails(const CChunk& chunk) {
    DetailTable table{"Format", {"Field", "Value", "Meaning"}, {}, {}};
    // The plain record's fields, named as its table names them.
    for (const FieldLayout& field : kPcmFormatFields.fields) {
        if (const auto value = field.NumberIn(chunk.Payload())) {
            const CString strMeaning =
                &field == &kFormatTagField ? TagMeaning(static_cast<WORD>(*value)) : CString();
            table.rows.push_back({field.name, std::to_string(*value), strMeaning});
        }
    }
    const FormatRecord record = ParseFormatRecord(chunk.Payload());
    if (record.IsExtensible()) {
        AddExtensibleRows(record, table);
    }
    if (table.rows.empty()) {
        table.text = "The format record holds no field.";
    }
    return table;
}
