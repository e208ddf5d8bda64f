#include "RiffWriter.h"

#include <algorithm>

namespace testfiles {

namespace {

void AppendField(Bytes& bytes, const std::string& text, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        bytes.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
    }
}

}  // namespace

Bytes ChunkBytes(const ChunkSpec& chunk) {
    Bytes bytes;
    appendText(bytes, chunk.id);
    appendLe32(bytes, chunk.size.value_or(static_cast<std::uint32_t>(chunk.payload.size())));
    bytes.insert(bytes.end(), chunk.payload.begin(), chunk.payload.end());
    if (chunk.pad && chunk.payload.size() % 2 == 1) {
        bytes.push_back(0);
    }
    return bytes;
}

Bytes WaveFile(const std::vector<ChunkSpec>& chunks, const std::string& formType,
               std::optional<std::uint32_t> formSize) {
    Bytes body;
    appendText(body, formType);
    for (const ChunkSpec& chunk : chunks) {
        const Bytes bytes = ChunkBytes(chunk);
        body.insert(body.end(), bytes.begin(), bytes.end());
    }
    Bytes file;
    appendText(file, "RIFF");
    appendLe32(file, formSize.value_or(static_cast<std::uint32_t>(body.size())));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

Bytes Ds64Payload(const Ds64Sizes& sizes) {
    Bytes payload;
    const auto append64 = [&payload](std::uint64_t value) {
        appendLe32(payload, static_cast<std::uint32_t>(value));
        appendLe32(payload, static_cast<std::uint32_t>(value >> 32));
    };
    append64(sizes.riffSize);
    append64(sizes.dataSize);
    append64(sizes.sampleCount);
    if (!sizes.withTableLength) {
        return payload;
    }
    appendLe32(payload, static_cast<std::uint32_t>(sizes.table.size()));
    for (const auto& [id, size] : sizes.table) {
        appendText(payload, id);
        append64(size);
    }
    return payload;
}

Bytes WideWaveFile(const std::string& formId, const std::vector<ChunkSpec>& chunks,
                   std::uint32_t formSize) {
    Bytes file = WaveFile(chunks, "WAVE", formSize);
    std::copy(formId.begin(), formId.end(), file.begin());
    return file;
}

Bytes Rf64File(std::vector<ChunkSpec> chunks, std::uint64_t sampleCount) {
    std::uint64_t dataSize = 0;
    for (ChunkSpec& chunk : chunks) {
        if (chunk.id == "data") {
            dataSize = chunk.payload.size();
            chunk.size = 0xFFFFFFFF;
        }
    }
    chunks.insert(chunks.begin(), {"ds64", Ds64Payload({0, dataSize, sampleCount, {}})});
    const std::uint64_t riffSize = WaveFile(chunks).size() - 8;
    chunks.front().payload = Ds64Payload({riffSize, dataSize, sampleCount, {}});
    return WideWaveFile("RF64", chunks);
}

Bytes PcmFormat(std::uint16_t channels, std::uint32_t samplesPerSec, std::uint16_t bitsPerSample,
                bool withCbSize) {
    const std::uint16_t blockAlign = static_cast<std::uint16_t>(channels * bitsPerSample / 8);
    Bytes bytes;
    appendLe16(bytes, 1);
    appendLe16(bytes, channels);
    appendLe32(bytes, samplesPerSec);
    appendLe32(bytes, samplesPerSec * blockAlign);
    appendLe16(bytes, blockAlign);
    appendLe16(bytes, bitsPerSample);
    if (withCbSize) {
        appendLe16(bytes, 0);
    }
    return bytes;
}

Bytes MpegFormat(const MpegFields& fields) {
    Bytes bytes;
    appendLe16(bytes, 0x50);
    appendLe16(bytes, 2);
    appendLe32(bytes, fields.samplesPerSec);
    appendLe32(bytes, 24000);
    appendLe16(bytes, 1);
    appendLe16(bytes, 0);
    appendLe16(bytes, 22);
    appendLe16(bytes, 2);       // fwHeadLayer: Layer II
    appendLe32(bytes, 192000);  // dwHeadBitRate
    appendLe16(bytes, 1);       // fwHeadMode: stereo
    appendLe16(bytes, 0);
    appendLe16(bytes, fields.headEmphasis);
    appendLe16(bytes, 0x1C);
    appendLe32(bytes, fields.ptsLow);
    appendLe32(bytes, fields.ptsHigh);
    return bytes;
}

Bytes BextPayload(const BextFields& fields) {
    Bytes bytes;
    AppendField(bytes, fields.description, 256);
    AppendField(bytes, fields.originator, 32);
    AppendField(bytes, fields.originatorReference, 32);
    AppendField(bytes, fields.originationDate, 10);
    AppendField(bytes, fields.originationTime, 8);
    appendLe32(bytes, fields.timeReferenceLow);
    appendLe32(bytes, fields.timeReferenceHigh);
    appendLe16(bytes, fields.version);
    bytes.resize(602, 0);
    appendText(bytes, fields.codingHistory);
    return bytes;
}

Bytes CartPayload(const CartTexts& texts) {
    Bytes bytes;
    AppendField(bytes, texts.version, 4);
    AppendField(bytes, texts.title, 64);
    AppendField(bytes, texts.artist, 64);
    AppendField(bytes, "", 5 * 64 + 2 * (10 + 8) + 3 * 64);
    appendLe32(bytes, static_cast<std::uint32_t>(texts.levelReference));
    for (const auto& [usage, position] : texts.postTimers) {
        AppendField(bytes, usage, 4);
        appendLe32(bytes, position);
    }
    bytes.resize(1024, 0);
    if (texts.withUrl) {
        AppendField(bytes, texts.url, 1024);
        appendText(bytes, texts.tagText);
    }
    return bytes;
}

Bytes SamplerPayload(std::uint32_t unityNote, const std::vector<SampleLoop>& loops,
                     std::optional<std::uint32_t> loopCount) {
    ByteBuilder builder;
    builder.le32(0x01000041).le32(0).le32(20833).le32(unityNote).le32(0).le32(0).le32(0);
    builder.le32(loopCount.value_or(static_cast<std::uint32_t>(loops.size()))).le32(0);
    for (const SampleLoop& loop : loops) {
        builder.le32(loop.id).le32(loop.type).le32(loop.start).le32(loop.end);
        builder.le32(loop.fraction).le32(loop.playCount);
    }
    return builder;
}

Bytes BroadcastWave(const BextFields& fields, std::size_t nDataBytes) {
    Bytes samples(nDataBytes);
    for (std::size_t i = 0; i < nDataBytes; ++i) {
        samples[i] = static_cast<std::uint8_t>(i * 7);
    }
    return WaveFile(
        {{"bext", BextPayload(fields)}, {"fmt ", PcmFormat(2, 44100, 16)}, {"data", samples}});
}

Bytes Le(std::uint32_t value, int nWidth) {
    Bytes bytes;
    for (int i = 0; i < nWidth; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    return bytes;
}

Bytes Joined(std::initializer_list<Bytes> parts) {
    Bytes joined;
    for (const Bytes& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

Bytes TextBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes CuePoint(std::uint32_t id, std::uint32_t position) {
    return Joined({Le(id), Le(position), TextBytes("data"), Le(0), Le(0), Le(position)});
}

Bytes LabelChunk(std::uint32_t id, const std::string& label) {
    return ChunkBytes({"labl", Joined({Le(id), TextBytes(label), Bytes{0}})});
}

}  // namespace testfiles
