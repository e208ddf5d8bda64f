// The list of chunk kinds: the one place each kind the core knows is named.

#include "core/kinds/ChunkKind.h"

#include "core/chunks/BEXTChunkModel.h"
#include "core/chunks/DataChunkModel.h"
#include "core/chunks/KindChunkModel.h"
#include "core/chunks/ListChunkModel.h"
#include "core/chunks/MEXTChunkModel.h"
#include "core/chunks/NamedChunkModel.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/chunks/ds64ChunkModel.h"
#include "core/chunks/factChunkModel.h"
#include "core/chunks/fmtChunkModel.h"
#include "core/details/AdmDetails.h"
#include "core/details/AudioFacts.h"
#include "core/details/CartDetails.h"
#include "core/details/CueDetails.h"
#include "core/details/DbmdDetails.h"
#include "core/details/FormatDetails.h"
#include "core/details/IxmlDetails.h"
#include "core/details/ListDetails.h"
#include "core/details/NamedChunkDetails.h"
#include "core/details/PeakEnvelopeDetails.h"
#include "core/details/SamplerDetails.h"
#include "core/details/TimeReferenceDetails.h"
#include "core/fields/BextFields.h"
#include "core/fields/CartFields.h"
#include "core/fields/Ds64Fields.h"
#include "core/fields/FactFields.h"
#include "core/fields/FormatFields.h"
#include "core/fields/InstrumentFields.h"
#include "core/fields/MextFields.h"
#include "core/fields/SamplerFields.h"
#include "core/integrity/ChecksumChunk.h"
#include "core/integrity/PeakEnvelopeLevels.h"

namespace {

const FieldTable* const kFormatTables[] = {&kPcmFormatFields, &kMpegFormatFields};
const FieldTable* const kFactTables[] = {&kFactFields};
const FieldTable* const kBextTables[] = {&kBextFields};
const FieldTable* const kMextTables[] = {&kMextFields};
const FieldTable* const kDs64Tables[] = {&kDs64Fields};
const FieldTable* const kCartTables[] = {&kCartFields};
const FieldTable* const kSamplerTables[] = {&kSamplerFields};
const FieldTable* const kInstrumentTables[] = {&kInstrumentFields};

// A format record's fields go by its tag.
const FieldTable* FormatFieldsOf(const CChunk& chunk) {
    switch (static_cast<const CfmtChunkModel&>(chunk).FormatTag()) {
        case WAVE_FORMAT_PCM:
            return &kPcmFormatFields;
        case WAVE_FORMAT_MPEG:
            return &kMpegFormatFields;
        default:
            return nullptr;
    }
}

std::vector<DetailTable> FormatDetailsOf(const CChunk& chunk, const AudioFacts&) {
    return {FormatDetails(chunk)};
}
std::vector<DetailTable> ListDetailsOf(const CChunk& chunk, const AudioFacts&) {
    return ListDetails(chunk);
}
std::vector<DetailTable> CueDetailsOf(const CChunk& chunk, const AudioFacts& facts) {
    return MovedTables(CueDetails(chunk, facts));
}
std::vector<DetailTable> IxmlDetailsOf(const CChunk& chunk, const AudioFacts&) {
    return IxmlDetails(chunk);
}
std::vector<DetailTable> ChnaDetailsOf(const CChunk& chunk, const AudioFacts&) {
    return MovedTables(ChnaDetails(chunk));
}
std::vector<DetailTable> AxmlDetailsOf(const CChunk& chunk, const AudioFacts& facts) {
    return AxmlDetails(chunk, facts.pAdm);
}
std::vector<DetailTable> DbmdDetailsOf(const CChunk& chunk, const AudioFacts&) {
    return DbmdDetails(chunk);
}
std::vector<DetailTable> PeakEnvelopeDetailsOf(const CChunk& chunk, const AudioFacts&) {
    return {PeakEnvelopeDetails(chunk)};
}
std::vector<DetailTable> XmlDetailsOf(const CChunk& chunk, const AudioFacts&) {
    return {XmlDocumentDetails(chunk)};
}
std::vector<DetailTable> FillerDetailsOf(const CChunk& chunk, const AudioFacts&) {
    return {FillerDetails(chunk)};
}
std::vector<DetailTable> VendorDetailsOf(const CChunk& chunk, const AudioFacts&) {
    return {VendorChunkDetails(chunk)};
}
std::vector<DetailTable> BextDetailsOf(const CChunk& chunk, const AudioFacts& facts) {
    return {TimeReferenceDetails(chunk, facts)};
}
std::vector<DetailTable> CartDetailsOf(const CChunk& chunk, const AudioFacts& facts) {
    return {CartDetails(chunk, facts)};
}
std::vector<DetailTable> SamplerDetailsOf(const CChunk& chunk, const AudioFacts&) {
    return MovedTables(SamplerDetails(chunk), SamplerValues(chunk));
}
std::vector<DetailTable> InstrumentDetailsOf(const CChunk& chunk, const AudioFacts&) {
    return {InstrumentDetails(chunk)};
}

// The 40-byte record of 24-bit stereo PCM in the extensible format, which holds every field.
const BYTE kExtensibleFormat[40] = {0xFE, 0xFF, 2,    0, 0x80, 0xBB, 0,  0,    0x00, 0x65,
                                    0x04, 0,    6,    0, 24,   0,    22, 0,    24,   0,
                                    3,    0,    0,    0, 1,    0,    0,  0,    0,    0,
                                    0x10, 0,    0x80, 0, 0,    0xAA, 0,  0x38, 0x9B, 0x71};

std::vector<CString> FormatSpecimens() {
    return {CString(std::begin(kExtensibleFormat), std::end(kExtensibleFormat))};
}
std::vector<CString> DataSpecimens() {
    return {CString(6, '\0')};
}
// Up to the version: the time reference, and none of the fields of later versions.
std::vector<CString> BextSpecimens() {
    return {CString(kBextFields.Find("Version")->offset, '\0')};
}
std::vector<CString> IxmlSpecimens() {
    return {"<BWFXML/>"};
}
std::vector<CString> ListSpecimens() {
    return {"INFO", "adtl"};
}
std::vector<CString> CueSpecimens() {
    return {CString(4, '\0')};
}
// Up to the reserved bytes, every post timer unused.
std::vector<CString> CartSpecimens() {
    return {CString(kCartPostTimersAt + kCartPostTimerCount * kCartPostTimerSize, '\0')};
}
std::vector<CString> SamplerSpecimens() {
    return {CString(kSampleLoopsAt, '\0')};
}

CString NewBextPayload() {
    return CString(kBextFixedSize, '\0');
}
// A document that names its version and holds no field yet.
CString NewIxmlPayload() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<BWFXML>\n"
           "\t<IXML_VERSION>2.10</IXML_VERSION>\n</BWFXML>\n";
}
CString NewInfoPayload() {
    return "INFO";
}
// A cue chunk of no points: its count alone.
CString NewCuePayload() {
    return CString(4, '\0');
}

constexpr NewChunk kNewBext{"bext", "Broadcast extension (bext)", nullptr, NewBextPayload,
                            ChunkPlace::BeforeData};
constexpr NewChunk kNewInfo{"INFO", "Information list (LIST INFO)", "INFO", NewInfoPayload,
                            ChunkPlace::Last};
constexpr NewChunk kNewIxml{"iXML", "iXML document (iXML)", nullptr, NewIxmlPayload,
                            ChunkPlace::BeforeData};
constexpr NewChunk kNewCue{"cue", "Markers (cue)", nullptr, NewCuePayload, ChunkPlace::Last};

// Filler chunks and the chunks editing systems write for themselves: named, their bytes shown.
constexpr ChunkKind KindOfFiller(const char* pId) {
    return {.id = pId,
            .modelClass = RUNTIME_CLASS(CNamedChunkModel),
            .details = FillerDetailsOf,
            .pageShowsBytes = true};
}
constexpr ChunkKind KindOfVendor(const char* pId) {
    return {.id = pId,
            .modelClass = RUNTIME_CLASS(CNamedChunkModel),
            .details = VendorDetailsOf,
            .pageShowsBytes = true};
}

constexpr ChunkKind kKinds[] = {
    {.id = "RIFF", .modelClass = RUNTIME_CLASS(CRiffChunkModel)},
    {.id = "LIST",
     .modelClass = RUNTIME_CLASS(CListChunkModel),
     .details = ListDetailsOf,
     .checkReadsPayload = true,
     .helpSpecimens = ListSpecimens,
     .newChunk = &kNewInfo},
    {.id = "bext",
     .modelClass = RUNTIME_CLASS(CBEXTChunkModel),
     .fieldTables = kBextTables,
     .details = BextDetailsOf,
     .detailsReadFacts = true,
     .checkReadsPayload = true,
     .helpSpecimens = BextSpecimens,
     .batchFields = BatchFields::Leading,
     .newChunk = &kNewBext},
    {.id = "mext", .modelClass = RUNTIME_CLASS(CMEXTChunkModel), .fieldTables = kMextTables},
    {.id = "fmt ",
     .modelClass = RUNTIME_CLASS(CfmtChunkModel),
     .fieldTables = kFormatTables,
     .pickFields = FormatFieldsOf,
     .details = FormatDetailsOf,
     .checkReadsPayload = true,
     .helpSpecimens = FormatSpecimens},
    {.id = "fact",
     .modelClass = RUNTIME_CLASS(CfactChunkModel),
     .fieldTables = kFactTables,
     .checkReadsPayload = true},
    {.id = "data", .modelClass = RUNTIME_CLASS(CdataChunkModel), .helpSpecimens = DataSpecimens},
    {.id = "iXML",
     .modelClass = RUNTIME_CLASS(CKindChunkModel),
     .details = IxmlDetailsOf,
     .checkReadsPayload = true,
     .helpSpecimens = IxmlSpecimens,
     .newChunk = &kNewIxml},
    {.id = "cue ",
     .modelClass = RUNTIME_CLASS(CKindChunkModel),
     .details = CueDetailsOf,
     .detailsReadFacts = true,
     .checkReadsPayload = true,
     .helpSpecimens = CueSpecimens,
     .newChunk = &kNewCue},
    {.id = "ds64",
     .modelClass = RUNTIME_CLASS(Cds64ChunkModel),
     .fieldTables = kDs64Tables,
     .checkReadsPayload = true},
    {.id = "cart",
     .modelClass = RUNTIME_CLASS(CKindChunkModel),
     .fieldTables = kCartTables,
     .details = CartDetailsOf,
     .detailsReadFacts = true,
     .helpSpecimens = CartSpecimens,
     .batchFields = BatchFields::Grouped,
     .markers = CartTimers,
     .markerName = "timer"},
    {.id = "smpl",
     .modelClass = RUNTIME_CLASS(CKindChunkModel),
     .fieldTables = kSamplerTables,
     .details = SamplerDetailsOf,
     .helpSpecimens = SamplerSpecimens},
    {.id = "inst",
     .modelClass = RUNTIME_CLASS(CKindChunkModel),
     .fieldTables = kInstrumentTables,
     .details = InstrumentDetailsOf},
    {.id = kChecksumChunkId, .checkReadsPayload = true},
    {.id = "chna",
     .modelClass = RUNTIME_CLASS(CNamedChunkModel),
     .details = ChnaDetailsOf,
     .checkReadsPayload = true},
    {.id = "axml",
     .modelClass = RUNTIME_CLASS(CNamedChunkModel),
     .details = AxmlDetailsOf,
     .checkReadsPayload = true},
    {.id = "bxml",
     .modelClass = RUNTIME_CLASS(CNamedChunkModel),
     .details = AxmlDetailsOf,
     .checkReadsPayload = true},
    {.id = "dbmd", .modelClass = RUNTIME_CLASS(CNamedChunkModel), .details = DbmdDetailsOf},
    {.id = kPeakEnvelopeChunkId,
     .modelClass = RUNTIME_CLASS(CNamedChunkModel),
     .details = PeakEnvelopeDetailsOf},
    {.id = "_PMX", .modelClass = RUNTIME_CLASS(CNamedChunkModel), .details = XmlDetailsOf},
    KindOfFiller("JUNK"),
    KindOfFiller("FLLR"),
    KindOfFiller("PAD "),
    KindOfVendor("iXTC"),
    KindOfVendor("minf"),
    KindOfVendor("elm1"),
    KindOfVendor("regn"),
    KindOfVendor("umid"),
    KindOfVendor("DGDA"),
};

}  // namespace

std::span<const ChunkKind> ChunkKinds() {
    return kKinds;
}
