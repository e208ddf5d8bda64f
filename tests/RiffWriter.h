#pragma once
// The one RIFF writer of the tests: WAVE files built chunk by chunk, with the usual payloads.

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TestFiles.h"

namespace testfiles {

struct ChunkSpec {
    std::string id;  // four characters, written as they are
    Bytes payload;
    bool pad = true;                      // write the zero pad byte after an odd payload
    std::optional<std::uint32_t> size{};  // declared size, when it is to differ from the payload's
};

// A chunk's bytes: id, size, payload and pad byte.
Bytes ChunkBytes(const ChunkSpec& chunk);

// "RIFF", the form size (by default what follows it), the form type, then the chunks.
Bytes WaveFile(const std::vector<ChunkSpec>& chunks, const std::string& formType = "WAVE",
               std::optional<std::uint32_t> formSize = std::nullopt);

// The sizes a ds64 chunk gives: of the form, of the data chunk, the length in samples, and of
// other chunks by id. Without the table length the payload is the 24 bytes some writers make.
struct Ds64Sizes {
    std::uint64_t riffSize = 0;
    std::uint64_t dataSize = 0;
    std::uint64_t sampleCount = 0;
    std::vector<std::pair<std::string, std::uint64_t>> table{};
    bool withTableLength = true;
};
Bytes Ds64Payload(const Ds64Sizes& sizes);

// A WAVE file of the form formId ("RF64", "BW64"): its size field 0xFFFFFFFF unless given, then
// "WAVE" and the chunks, the ds64 chunk among them as the caller places it.
Bytes WideWaveFile(const std::string& formId, const std::vector<ChunkSpec>& chunks,
                   std::uint32_t formSize = 0xFFFFFFFF);

// An RF64 file as a writer closes it: a ds64 chunk first with the form's and the data chunk's
// sizes and sampleCount, then the chunks; the form's and the data chunk's size fields 0xFFFFFFFF.
Bytes Rf64File(std::vector<ChunkSpec> chunks, std::uint64_t sampleCount);

// A PCM format record of 16 bytes, or 18 with cbSize.
Bytes PcmFormat(std::uint16_t channels, std::uint32_t samplesPerSec, std::uint16_t bitsPerSample,
                bool withCbSize = false);

// The fields in which the MPEG format records of the tests differ.
struct MpegFields {
    std::uint32_t samplesPerSec = 48000;
    std::uint16_t headEmphasis = 1;
    std::uint32_t ptsLow = 0;
    std::uint32_t ptsHigh = 0;
};

// An MPEG Layer II format record of 40 bytes: stereo at 192 kbit/s, cbSize 22.
Bytes MpegFormat(const MpegFields& fields = {});

struct BextFields {
    std::string description;
    std::string originator;
    std::string originatorReference;
    std::string originationDate;
    std::string originationTime;
    std::uint32_t timeReferenceLow = 0;
    std::uint32_t timeReferenceHigh = 0;
    std::uint16_t version = 0;
    std::string codingHistory;
};

// The 602-byte fixed part, text fields zero-filled at their widths (cut when longer), then the
// coding history.
Bytes BextPayload(const BextFields& fields);

struct CartTexts {
    std::string version = "0101";
    std::string title{};
    std::string artist{};
    std::int32_t levelReference = 0;
    std::vector<std::pair<std::string, std::uint32_t>> postTimers{};  // usage id, position
    bool withUrl = true;  // false: the older layout, ending before the URL
    std::string url{};
    std::string tagText{};
};

// A cart payload: the texts zero-filled at their widths (the others empty), the timers, then the
// URL and the tag text unless the layout is the older one.
Bytes CartPayload(const CartTexts& texts);

struct SampleLoop {
    std::uint32_t id, type, start, end, fraction, playCount;
};

// A sampler payload with this unity note and these loops, declaring loopCount loops (by default
// as many as it holds).
Bytes SamplerPayload(std::uint32_t unityNote, const std::vector<SampleLoop>& loops,
                     std::optional<std::uint32_t> loopCount = std::nullopt);

// A small well-formed broadcast wave file: bext, PCM fmt, and nSamples bytes of data.
Bytes BroadcastWave(const BextFields& fields, std::size_t nDataBytes = 16);

// Pieces of payloads: value's nWidth bytes, least significant first; parts one after another;
// the characters of a text without a terminating zero.
Bytes Le(std::uint32_t value, int nWidth = 4);
Bytes Joined(std::initializer_list<Bytes> parts);
Bytes TextBytes(const std::string& text);

// A cue point in the data chunk, dwPosition and dwSampleOffset both at position.
Bytes CuePoint(std::uint32_t id, std::uint32_t position);
// A labl chunk naming cue point id.
Bytes LabelChunk(std::uint32_t id, const std::string& label);

}  // namespace testfiles
