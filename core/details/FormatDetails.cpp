#include "core/details/FormatDetails.h"

#include <cstdio>
#include <cstring>

#include "core/chunks/Chunk.h"
#include "core/details/PayloadBytes.h"

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

struct Row {
    const char* name;
    DWORD offset;
    DWORD width;
};

constexpr Row kRows[] = {
    {"wFormatTag", 0, 2},      {"nChannels", 2, 2},    {"nSamplesPerSec", 4, 4},
    {"nAvgBytesPerSec", 8, 4}, {"nBlockAlign", 12, 2}, {"wBitsPerSample", 14, 2},
    {"cbSize", 16, 2},
};

CString Hex(std::uint64_t value, int nDigits) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "0x%0*llX", nDigits,
                  static_cast<unsigned long long>(value));
    return buffer;
}

void AddExtensibleRows(const CChunk& chunk, DetailTable& table) {
    if (const auto valid = PayloadNumber(chunk, 18, 2)) {
        table.rows.push_back({"wValidBitsPerSample", std::to_string(*valid), ""});
    }
    if (const auto mask = PayloadNumber(chunk, 20, 4)) {
        table.rows.push_back(
            {"dwChannelMask", Hex(*mask, 8), SpeakerNames(static_cast<DWORD>(*mask))});
    }
    if (PayloadNumber(chunk, 24, 8) && PayloadNumber(chunk, 32, 8)) {
        const BYTE* pGuid = chunk.Data() + 24;
        table.rows.push_back({"SubFormat", GuidText(pGuid), SubFormatName(pGuid)});
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

CString GuidText(const BYTE* pGuid) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                  static_cast<unsigned>(LittleEndian(pGuid, 4)),
                  static_cast<unsigned>(LittleEndian(pGuid + 4, 2)),
                  static_cast<unsigned>(LittleEndian(pGuid + 6, 2)), pGuid[8], pGuid[9], pGuid[10],
                  pGuid[11], pGuid[12], pGuid[13], pGuid[14], pGuid[15]);
    return buffer;
}

CString SubFormatName(const BYTE* pGuid) {
    const DWORD dwFirst = static_cast<DWORD>(LittleEndian(pGuid, 4));
    if (std::memcmp(pGuid + 4, kTagGuidTail, sizeof kTagGuidTail) == 0 && dwFirst <= 0xFFFF) {
        return FormatTagName(static_cast<WORD>(dwFirst));
    }
    if (std::memcmp(pGuid + 4, kAmbisonicTail, sizeof kAmbisonicTail) == 0) {
        const CString strTag = dwFirst <= 0xFFFF ? FormatTagName(WORD(dwFirst)) : CString();
        return strTag.empty() ? CString() : "ambisonic B-format, " + strTag;
    }
    return {};
}

DetailTable FormatDetails(const CChunk& chunk) {
    DetailTable table{"Format", {"Field", "Value", "Meaning"}, {}, {}};
    for (const Row& row : kRows) {
        if (const auto value = PayloadNumber(chunk, row.offset, row.width)) {
            const CString strMeaning =
                row.offset == 0 ? TagMeaning(static_cast<WORD>(*value)) : CString();
            table.rows.push_back({row.name, std::to_string(*value), strMeaning});
        }
    }
    if (PayloadNumber(chunk, 0, 2) == WAVE_FORMAT_EXTENSIBLE) {
        AddExtensibleRows(chunk, table);
    }
    if (table.rows.empty()) {
        table.text = "The format record holds no field.";
    }
    return table;
}
