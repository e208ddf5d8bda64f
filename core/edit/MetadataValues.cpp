#include "core/edit/MetadataValues.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unordered_map>

#include "core/chunks/ChunkFieldCodec.h"
#include "core/details/AudioFacts.h"
#include "core/details/ListDetails.h"
#include "core/details/SubChunks.h"
#include "core/edit/AdmDocumentEdit.h"
#include "core/edit/ChunkInsert.h"
#include "core/edit/InfoList.h"
#include "core/edit/IxmlFields.h"
#include "core/edit/MirrorLines.h"
#include "core/edit/ReadBackLimit.h"
#include "core/edit/TimecodeInput.h"
#include "core/edit/UmidMaker.h"
#include "core/fields/BextFields.h"
#include "core/fields/PositiveInteger.h"
#include "core/integrity/BextLoudness.h"
#include "core/kinds/ChunkKind.h"

namespace {

constexpr const char* kInfoPrefix = "INFO:";
constexpr const char* kIxmlPrefix = "IXML:";
constexpr const char* kAdmName = "AXML";

ValueOutcome Refused(const CString& strProblem) {
    return {strProblem, CString()};
}

// A value as a message repeats it: a long one by its size, so that a refused document of
// megabytes does not fill the terminal.
CString QuotedValue(const CString& strValue) {
    constexpr std::size_t kLongest = 80;
    return strValue.size() <= kLongest
               ? strValue
               : "(a text of " + std::to_string(strValue.size()) + " bytes)";
}

bool StartsWith(const CString& strText, const char* pPrefix) {
    return strText.rfind(pPrefix, 0) == 0;
}

// A payload whose size changes is given an even one, closed with a zero byte where needed:
// some readers of wide forms step over a chunk's pad byte no more than over its size.
void EvenSized(CString& rPayload, std::size_t nOldSize) {
    if (rPayload.size() != nOldSize && (rPayload.size() & 1) != 0) {
        rPayload += '\0';
    }
}

const FieldLayout& BextField(const char* pName) {
    return *kBextFields.Find(pName);
}

// The UMID's bytes in hexadecimal as set takes them: 32 bytes when the rest are zero; nothing
// when the chunk holds none or only zeros.
std::optional<CString> UmidValue(const CChunk& bext) {
    const FieldLayout& field = BextField("UMID");
    if (!IsFieldHeld(bext, field)) {
        return std::nullopt;
    }
    const ByteSpan bytes = bext.Payload().subspan(field.offset, field.width);
    const auto used = std::find_if(bytes.rbegin(), bytes.rend(), [](BYTE b) { return b != 0; });
    const std::size_t nUsed = static_cast<std::size_t>(bytes.rend() - used);
    if (nUsed == 0) {
        return std::nullopt;
    }
    CString strHex;
    char digits[4];
    for (std::size_t i = 0; i < (nUsed <= 32 ? 32 : field.width); ++i) {
        std::snprintf(digits, sizeof digits, "%02X", bytes[i]);
        strHex += digits;
    }
    return strHex;
}

std::optional<CString> BextValue(const CChunk& bext, const CString& strName) {
    if (strName == "TimeReference") {
        const auto samples = BextTimeReference(bext.Payload());
        return samples ? std::optional(std::to_string(*samples)) : std::nullopt;
    }
    if (strName == "UMID") {
        return UmidValue(bext);
    }
    const auto version = BextField("Version").NumberIn(bext.Payload());
    return version ? std::optional(std::to_string(*version)) : std::nullopt;
}

ValueOutcome SetTimeReference(CRiffChunkModel& root, CChunk& bext, const CString& strValue) {
    const AudioFacts facts = AudioFactsOf(root);
    const TimecodeInput input = ParsePosition(strValue, facts.dwSampleRate, facts.Rate());
    if (!input.samples) {
        return Refused("TimeReference=" + strValue + ": " + input.problem);
    }
    if (!RaiseBextVersion(bext, 0)) {
        return Refused("couldn't grow the bext chunk to its 602 bytes");
    }
    std::span<BYTE> payload(bext.Data(), bext.DataSize());
    BextField("TimeReferenceLow").StoreIn(payload, *input.samples & 0xFFFFFFFF);
    BextField("TimeReferenceHigh").StoreIn(payload, *input.samples >> 32);
    return {};
}

ValueOutcome SetUmid(CChunk& bext, const CString& strValue) {
    std::optional<std::vector<BYTE>> umid;
    if (strValue == "generate" || strValue == "generate-time") {
        umid = NewBasicUmid(strValue == "generate" ? MaterialNumber::Random
                                                   : MaterialNumber::TimeBased);
    } else if (strValue.empty()) {
        umid = std::vector<BYTE>();
    } else {
        umid = UmidFromHex(strValue);
    }
    if (!umid) {
        return Refused("UMID=" + strValue +
                       ": neither \"generate\" nor 32 or 64 bytes of hexadecimal digits");
    }
    if (!RaiseBextVersion(bext, umid->empty() ? 0 : 1)) {
        return Refused("couldn't grow the bext chunk to its 602 bytes");
    }
    const FieldLayout& field = BextField("UMID");
    std::memset(bext.Data() + field.offset, 0, field.width);
    std::memcpy(bext.Data() + field.offset, umid->data(), umid->size());
    return {};
}

ValueOutcome SetVersion(CChunk& bext, const CString& strValue) {
    const auto version = ParsePositiveInteger(strValue);
    if (!version || *version > 2) {
        return Refused("Version=" + strValue + ": a bext version is 0, 1 or 2");
    }
    if (!RaiseBextVersion(bext, 0)) {
        return Refused("couldn't grow the bext chunk to its 602 bytes");
    }
    BextField("Version").StoreIn(std::span<BYTE>(bext.Data(), bext.DataSize()), *version);
    return {};
}

ValueOutcome SetBextValue(CRiffChunkModel& root, const CString& strName, const CString& strValue,
                          const EditRules& rules) {
    CChunk* pBext = BextChunkFor(root, rules.bAdd);
    if (!pBext) {
        return Refused("no 'bext' chunk for " + strName + " (--add adds one)");
    }
    if (strName == "TimeReference") {
        return SetTimeReference(root, *pBext, strValue);
    }
    return strName == "UMID" ? SetUmid(*pBext, strValue) : SetVersion(*pBext, strValue);
}

ValueOutcome SetInfoValue(CRiffChunkModel& root, const CString& strId, const CString& strValue,
                          const EditRules& rules) {
    if (!IsInfoId(strId)) {
        return Refused("INFO:" + strId + ": an INFO id is four letters (IARL, ICOP, ICRD ...)");
    }
    if (CString strProblem = CheckInfoText(strId, strValue); !strProblem.empty()) {
        return Refused(strProblem);
    }
    CChunk* pList = FindList(root, "INFO");
    if (!pList && strValue.empty()) {
        return {};
    }
    if (!pList && !rules.bAdd) {
        return Refused("no LIST INFO chunk for INFO:" + strId + " (--add adds one)");
    }
    CInfoList list(pList);
    list.Set(strId, strValue);
    if (CString strProblem = HeldPayloadSizeProblem("LIST INFO", list.Payload().size());
        !strProblem.empty()) {
        return Refused("INFO:" + strId + ": " + strProblem);
    }
    if (!pList) {
        return AddChunk(root, "LIST", list.Payload(), ChunkPlace::Last)
                   ? ValueOutcome()
                   : Refused("couldn't make a LIST INFO chunk");
    }
    return pList->SetPayloadText(list.Payload()) ? ValueOutcome()
                                                 : Refused("couldn't hold the LIST INFO chunk");
}

// Sets the description's lines that mirror the field, where it has any.
ValueOutcome SetMirrorLines(CRiffChunkModel& root, const CString& strField,
                            const CString& strValue) {
    CChunk* pBext = BextChunkFor(root, false);
    const FieldLayout& field = BextField("Description");
    const std::optional<CString> before = pBext ? ReadFieldText(*pBext, field) : std::nullopt;
    if (!before || !IsMirroredField(strField)) {
        return {};
    }
    const CString strAfter = WithMirrorLines(*before, strField, strValue);
    if (strAfter == *before) {
        return {};
    }
    ValueOutcome outcome{CString(), TextOverflow(*pBext, field, strAfter)};
    outcome.problem = WriteFieldText(*pBext, field, strAfter);
    return outcome;
}

ValueOutcome SetIxmlValue(CRiffChunkModel& root, const CString& strName, const CString& strValue,
                          const EditRules& rules) {
    CChunk* pIxml = FindChunk(root, "iXML");
    if (!pIxml && !rules.bAdd) {
        return Refused("no 'iXML' chunk for IXML:" + strName + " (--add adds one)");
    }
    const CString strBefore = pIxml ? pIxml->PayloadText() : NewIxmlDocument();
    IxmlEdit edit = SetIxmlField(strBefore, strName, strValue);
    if (!edit.problem.empty()) {
        return Refused("IXML:" + strName + "=" + QuotedValue(strValue) + ": " + edit.problem);
    }
    EvenSized(edit.document, pIxml ? strBefore.size() : 0);
    if (!pIxml) {
        pIxml = AddChunk(root, "iXML", edit.document, ChunkPlace::BeforeData);
    } else if (edit.document != strBefore && !pIxml->SetPayloadText(edit.document)) {
        pIxml = nullptr;
    }
    if (!pIxml) {
        return Refused("couldn't hold the iXML chunk");
    }
    return rules.bMirror ? SetMirrorLines(root, strName, strValue) : ValueOutcome();
}

// The INFO entries as CInfoList reads them, each id with the text of its first entry, without
// holding the list: a file may have hundreds of thousands.
void AddInfoValues(const CChunk* pList, std::vector<std::pair<CString, CString>>& rValues) {
    if (!pList || pList->DataSize() < 4) {
        return;
    }
    std::unordered_map<CString, std::size_t> first;
    ForEachSubChunk(*pList, [&](const SubChunk& sub) {
        if (sub.truncated) {
            return false;
        }
        if (IsInfoId(sub.id)) {
            const auto [it, bFirst] = first.try_emplace(sub.id, rValues.size());
            rValues.emplace_back(kInfoPrefix + sub.id,
                                 bFirst ? SubChunkText(sub.bytes) : rValues[it->second].second);
        }
        return true;
    });
}

// The values of MetadataNamesOf with their texts, each chunk read once: a list of many entries
// or tracks is not read again for each of them.
std::vector<std::pair<CString, CString>> NamedValuesOf(const CRiffChunkModel& root) {
    std::vector<std::pair<CString, CString>> values;
    if (const CChunk* pBext = root.FirstChunk(mmioStringToFOURCC("bext", 0))) {
        for (const char* pName : {"TimeReference", "UMID"}) {
            if (std::optional<CString> value = BextValue(*pBext, pName)) {
                values.emplace_back(pName, std::move(*value));
            }
        }
    }
    AddInfoValues(FindList(root, "INFO"), values);
    if (const CChunk* pIxml = FindChunk(root, "iXML")) {
        for (auto& [strField, strText] : IxmlFieldValuesOf(pIxml->PayloadText())) {
            values.emplace_back(kIxmlPrefix + strField, std::move(strText));
        }
    }
    return values;
}

}  // namespace

bool IsMetadataName(const CString& strName) {
    return strName == "TimeReference" || strName == "UMID" || strName == "Version" ||
           strName == kAdmName || (StartsWith(strName, kInfoPrefix) && strName.size() > 5) ||
           (StartsWith(strName, kIxmlPrefix) && IsIxmlField(strName.substr(5)));
}

std::optional<CString> MetadataValue(const CRiffChunkModel& root, const CString& strName) {
    if (strName == kAdmName) {
        return AdmDocumentOf(root);
    }
    if (StartsWith(strName, kInfoPrefix)) {
        return CInfoList(FindList(root, "INFO")).Text(strName.substr(5));
    }
    if (StartsWith(strName, kIxmlPrefix)) {
        const CChunk* pIxml = FindChunk(root, "iXML");
        return pIxml ? IxmlFieldText(pIxml->PayloadText(), strName.substr(5)) : std::nullopt;
    }
    const CChunk* pBext = root.FirstChunk(mmioStringToFOURCC("bext", 0));
    return pBext ? BextValue(*pBext, strName) : std::nullopt;
}

ValueOutcome SetMetadataValue(CRiffChunkModel& root, const CString& strName,
                              const CString& strValue, const EditRules& rules) {
    // A value as it is changes no byte (a version stays, a short chunk is not grown).
    if (MetadataValue(root, strName).value_or("") == strValue) {
        return {};
    }
    if (strName == kAdmName) {
        const CString strProblem = SetAdmDocument(root, strValue, rules.bAdd);
        return strProblem.empty() ? ValueOutcome() : Refused(strProblem);
    }
    if (StartsWith(strName, kInfoPrefix)) {
        return SetInfoValue(root, strName.substr(5), strValue, rules);
    }
    if (StartsWith(strName, kIxmlPrefix)) {
        return SetIxmlValue(root, strName.substr(5), strValue, rules);
    }
    return SetBextValue(root, strName, strValue, rules);
}

std::vector<CString> MetadataNamesOf(const CRiffChunkModel& root) {
    std::vector<CString> names;
    if (root.FirstChunk(mmioStringToFOURCC("bext", 0))) {
        names = {"TimeReference", "UMID"};
    }
    for (const CString& strId : CInfoList(FindList(root, "INFO")).Ids()) {
        if (IsInfoId(strId)) {
            names.push_back(kInfoPrefix + strId);
        }
    }
    if (const CChunk* pIxml = FindChunk(root, "iXML")) {
        for (const CString& strField : IxmlFieldsOf(pIxml->PayloadText())) {
            names.push_back(kIxmlPrefix + strField);
        }
    }
    return names;
}

CChunk* BextChunkFor(CRiffChunkModel& root, bool bAdd) {
    if (CChunk* pBext = BextChunkOf(root)) {
        return pBext;
    }
    return bAdd ? AddChunkOfKind(root, *KindOfId(CString("bext"))) : nullptr;
}

bool RaiseBextVersion(CChunk& bext, WORD wVersion) {
    if (bext.DataSize() < kBextFixedSize) {
        CString strPayload = bext.PayloadText();
        strPayload.resize(kBextFixedSize, '\0');
        if (!bext.SetPayloadText(strPayload)) {
            return false;
        }
    }
    const FieldLayout& field = BextField("Version");
    std::span<BYTE> payload(bext.Data(), bext.DataSize());
    if (field.NumberIn(payload).value_or(0) < wVersion) {
        field.StoreIn(payload, wVersion);
    }
    return true;
}

CString TextOverflow(const CChunk& chunk, const FieldLayout& field, const CString& strTyped) {
    if (!IsFixedWidthText(field)) {
        return CString();
    }
    const CString strRead = ReadTextBytes(chunk.Data(), chunk.DataSize(), field);
    const std::size_t nBytes = EditedBytes(field, strTyped, strRead).size();
    const DWORD dwWidth = HeldWidth(field, chunk.DataSize());
    if (nBytes <= dwWidth) {
        return CString();
    }
    return field.name + CString(": ") + std::to_string(nBytes) + " bytes; the field holds " +
           std::to_string(dwWidth) + ", so the text is cut to fit";
}

std::vector<std::pair<CString, CString>> EditableValuesOf(const CRiffChunkModel& root) {
    std::vector<std::pair<CString, CString>> values;
    for (const FieldTable* pTable : BatchFieldTables()) {
        const CChunk* pChunk = root.FirstChunk(mmioStringToFOURCC(pTable->chunkId, 0));
        for (const FieldLayout& field : pChunk ? pTable->fields : std::span<const FieldLayout>()) {
            const std::optional<CString> text =
                field.stored ? ReadFieldText(*pChunk, field) : std::nullopt;
            if (text) {
                values.emplace_back(field.name, *text);
            }
        }
    }
    std::vector<std::pair<CString, CString>> named = NamedValuesOf(root);
    values.insert(values.end(), std::make_move_iterator(named.begin()),
                  std::make_move_iterator(named.end()));
    return values;
}

CString GrowForText(CChunk& chunk, const FieldLayout& field, const CString& strTyped) {
    if (field.kind != FieldKind::TextToEnd || chunk.DataSize() < field.offset) {
        return CString();
    }
    const CString strRead = ReadTextBytes(chunk.Data(), chunk.DataSize(), field);
    std::size_t nNeeded = field.offset + EditedBytes(field, strTyped, strRead).size();
    nNeeded += nNeeded & 1;
    if (nNeeded <= chunk.DataSize() || strTyped == ShownText(field, strRead)) {
        return CString();
    }
    if (CString strProblem = HeldPayloadSizeProblem(chunk.m_strName, nNeeded);
        !strProblem.empty()) {
        return strProblem;
    }
    CString strPayload = chunk.PayloadText();
    strPayload.resize(nNeeded, '\0');
    return chunk.SetPayloadText(strPayload)
               ? CString()
               : "couldn't grow the " + chunk.m_strName + " chunk to hold " + field.name;
}
