#include "core/integrity/FileCheck.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/base/LittleEndian.h"
#include "core/chunks/SampleFrames.h"
#include "core/details/AdmModel.h"
#include "core/details/XmlTree.h"
#include "core/fields/BextFields.h"
#include "core/integrity/CheckRule.h"
#include "core/integrity/ContentRules.h"
#include "core/integrity/Md5.h"
#include "core/integrity/ProfileRules.h"
#include "core/integrity/RawLayout.h"
#include "core/integrity/SampleChecksum.h"
#include "core/io/InterruptedSave.h"
#include "core/io/TemporaryNames.h"

using namespace check;

namespace {

constexpr std::int64_t kLoudnessUnset = 0x7FFF;

Spots PadMissing(const CheckInput& in) {
    Spots spots;
    for (const RawChunk& chunk : in.layout.chunks) {
        if (chunk.bPadMissing) {
            spots.push_back({chunk.strId, chunk.End(),
                             "the chunk's size " + Text(chunk.nSize) +
                                 " is odd but no pad byte follows it; the next chunk starts at " +
                                 Text(chunk.End()) + "."});
        }
    }
    return spots;
}

Spots PastEnd(const CheckInput& in) {
    Spots spots;
    for (const RawChunk& chunk : in.layout.chunks) {
        if (chunk.End() > in.layout.nFileSize) {
            spots.push_back({chunk.strId, chunk.nOffset,
                             "the chunk's size " + Text(chunk.nSize) + " runs to " +
                                 Text(chunk.End()) + ", past the end of the file at " +
                                 Text(in.layout.nFileSize) + "."});
        }
    }
    return spots;
}

Spots PastForm(const CheckInput& in) {
    Spots spots;
    for (const RawChunk& chunk : in.layout.chunks) {
        if (!chunk.bAfterForm && chunk.End() > in.layout.FormEnd()) {
            spots.push_back({chunk.strId, chunk.nOffset,
                             "the chunk runs to " + Text(chunk.End()) +
                                 ", past the end of the form at " + Text(in.layout.FormEnd()) +
                                 "."});
        }
    }
    return spots;
}

Spots AfterForm(const CheckInput& in) {
    Spots spots;
    for (const RawChunk& chunk : in.layout.chunks) {
        if (chunk.bAfterForm) {
            spots.push_back({chunk.strId, chunk.nOffset,
                             "the chunk stands after the end of the form at " +
                                 Text(in.layout.FormEnd()) + "; other programs do not read it."});
        }
    }
    return spots;
}

Spots Duplicate(const CheckInput& in, const CString& strId) {
    Spots spots;
    const RawChunk* pFirst = in.layout.Find(strId);
    for (const RawChunk& chunk : in.layout.chunks) {
        if (chunk.strId == strId && &chunk != pFirst) {
            spots.push_back({strId, chunk.nOffset,
                             "a second \"" + strId + "\" chunk; the first is at " +
                                 Text(pFirst->nOffset) + "."});
        }
    }
    return spots;
}

Spots DuplicateFormat(const CheckInput& in) {
    return Duplicate(in, "fmt ");
}
Spots DuplicateData(const CheckInput& in) {
    return Duplicate(in, "data");
}

Spots DataBeforeFormat(const CheckInput& in) {
    const RawChunk* pFormat = in.layout.Find("fmt ");
    const RawChunk* pData = in.layout.Find("data");
    if (pData && (!pFormat || pData->nOffset < pFormat->nOffset)) {
        return {{"data", pData->nOffset,
                 pFormat
                     ? "the data chunk comes before the fmt chunk at " + Text(pFormat->nOffset) +
                           "; readers that stream the file cannot decode the samples."
                     : CString("the file has samples but no fmt chunk to say what they are.")}};
    }
    return {};
}

Spots Trailing(const CheckInput& in) {
    if (in.layout.nTrailingOffset < 0) {
        return {};
    }
    const std::int64_t nStray = in.layout.nFileSize - in.layout.nTrailingOffset;
    return {{"RIFF", in.layout.nTrailingOffset,
             Bytes(nStray) + " at the end of the file " + (nStray == 1 ? "makes" : "make") +
                 " no chunk."}};
}

Spots Form(const CheckInput& in) {
    if (in.layout.strForm != "RIFF" && in.layout.strForm != "RF64") {
        return {{in.layout.strForm, 0,
                 "the file starts with \"" + in.layout.strForm + "\", not \"RIFF\" or \"RF64\"."}};
    }
    if (in.layout.strFormType != "WAVE") {
        return {{in.layout.strForm, 8,
                 "the form type is \"" + in.layout.strFormType + "\", not \"WAVE\"."}};
    }
    return {};
}

// A 32-bit size of an RF64 file either leaves the size to ds64 (0xFFFFFFFF) or gives it too.
bool Agrees(std::int64_t nDeclared, std::int64_t nDs64) {
    return nDeclared == 0xFFFFFFFF || nDeclared == nDs64;
}

// An RF64 form's size is ds64's, which the rf64-sizes rule compares with the file.
Spots FormPastEnd(const CheckInput& in) {
    if (in.layout.strForm == "RF64" || in.layout.FormEnd() <= in.layout.nFileSize) {
        return {};
    }
    return {{in.layout.strForm, 4,
             "the form's size " + Text(in.layout.nFormSize) + " runs to " +
                 Text(in.layout.FormEnd()) + ", past the end of the file at " +
                 Text(in.layout.nFileSize) + "."}};
}

Spots Rf64Sizes(const CheckInput& in) {
    if (in.layout.strForm != "RF64") {
        return {};
    }
    const RawChunk* pDs64 = in.layout.Find("ds64");
    if (!in.layout.nDs64RiffSize) {
        return {{"ds64", pDs64 ? pDs64->nOffset : 12,
                 "an RF64 file needs a ds64 chunk of at least 16 bytes with its sizes."}};
    }
    Spots spots;
    const std::int64_t nRiff = *in.layout.nDs64RiffSize;
    if (nRiff != in.layout.nFileSize - 8 || !Agrees(in.layout.nFormDeclared, nRiff)) {
        spots.push_back({"ds64", pDs64->nOffset,
                         "ds64 gives the form size " + Text(nRiff) + "; the file holds " +
                             Bytes(in.layout.nFileSize - 8) +
                             " after the form's header, whose size field says " +
                             Text(in.layout.nFormDeclared) + "."});
    }
    const RawChunk* pData = in.layout.Find("data");
    if (pData && !Agrees(pData->nDeclared, *in.layout.nDs64DataSize)) {
        spots.push_back({"ds64", pDs64->nOffset,
                         "ds64 gives the data size " + Text(*in.layout.nDs64DataSize) +
                             " but the data chunk's header says " + Text(pData->nDeclared) + "."});
    }
    return spots;
}

Spots FormatFields(const CheckInput& in) {
    const RawChunk* pFormat = in.layout.Find("fmt ");
    if (!pFormat) {
        return {};
    }
    const FormatRecord& f = in.format;
    if (!f.HoldsPlain()) {
        return {{"fmt ", pFormat->nOffset,
                 "the fmt chunk holds " + Bytes(static_cast<std::int64_t>(f.nHeld)) +
                     "; a format record needs " + Text(kPlainFormatSize) + "."}};
    }
    const std::int64_t nTag = *f.tag, nChannels = *f.channels, nRate = *f.sampleRate;
    const std::int64_t nPerSecond = *f.bytesPerSecond, nAlign = *f.blockAlign, nBits = *f.bits;
    const bool bLinear = nTag == 1 || nTag == 3 || f.IsExtensible();
    Spots spots;
    if (bLinear && nAlign != nChannels * ((nBits + 7) / 8)) {
        spots.push_back({"fmt ", pFormat->DataOffset() + 12,
                         "the block align is " + Text(nAlign) + "; " + Text(nChannels) +
                             " channels of " + Text(nBits) + " bits need " +
                             Text(nChannels * ((nBits + 7) / 8)) + "."});
    }
    if (bLinear && nPerSecond != nRate * nAlign) {
        spots.push_back({"fmt ", pFormat->DataOffset() + 8,
                         "the bytes per second are " + Text(nPerSecond) + "; " + Text(nRate) +
                             " samples a second of " + Bytes(nAlign) + " make " +
                             Text(nRate * nAlign) + "."});
    }
    return spots;
}

Spots ExtensibleFields(const CheckInput& in) {
    const RawChunk* pFormat = in.layout.Find("fmt ");
    const FormatRecord& f = in.format;
    if (!pFormat || !f.HoldsPlain() || !f.IsExtensible()) {
        return {};
    }
    if (!f.HoldsExtension() || *f.extraSize < kExtensibleExtraSize) {
        return {{"fmt ", pFormat->nOffset,
                 "an extensible format needs cbSize " + Text(kExtensibleExtraSize) + " and " +
                     Text(kExtensibleFormatSize) + " bytes; the chunk holds " +
                     Bytes(static_cast<std::int64_t>(f.nHeld)) + "."}};
    }
    const std::int64_t nValid = *f.validBits, nBits = *f.bits, nChannels = *f.channels;
    Spots spots;
    if (nValid > nBits) {
        spots.push_back({"fmt ", pFormat->DataOffset() + 18,
                         "the valid bits " + Text(nValid) + " exceed the container's " +
                             Text(nBits) + " bits."});
    }
    const std::uint32_t nMask = *f.channelMask;
    if (nMask != 0 && std::popcount(nMask) != nChannels) {
        spots.push_back({"fmt ", pFormat->DataOffset() + 20,
                         "the channel mask names " + Text(std::popcount(nMask)) + " speakers for " +
                             Text(nChannels) + " channels."});
    }
    return spots;
}

// Without a mask a player cannot tell which speaker takes which of more than two channels.
Spots ChannelMaskMissing(const CheckInput& in) {
    const RawChunk* pFormat = in.layout.Find("fmt ");
    const FormatRecord& f = in.format;
    if (!pFormat || !f.HoldsExtension() || !f.IsExtensible() || *f.channels <= 2 ||
        *f.channelMask != 0) {
        return {};
    }
    return {{"fmt ", pFormat->DataOffset() + 20,
             "the channel mask is 0 for " + Text(*f.channels) +
                 " channels; players cannot tell which speaker each feeds."}};
}

// Only linear PCM and float tell their length by their bytes.
Spots FactMissing(const CheckInput& in) {
    const RawChunk* pFormat = in.layout.Find("fmt ");
    if (!pFormat || !in.format.HoldsPlain() || in.layout.Find("fact")) {
        return {};
    }
    const std::int64_t nTag = in.format.SampleTag();
    if (nTag == 1 || nTag == 3) {
        return {};
    }
    return {{"fmt ", pFormat->nOffset,
             "format tag " + Text(nTag) +
                 " is not PCM but the file has no fact chunk to give its length in samples."}};
}

Spots BextVersionUnknown(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext || BextNumber(pBext->payload, "Version") <= 2) {
        return {};
    }
    return {{"bext", BextFieldOffset(*pBext, "Version"),
             "bext version " + Text(BextNumber(pBext->payload, "Version")) +
                 " is unknown; versions 0, 1 and 2 are defined."}};
}

bool AnyLoudnessSet(const std::vector<BYTE>& b) {
    return std::any_of(std::begin(kBextLoudnessFields), std::end(kBextLoudnessFields),
                       [&b](const char* pszName) {
                           const std::int64_t nValue = BextNumber(b, pszName);
                           return nValue != 0 && nValue != kLoudnessUnset;
                       });
}

Spots BextVersionFields(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext) {
        return {};
    }
    const auto& b = pBext->payload;
    const std::int64_t nVersion = BextNumber(b, "Version");
    const FieldLayout& umid = BextField("UMID");
    const bool bUmid = !IsEmpty(b, umid.offset, umid.width);
    if (nVersion == 0 && bUmid) {
        return {{"bext", BextFieldOffset(*pBext, "UMID"),
                 "the UMID is set but the version is 0; a UMID needs version 1 or 2."}};
    }
    if (nVersion < 2 && AnyLoudnessSet(b)) {
        return {{"bext", BextFieldOffset(*pBext, kBextLoudnessFields[0]),
                 "loudness values are set but the version is " + Text(nVersion) +
                     "; they need version 2."}};
    }
    return {};
}

// An origination date or time: a field that, when set, must read as its pattern.
struct Stamp {
    const char* field;
    const char* pattern;  // as long as the field
    const char* name;
    const char* form;
};

Spots BextStamp(const CheckInput& in, const Stamp& stamp) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext) {
        return {};
    }
    const FieldLayout& field = BextField(stamp.field);
    const auto& b = pBext->payload;
    if (IsEmpty(b, field.offset, field.width) || Matches(b, field.offset, stamp.pattern)) {
        return {};
    }
    return {{"bext", BextFieldOffset(*pBext, stamp.field),
             CString("the origination ") + stamp.name + " \"" +
                 FieldText(b, field.offset, field.width) + "\" is not in the form " + stamp.form +
                 "."}};
}

Spots BextDate(const CheckInput& in) {
    return BextStamp(in, {"OriginationDate", "9999-99-99", "date", "yyyy-mm-dd"});
}

Spots BextTime(const CheckInput& in) {
    return BextStamp(in, {"OriginationTime", "99:99:99", "time", "hh:mm:ss"});
}

Spots CodingHistoryLines(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext) {
        return {};
    }
    const auto& b = pBext->payload;
    const auto history = b.begin() + static_cast<std::ptrdiff_t>(BextFixed());
    const auto end = std::find(history, b.end(), BYTE{0});
    for (auto it = history; it != end; ++it) {
        const bool bLoneLf = *it == '\n' && (it == history || it[-1] != '\r');
        const bool bLoneCr = *it == '\r' && (it + 1 == end || it[1] != '\n');
        if (bLoneLf || bLoneCr) {
            return {{"bext", pBext->DataOffset() + (it - b.begin()),
                     "a coding history line ends without CR LF."}};
        }
    }
    if (end != history && end[-1] != '\n') {
        return {{"bext", pBext->DataOffset() + (end - b.begin()),
                 "the last coding history line does not end with CR LF."}};
    }
    return {};
}

Spots LoudnessUnset(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext || BextNumber(pBext->payload, "Version") != 2) {
        return {};
    }
    for (const char* pszName : kBextLoudnessFields) {
        if (BextNumber(pBext->payload, pszName) != 0) {
            return {};
        }
    }
    return {{"bext", BextFieldOffset(*pBext, kBextLoudnessFields[0]),
             "the loudness values are all 0; a value not measured is 0x7FFF."}};
}

std::optional<std::int64_t> IxmlTimeReference(const RawChunk& ixml) {
    const XmlParse parse = ParseXml(CString(ixml.payload.begin(), ixml.payload.end()));
    const XmlElement* pBwf = parse.root ? parse.root->Child("BEXT") : nullptr;
    if (!pBwf) {
        return std::nullopt;
    }
    const CString strLow = pBwf->ChildText("BWF_TIME_REFERENCE_LOW");
    const CString strHigh = pBwf->ChildText("BWF_TIME_REFERENCE_HIGH");
    if (strLow.empty() || strLow.find_first_not_of("0123456789") != CString::npos ||
        strHigh.find_first_not_of("0123456789") != CString::npos || strLow.size() > 10 ||
        strHigh.size() > 10) {
        return std::nullopt;
    }
    return (std::stoll(strHigh.empty() ? "0" : strHigh) << 32) + std::stoll(strLow);
}

Spots TimeReferenceAgreement(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    const RawChunk* pIxml = in.layout.Find("iXML");
    if (!pBext || !pIxml) {
        return {};
    }
    const std::optional<std::int64_t> ixml = IxmlTimeReference(*pIxml);
    const auto nBext = static_cast<std::int64_t>(BextTimeReference(pBext->payload).value_or(0));
    if (!ixml || *ixml == nBext) {
        return {};
    }
    return {{"bext", BextFieldOffset(*pBext, "TimeReferenceLow"),
             "the time reference " + Text(nBext) + " differs from iXML's " + Text(*ixml) + "."}};
}

Spots IxmlWellFormed(const CheckInput& in) {
    const RawChunk* pIxml = in.layout.Find("iXML");
    if (!pIxml) {
        return {};
    }
    // The file holds bytes of the chunk that the layout left unread: they are past its size limit.
    if (pIxml->payload.empty() && pIxml->nSize > 0 && pIxml->DataOffset() < in.layout.nFileSize) {
        return {{"iXML", pIxml->nOffset,
                 "the iXML document is too large to check: " + Text(pIxml->nSize) + " bytes."}};
    }
    auto end = std::find(pIxml->payload.begin(), pIxml->payload.end(), BYTE{0});
    const XmlParse parse = ParseXml(CString(pIxml->payload.begin(), end));
    if (parse.root) {
        return {};
    }
    return {{"iXML", pIxml->nOffset,
             CString("the iXML document is ") +
                 (parse.tooLarge ? "too large to check: " : "not well formed: ") + parse.error}};
}

// The chna chunk's tracks against the ADM document of axml or bxml.
Spots AdmReferences(const CheckInput& in) {
    const RawChunk* pChna = in.layout.Find("chna");
    const RawChunk* pXml = in.layout.Find("axml") ? in.layout.Find("axml") : in.layout.Find("bxml");
    if (!pChna || !pXml || pXml->payload.empty()) {
        return {};
    }
    CString strError;
    const CString strText = AdmDocumentText(
        pXml->strId, ByteSpan(pXml->payload.data(), pXml->payload.size()), strError);
    const AdmDocument adm = strError.empty() ? ParseAdm(strText) : AdmDocument{{}, {}, strError};
    if (!adm.error.empty()) {
        return {{pXml->strId, pXml->nOffset, "the ADM document cannot be read: " + adm.error}};
    }
    const ChnaTable chna = ParseChna(ByteSpan(pChna->payload.data(), pChna->payload.size()));
    const DWORD channels = in.format.channels.value_or(0);
    Spots spots;
    for (CString& strProblem : AdmProblems(chna, adm, channels)) {
        spots.push_back({"chna", pChna->nOffset, std::move(strProblem) + "."});
    }
    return spots;
}

// The frames as the tree counts them, from the chunks as the file lays them out.
std::optional<std::uint64_t> FramesOfData(const CheckInput& in, const RawChunk& data) {
    const RawChunk* pFact = in.layout.Find("fact");
    FrameSources sources{in.format.SampleTag(), in.format.blockAlign.value_or(0),
                         std::min(data.nSize, in.layout.nFileSize - data.DataOffset()),
                         std::nullopt, std::nullopt};
    if (pFact && pFact->payload.size() >= 4) {
        sources.factLength = LittleEndianOr0(pFact->payload, 0, 4);
    }
    if (in.layout.strForm == "RF64" && in.layout.nDs64SampleCount) {
        sources.wideCount = *in.layout.nDs64SampleCount;
    }
    return FramesOf(sources);
}

Spots CueInsideData(const CheckInput& in) {
    const RawChunk* pCue = in.layout.Find("cue ");
    const RawChunk* pFormat = in.layout.Find("fmt ");
    const RawChunk* pData = in.layout.Find("data");
    if (!pCue || !pFormat || !pData || pFormat->payload.size() < 16 || pCue->payload.size() < 4) {
        return {};
    }
    const std::optional<std::uint64_t> frames = FramesOfData(in, *pData);
    if (!frames) {
        return {};
    }
    const auto nFrames = static_cast<std::int64_t>(*frames);
    const auto& b = pCue->payload;
    const std::int64_t nPoints =
        std::min<std::int64_t>(LittleEndianOr0(b, 0, 4), (b.size() - 4) / 24);
    Spots spots;
    for (std::int64_t i = 0; i < nPoints; ++i) {
        const std::size_t nAt = 4 + 24 * static_cast<std::size_t>(i);
        const auto nSample = static_cast<std::int64_t>(LittleEndianOr0(b, nAt + 20, 4));
        if (nSample > nFrames) {
            spots.push_back({"cue ", pCue->DataOffset() + static_cast<std::int64_t>(nAt),
                             "cue point " + Text(LittleEndianOr0(b, nAt, 4)) + " is at sample " +
                                 Text(nSample) + ", past the " + Text(nFrames) +
                                 " samples of the data."});
        }
    }
    return spots;
}

Spots ChecksumMismatch(const CheckInput& in) {
    const RawChunk* pSum = in.layout.Find("MD5 ");
    const RawChunk* pData = in.layout.Find("data");
    if (!pSum || !pData || pSum->payload.size() < 16) {
        return {};
    }
    HMMIO hmmio = mmioOpen(in.strPath.c_str(), nullptr, MMIO_READ | MMIO_DENYNONE);
    if (!hmmio) {
        return {};
    }
    const ChecksumResult result =
        ChecksumOfBytes(hmmio, pData->DataOffset(), pData->nSize, in.progress);
    mmioClose(hmmio, 0);
    if (!result.digest) {
        *in.pCancelled = result.strFailure == kCancelled ? result.strFailure : CString();
        return {};
    }
    if (std::equal(result.digest->begin(), result.digest->end(), pSum->payload.begin())) {
        return {};
    }
    Md5Digest stored{};
    std::copy_n(pSum->payload.begin(), stored.size(), stored.begin());
    return {{"MD5 ", pSum->nOffset,
             "the samples' MD5 is " + Md5Text(*result.digest) + "; the file stores " +
                 Md5Text(stored) + "."}};
}

// Left by a save that was interrupted (or by anyone, in a shared folder): each may be as large
// as the file.
Spots TemporaryFiles(const CheckInput& in) {
    Spots spots;
    for (const CString& strName : LeftOverTemporaries(in.strPath)) {
        spots.push_back({"RIFF", 0,
                         "the temporary file " + strName +
                             " of an interrupted save lies beside the file; remove it when no "
                             "save is running."});
    }
    return spots;
}

// A save cut short leaves the file neither old nor new until its journal is applied; a journal
// that is not to be applied is worth knowing of too.
Spots PendingSave(const CheckInput& in) {
    const JournalFinding finding = InspectJournal(in.strPath);
    if (finding.state == JournalState::None) {
        return {};
    }
    const CString strHint = finding.state == JournalState::Refused
                                ? CString()
                                : "; until it is recovered, the other findings may describe a "
                                  "file half saved";
    return {{"RIFF", 0, PendingSaveNote(finding) + strHint + "."}};
}

const CheckRule kRules[] = {
    {"journal-pending", Severity::Error, PendingSave},
    {"form", Severity::Error, Form},
    {"form-past-end", Severity::Error, FormPastEnd},
    {"pad-missing", Severity::Error, PadMissing},
    {"past-end", Severity::Error, PastEnd},
    {"past-form", Severity::Error, PastForm},
    {"after-form", Severity::Error, AfterForm},
    {"duplicate-fmt", Severity::Error, DuplicateFormat},
    {"duplicate-data", Severity::Error, DuplicateData},
    {"data-before-fmt", Severity::Error, DataBeforeFormat},
    {"trailing-bytes", Severity::Error, Trailing},
    {"rf64-sizes", Severity::Error, Rf64Sizes},
    {"fmt-consistency", Severity::Error, FormatFields},
    {"fmt-extensible", Severity::Error, ExtensibleFields},
    {"channel-mask-missing", Severity::Warning, ChannelMaskMissing},
    {"fact-missing", Severity::Warning, FactMissing},
    {"bext-version-unknown", Severity::Error, BextVersionUnknown},
    {"bext-version-fields", Severity::Warning, BextVersionFields},
    {"bext-date", Severity::Warning, BextDate},
    {"bext-time", Severity::Warning, BextTime},
    {"coding-history-crlf", Severity::Warning, CodingHistoryLines},
    {"loudness-unset", Severity::Warning, LoudnessUnset},
    {"time-reference-ixml", Severity::Warning, TimeReferenceAgreement},
    {"ixml-well-formed", Severity::Warning, IxmlWellFormed},
    {"cue-inside-data", Severity::Warning, CueInsideData},
    {"adm-references", Severity::Error, AdmReferences},
    {"md5-mismatch", Severity::Error, ChecksumMismatch},
    {"temporary-file", Severity::Warning, TemporaryFiles},
};

std::span<const CheckRule> ProfileRules(CheckProfile profile) {
    switch (profile) {
        case CheckProfile::Fadgi:
            return FadgiRules();
        case CheckProfile::Ebu:
            return EbuRules();
        case CheckProfile::General:
            break;
    }
    return {};
}

void Apply(std::span<const CheckRule> rules, const CheckInput& input, CheckReport& report) {
    for (const CheckRule& rule : rules) {
        for (Spot& spot : rule.find(input)) {
            report.findings.push_back({rule.severity, rule.name, std::move(spot.strChunk),
                                       spot.nOffset, std::move(spot.strSentence)});
        }
    }
}

}  // namespace

bool CheckReport::IsClean() const {
    return std::none_of(findings.begin(), findings.end(),
                        [](const Finding& f) { return f.severity == Severity::Error; });
}

CString SeverityText(Severity severity) {
    switch (severity) {
        case Severity::Error:
            return "error";
        case Severity::Warning:
            return "warning";
        case Severity::Note:
            break;
    }
    return "note";
}

CheckReport CheckFile(const CString& strPath, const WorkProgress& progress,
                      const CheckOptions& options) {
    CheckReport report;
    const RawLayout layout = ReadRawLayout(strPath);
    if (!layout.strUnreadable.empty()) {
        report.findings.push_back({Severity::Error, "form", "RIFF", 0, layout.strUnreadable + "."});
        return report;
    }
    const RawChunk* pFormat = layout.Find("fmt ");
    const FormatRecord format = pFormat ? ParseFormatRecord(pFormat->payload) : FormatRecord{};
    const CheckInput input{layout, strPath, progress, &report.strCancelled, format};
    Apply(kRules, input, report);
    Apply(ContentRules(), input, report);
    Apply(ProfileRules(options.profile), input, report);
    if (layout.nStoppedAt >= 0) {
        report.findings.push_back({Severity::Note, "stopped", layout.strForm, layout.nStoppedAt,
                                   "the check looked at the first " +
                                       std::to_string(kMostRawChunks) +
                                       " chunks only; the rest were not checked."});
    }
    if (report.findings.empty()) {
        report.findings.push_back(
            {Severity::Note, "clean", layout.strForm, 0, "no rule found anything to report."});
    }
    return report;
}
