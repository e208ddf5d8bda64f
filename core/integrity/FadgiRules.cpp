#include <algorithm>
#include <optional>

#include "core/integrity/ProfileRules.h"

using namespace check;

namespace {

// The bytes each bext field must read as, in the forms the guidelines ask for.
constexpr const char* kDateForm = "9999-99-99";
constexpr const char* kTimeForm = "99:99:99";

struct InfoEntry {
    CString strText;
    std::int64_t nOffset;  // of the entry's header
};

// The first entry of the id in the file's LIST INFO chunks, read up to its first zero byte.
std::optional<InfoEntry> FindInfo(const CheckInput& in, const char* pszId) {
    for (const RawChunk& chunk : in.layout.chunks) {
        const auto& b = chunk.payload;
        if (chunk.strId != "LIST" || b.size() < 4 || CString(b.begin(), b.begin() + 4) != "INFO") {
            continue;
        }
        for (std::size_t nAt = 4; nAt + 8 <= b.size();) {
            const auto nSize = static_cast<std::size_t>(LittleEndianOr0(b, nAt + 4, 4));
            const std::size_t nHeld = std::min(nSize, b.size() - nAt - 8);
            if (CString(b.begin() + nAt, b.begin() + nAt + 4) == pszId) {
                return InfoEntry{FieldText(b, nAt + 8, nHeld),
                                 chunk.DataOffset() + static_cast<std::int64_t>(nAt)};
            }
            nAt += 8 + nHeld + (nHeld & 1);
        }
    }
    return std::nullopt;
}

Spots NoBext(const CheckInput& in) {
    if (FullBext(in)) {
        return {};
    }
    const RawChunk* pBext = in.layout.Find("bext");
    return {{"bext", pBext ? pBext->nOffset : 0,
             pBext ? "the bext chunk holds " +
                         Bytes(static_cast<std::int64_t>(pBext->payload.size())) +
                         ", fewer than the " + Bytes(static_cast<std::int64_t>(BextFixed())) +
                         " of its fixed fields."
                   : CString("the file has no bext chunk; the guidelines ask for one.")}};
}

// A bext text field the guidelines ask to be filled.
Spots EmptyField(const CheckInput& in, const char* pszName, const char* pszWhy) {
    const RawChunk* pBext = FullBext(in);
    const FieldLayout* pField = &BextField(pszName);
    if (!pBext || !IsEmpty(pBext->payload, pField->offset, pField->width)) {
        return {};
    }
    return {{"bext", BextFieldOffset(*pBext, pszName),
             CString("the ") + pszName + " is empty; " + pszWhy + "."}};
}

Spots OriginatorEmpty(const CheckInput& in) {
    return EmptyField(in, "Originator", "it names the institution that keeps the file");
}

Spots ReferenceEmpty(const CheckInput& in) {
    return EmptyField(in, "OriginatorReference", "it holds the item's identifier");
}

Spots DescriptionEmpty(const CheckInput& in) {
    return EmptyField(in, "Description", "it holds further identifiers of the item");
}

bool IsCapital(BYTE c) {
    return c >= 'A' && c <= 'Z';
}

// "US, LOC": a country code of ISO 3166, a comma, a space, then the institution.
Spots OriginatorForm(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext) {
        return {};
    }
    const std::size_t nAt = BextField("Originator").offset;
    const auto& b = pBext->payload;
    if (b[nAt] == 0 || (IsCapital(b[nAt]) && IsCapital(b[nAt + 1]) && b[nAt + 2] == ',' &&
                        b[nAt + 3] == ' ' && b[nAt + 4] > ' ')) {
        return {};
    }
    return {{"bext", BextFieldOffset(*pBext, "Originator"),
             "the Originator \"" + BextText(*pBext, "Originator") +
                 "\" does not start with a country code, a comma and a space (\"US, LOC\")."}};
}

// Whether the two digits at nAt make a number from nLeast to nMost.
bool InRange(const std::vector<BYTE>& b, std::size_t nAt, int nLeast, int nMost) {
    const int n = (b[nAt] - '0') * 10 + (b[nAt + 1] - '0');
    return n >= nLeast && n <= nMost;
}

bool IsDate(const std::vector<BYTE>& b, std::size_t nAt) {
    return Matches(b, nAt, kDateForm, false) && InRange(b, nAt + 5, 1, 12) &&
           InRange(b, nAt + 8, 1, 31);
}

bool IsTime(const std::vector<BYTE>& b, std::size_t nAt) {
    return Matches(b, nAt, kTimeForm, false) && InRange(b, nAt, 0, 23) &&
           InRange(b, nAt + 3, 0, 59) && InRange(b, nAt + 6, 0, 59);
}

Spots DateForm(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext || IsDate(pBext->payload, BextField("OriginationDate").offset)) {
        return {};
    }
    return {{"bext", BextFieldOffset(*pBext, "OriginationDate"),
             "the OriginationDate \"" + BextText(*pBext, "OriginationDate") +
                 "\" is not a date of the form yyyy-mm-dd with hyphens."}};
}

Spots TimeForm(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    const FieldLayout& field = BextField("OriginationTime");
    if (!pBext || IsEmpty(pBext->payload, field.offset, field.width) ||
        IsTime(pBext->payload, field.offset)) {
        return {};
    }
    return {{"bext", BextFieldOffset(*pBext, "OriginationTime"),
             "the OriginationTime \"" + BextText(*pBext, "OriginationTime") +
                 "\" is not a time of the form hh:mm:ss with colons."}};
}

Spots VersionZero(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext || BextNumber(pBext->payload, "Version") >= 1) {
        return {};
    }
    return {{"bext", BextFieldOffset(*pBext, "Version"),
             "the bext version is 0; the guidelines ask for version 1 or 2, which hold a UMID."}};
}

Spots UmidEmpty(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    const FieldLayout& umid = BextField("UMID");
    if (!pBext || BextNumber(pBext->payload, "Version") < 1 ||
        !IsEmpty(pBext->payload, umid.offset, umid.width)) {
        return {};
    }
    return {{"bext", BextFieldOffset(*pBext, "UMID"), "the UMID is empty."}};
}

Spots HistoryEmpty(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext || (pBext->payload.size() > BextFixed() && pBext->payload[BextFixed()] != 0)) {
        return {};
    }
    return {{"bext", pBext->DataOffset() + static_cast<std::int64_t>(BextFixed()),
             "the coding history is empty; it tells how the sound was transferred."}};
}

// The bytes after the fields the version defines, up to the coding history.
Spots ReservedSet(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext) {
        return {};
    }
    const std::int64_t nVersion = BextNumber(pBext->payload, "Version");
    const std::size_t nFrom = nVersion >= 2 ? BextField("MaxShortTermLoudness").offset + 2
                                            : BextField("LoudnessValue").offset;
    const auto& b = pBext->payload;
    const auto set = std::find_if(b.begin() + static_cast<std::ptrdiff_t>(nFrom),
                                  b.begin() + static_cast<std::ptrdiff_t>(BextFixed()),
                                  [](BYTE c) { return c != 0; });
    if (set == b.begin() + static_cast<std::ptrdiff_t>(BextFixed())) {
        return {};
    }
    return {{"bext", pBext->DataOffset() + (set - b.begin()),
             "a reserved byte of a version " + Text(nVersion) + " bext chunk is not 0."}};
}

Spots NoArchivalLocation(const CheckInput& in) {
    if (FindInfo(in, "IARL")) {
        return {};
    }
    const RawChunk* pList = in.layout.Find("LIST");
    return {{"LIST", pList ? pList->nOffset : 0,
             "the file has no INFO IARL entry to name its archival location."}};
}

Spots LocationNotOriginator(const CheckInput& in) {
    const std::optional<InfoEntry> location = FindInfo(in, "IARL");
    const RawChunk* pBext = FullBext(in);
    if (!location || !pBext || location->strText == BextText(*pBext, "Originator")) {
        return {};
    }
    return {{"LIST", location->nOffset,
             "the INFO IARL \"" + location->strText + "\" differs from the bext Originator \"" +
                 BextText(*pBext, "Originator") + "\"."}};
}

Spots CreationDateForm(const CheckInput& in) {
    const std::optional<InfoEntry> date = FindInfo(in, "ICRD");
    if (!date) {
        return {};
    }
    const std::vector<BYTE> b(date->strText.begin(), date->strText.end());
    if (b.size() >= 10 && IsDate(b, 0)) {
        return {};
    }
    return {{"LIST", date->nOffset,
             "the INFO ICRD \"" + date->strText + "\" does not start with a date yyyy-mm-dd."}};
}

Spots NoChecksum(const CheckInput& in) {
    if (in.layout.Find("MD5 ") || !in.layout.Find("data")) {
        return {};
    }
    return {{"MD5 ", 0, "the file stores no MD5 of its samples (an \"MD5 \" chunk)."}};
}

const CheckRule kFadgiRules[] = {
    {"fadgi-bext", Severity::Error, NoBext},
    {"fadgi-originator", Severity::Error, OriginatorEmpty},
    {"fadgi-originator-form", Severity::Warning, OriginatorForm},
    {"fadgi-originator-reference", Severity::Error, ReferenceEmpty},
    {"fadgi-description", Severity::Warning, DescriptionEmpty},
    {"fadgi-origination-date", Severity::Error, DateForm},
    {"fadgi-origination-time", Severity::Warning, TimeForm},
    {"fadgi-version", Severity::Warning, VersionZero},
    {"fadgi-umid", Severity::Warning, UmidEmpty},
    {"fadgi-coding-history", Severity::Note, HistoryEmpty},
    {"fadgi-reserved", Severity::Warning, ReservedSet},
    {"fadgi-iarl", Severity::Warning, NoArchivalLocation},
    {"fadgi-iarl-originator", Severity::Note, LocationNotOriginator},
    {"fadgi-icrd", Severity::Warning, CreationDateForm},
    {"fadgi-md5", Severity::Warning, NoChecksum},
};

}  // namespace

std::span<const CheckRule> FadgiRules() {
    return kFadgiRules;
}
