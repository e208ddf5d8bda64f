#include "BrokenFiles.h"

#include <cstdio>
#include <set>

#include "RiffWriter.h"

namespace corpus {

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;
using testfiles::ChunkSpec;
using Names = std::vector<std::string>;
using Files = std::vector<BrokenFile>;

constexpr std::uint32_t kUnclosed = 0xFFFFFFFF;

// Letters, so that no byte is a zero or white space, which the bext page would not store back.
Bytes Letters(std::size_t n) {
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<std::uint8_t>('A' + i % 26);
    }
    return bytes;
}

Bytes Prefix(const Bytes& bytes, std::size_t n) {
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
}

Bytes Concat(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

std::string Numbered(const char* pattern, unsigned n) {
    char name[64];
    std::snprintf(name, sizeof name, pattern, n);
    return name;
}

// The id as a file name can hold it: "fmt " gives "fmt".
std::string NameOf(const std::string& id) {
    return id.substr(0, id.find_last_not_of(' ') + 1);
}

Bytes Bext() {
    testfiles::BextFields fields;
    fields.description = "Corpus take 1";
    fields.originator = "Ovalis corpus";
    fields.originatorReference = "OVL0001";
    fields.originationDate = "2024-01-02";
    fields.originationTime = "03:04:05";
    fields.timeReferenceLow = 48000;
    fields.version = 1;
    fields.codingHistory = "A=PCM,F=48000,W=16,M=mono";  // odd in all: the chunk has a pad byte
    return testfiles::BextPayload(fields);
}

Bytes Pcm() {
    return testfiles::PcmFormat(1, 48000, 16, true);
}

Bytes Fact() {
    return ByteBuilder().le32(32);
}

Bytes Mext() {
    return ByteBuilder().le16(5).le16(576).le16(0).le16(0).le32(0);
}

Bytes Info() {
    return ByteBuilder().text("INFO").text("ISFT").le32(6).text("Ovalis");
}

Bytes Samples(std::size_t n) {
    Bytes samples(n);
    for (std::size_t i = 0; i < n; ++i) {
        samples[i] = static_cast<std::uint8_t>(i * 37 + 11);
    }
    return samples;
}

std::vector<ChunkSpec> BaseChunks() {
    return {{"bext", Bext()}, {"fmt ", Pcm()},       {"fact", Fact()},
            {"mext", Mext()}, {"data", Samples(64)}, {"LIST", Info()}};
}

const Names kBaseNames = {"bext", "fmt ", "fact", "mext", "data", "LIST"};

Names FirstNames(std::size_t n) {
    return Names(kBaseNames.begin(), kBaseNames.begin() + static_cast<std::ptrdiff_t>(n));
}

// The class name a chunk of this id gets: the filler chunks are named too.
std::string TabOf(const std::string& id) {
    for (const std::string& name : kBaseNames) {
        if (name == id) {
            return name;
        }
    }
    return id == "JUNK" ? id : "Unknown";
}

// Cut inside the form header, then inside each chunk: within its header, right after it, and
// within its payload. A header that is not whole ends the walk with a failure; a payload that
// the file cuts short is kept as far as it goes.
void AddTruncations(Files& files) {
    const Bytes whole = testfiles::WaveFile(BaseChunks());
    for (unsigned nCut : {2u, 6u, 10u, 12u}) {
        files.push_back(
            {Numbered("cut-form-at-%u.wav", nCut), Prefix(whole, nCut), true, {}, false});
    }
    std::size_t nStart = 12;
    const std::vector<ChunkSpec> chunks = BaseChunks();
    for (std::size_t k = 0; k < chunks.size(); ++k) {
        const std::size_t nPayload = chunks[k].payload.size();
        const bool bList = chunks[k].id == "LIST";
        const std::set<std::size_t> cuts = {
            2, 6, 8, 10, 8 + nPayload / 2, 8 + nPayload - 1, 8 + nPayload};
        for (std::size_t nCut : cuts) {
            const bool bHeaderWhole = nCut >= (bList ? 12u : 8u);
            // Fewer than 8 bytes of a header are stray bytes after the last chunk: kept.
            const bool bStray = nCut < 8;
            files.push_back({"cut-" + NameOf(chunks[k].id) +
                                 Numbered("-at-%u.wav", static_cast<unsigned>(nCut)),
                             Prefix(whole, nStart + nCut), bHeaderWhole || bStray,
                             FirstNames(bHeaderWhole ? k + 1 : k), false});
        }
        nStart += testfiles::ChunkBytes(chunks[k]).size();
    }
}

// The last chunk of a short file declares a size of 0, an odd size (with and without its pad
// byte), 0xFFFFFFFF, or one byte more than the file holds.
void AddDeclaredSizes(Files& files) {
    for (const std::string id : {"fmt ", "fact", "bext", "mext", "data", "LIST", "JUNK"}) {
        const bool bList = id == "LIST";
        const Bytes head = bList ? ByteBuilder().text("INFO").bytes() : Bytes{};
        const Bytes odd = Prefix(Concat(head, Letters(5)), 5);
        const struct {
            const char* name;
            Bytes payload;
            bool bPad;
            std::optional<std::uint32_t> size;
            bool bLoads;
        } rows[] = {
            // A LIST of size 0 at the end has no list type to read.
            {"size-0", {}, true, 0, !bList},
            {"size-odd", odd, true, {}, true},
            {"size-odd-unpadded", odd, false, {}, true},
            // Offsets are 64-bit: any chunk may run to the end of the file that way.
            {"size-ffffffff", Concat(head, Letters(6)), true, kUnclosed, true},
            {"size-past-end", Concat(head, Letters(6)), true,
             static_cast<std::uint32_t>(head.size() + 7), true},
        };
        for (const auto& row : rows) {
            const Bytes file = testfiles::WaveFile(
                {{"fmt ", Pcm()}, {"data", Samples(16)}, {id, row.payload, row.bPad, row.size}});
            files.push_back({NameOf(id) + "-" + row.name + ".wav", file, row.bLoads,
                             row.bLoads ? Names{"fmt ", "data", TabOf(id)} : Names{"fmt ", "data"},
                             false});
        }
    }
}

// The walk is bounded by the file, not by the form's size.
void AddFormSizes(Files& files) {
    const std::uint32_t nExact =
        static_cast<std::uint32_t>(testfiles::WaveFile(BaseChunks()).size() - 8);
    const struct {
        const char* name;
        std::uint32_t size;
    } rows[] = {{"0", 0}, {"odd", 13}, {"ffffffff", kUnclosed}, {"past-end", nExact + 1}};
    for (const auto& row : rows) {
        files.push_back({std::string("form-size-") + row.name + ".wav",
                         testfiles::WaveFile(BaseChunks(), "WAVE", row.size), true, kBaseNames,
                         false});
    }
}

void AddNestedForms(Files& files) {
    const Bytes inner = testfiles::WaveFile({{"fmt ", Pcm()}, {"data", Samples(8)}});
    const Bytes innerBody(inner.begin() + 8, inner.end());
    const Bytes aviBody =
        Concat(ByteBuilder().text("AVI "), testfiles::ChunkBytes({"JUNK", Letters(6)}));
    const Bytes listOfLists =
        Concat(ByteBuilder().text("adtl"), testfiles::ChunkBytes({"LIST", Info()}));
    const ChunkSpec fmt{"fmt ", Pcm()};
    const ChunkSpec data{"data", Samples(16)};
    // A LIST is one block of bytes, whatever it holds.
    files.push_back(
        {"riff-inside-list.wav",
         testfiles::WaveFile({fmt, data, {"LIST", Concat(ByteBuilder().text("wavl"), inner)}}),
         true,
         {"fmt ", "data", "LIST"},
         false});
    files.push_back({"list-inside-list.wav",
                     testfiles::WaveFile({fmt, data, {"LIST", listOfLists}}),
                     true,
                     {"fmt ", "data", "LIST"},
                     false});
    // A WAVE form among the chunks is entered: its chunks follow it as top-level chunks.
    files.push_back({"riff-wave-among-chunks.wav",
                     testfiles::WaveFile({fmt, {"RIFF", innerBody}}),
                     true,
                     {"fmt ", "RIFF", "fmt ", "data"},
                     false});
    // A form of another type is searched past for a WAVE form, to the end of the file.
    files.push_back({"riff-avi-among-chunks.wav",
                     testfiles::WaveFile({fmt, data, {"RIFF", aviBody}}),
                     false,
                     {"fmt ", "data"},
                     false});
    files.push_back({"riff-avi-before-data.wav",
                     testfiles::WaveFile({fmt, {"RIFF", aviBody}, data}),
                     false,
                     {"fmt "},
                     false});
}

Bytes WithId(Bytes bytes, const std::string& id) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(id[i]);
    }
    return bytes;
}

// Files without a WAVE form load with no chunks; a form that claims more than the offsets reach
// fails the load.
void AddOtherForms(Files& files) {
    const Bytes wave = testfiles::WaveFile(BaseChunks());
    files.push_back({"empty.wav", {}, true, {}, false});
    files.push_back({"form-avi.wav", testfiles::WaveFile(BaseChunks(), "AVI "), true, {}, false});
    files.push_back(
        {"form-lower-case-wave.wav", testfiles::WaveFile(BaseChunks(), "wave"), true, {}, false});
    files.push_back({"form-rifx.wav", WithId(wave, "RIFX"), true, {}, false});
    // An RF64 form whose ds64 chunk holds the sizes; the 32-bit ones say "see ds64".
    std::vector<ChunkSpec> rf64Chunks = BaseChunks();
    testfiles::Ds64Sizes sizes;
    for (const ChunkSpec& chunk : rf64Chunks) {
        sizes.dataSize = chunk.id == "data" ? chunk.payload.size() : sizes.dataSize;
    }
    rf64Chunks.insert(rf64Chunks.begin(), {"ds64", testfiles::Ds64Payload(sizes)});
    sizes.riffSize = testfiles::WideWaveFile("RF64", rf64Chunks).size() - 8;
    rf64Chunks.front().payload = testfiles::Ds64Payload(sizes);
    Names rf64Names = kBaseNames;
    rf64Names.insert(rf64Names.begin(), "ds64");
    files.push_back(
        {"form-rf64.wav", testfiles::WideWaveFile("RF64", rf64Chunks), true, rf64Names, false});
    // The same chunk under an id of other case, holding no form size: a save writes the real one.
    rf64Chunks.front() = {"Ds64", testfiles::Ds64Payload({0, sizes.dataSize, 0})};
    files.push_back({"form-rf64-ds64-other-case.wav", testfiles::WideWaveFile("RF64", rf64Chunks),
                     true, rf64Names, false});
    files.push_back({"junk-before-form.wav",
                     Concat(testfiles::ChunkBytes({"JUNK", Letters(10)}), wave), true, kBaseNames,
                     false});
}

void AddChunksAfterTheForm(Files& files) {
    std::vector<ChunkSpec> chunks = BaseChunks();
    std::uint32_t nFormSize = 4;
    for (std::size_t k = 0; k + 1 < chunks.size(); ++k) {
        nFormSize += static_cast<std::uint32_t>(testfiles::ChunkBytes(chunks[k]).size());
    }
    chunks.push_back({"JUNK", Letters(9)});
    Names names = kBaseNames;
    names.push_back("JUNK");
    files.push_back({"chunks-after-form.wav", testfiles::WaveFile(chunks, "WAVE", nFormSize), true,
                     names, false});
}

// Fewer than 8 bytes after the last chunk are no chunk: kept as stray bytes after the chunks.
void AddTrailingBytes(Files& files) {
    const Bytes wave = testfiles::WaveFile(BaseChunks());
    for (unsigned n = 1; n <= 7; ++n) {
        files.push_back({Numbered("trailing-%u-bytes.wav", n), Concat(wave, Bytes(n, 0xAA)), true,
                         kBaseNames, false});
        files.push_back({Numbered("trailing-%u-zeros.wav", n), Concat(wave, Bytes(n, 0)), true,
                         kBaseNames, false});
    }
}

// Records cut at every length short of what their pages read: the pages show what is there.
void AddShortRecords(Files& files) {
    const ChunkSpec fmt{"fmt ", Pcm()};
    const ChunkSpec data{"data", Samples(16)};
    for (unsigned n = 0; n < Pcm().size(); ++n) {
        files.push_back({Numbered("fmt-pcm-short-%02u.wav", n),
                         testfiles::WaveFile({{"fmt ", Prefix(Pcm(), n)}, data}),
                         true,
                         {"fmt ", "data"},
                         false});
    }
    for (unsigned n = 2; n < testfiles::MpegFormat().size(); ++n) {
        files.push_back({Numbered("fmt-mpeg-short-%02u.wav", n),
                         testfiles::WaveFile({{"fmt ", Prefix(testfiles::MpegFormat(), n)}, data}),
                         true,
                         {"fmt ", "data"},
                         false});
    }
    for (unsigned n = 0; n < Fact().size(); ++n) {
        files.push_back({Numbered("fact-short-%u.wav", n),
                         testfiles::WaveFile({fmt, {"fact", Prefix(Fact(), n)}, data}),
                         true,
                         {"fmt ", "fact", "data"},
                         false});
    }
    for (unsigned n = 0; n < Mext().size(); ++n) {
        files.push_back({Numbered("mext-short-%02u.wav", n),
                         testfiles::WaveFile({fmt, {"mext", Prefix(Mext(), n)}, data}),
                         true,
                         {"fmt ", "mext", "data"},
                         false});
    }
    const Bytes bext = Bext();
    for (unsigned n = 0; n < 602; ++n) {
        files.push_back({Numbered("bext-short-%03u.wav", n),
                         testfiles::WaveFile({{"bext", Prefix(bext, n)}, fmt, data}),
                         true,
                         {"bext", "fmt ", "data"},
                         false});
    }
}

// Ids with control characters, DEL and bytes above 0x7E find no class; an id is read up to its
// first zero byte, so "fmt" followed by a zero is a format chunk.
void AddOddIds(Files& files) {
    const struct {
        const char* name;
        std::string id;
        Bytes payload;
        const char* tab;
    } rows[] = {
        {"zeros", std::string(4, '\0'), Letters(6), "Unknown"},
        {"control", "\x01\x02\x03\x04", Letters(6), "Unknown"},
        {"unit-separator",
         "\x1f"
         "fmt",
         Letters(6), "Unknown"},
        {"delete", "\x7f\x7f\x7f\x7f", Letters(6), "Unknown"},
        {"high", "\x80\xfe\xff\xa0", Letters(7), "Unknown"},
        {"leading-zero", std::string("\0fmt", 4), Letters(6), "Unknown"},
        {"zero-inside", std::string("da\0a", 4), Letters(6), "Unknown"},
        {"fmt-zero", std::string("fmt\0", 4), Pcm(), "fmt "},
    };
    for (const auto& row : rows) {
        files.push_back(
            {std::string("id-") + row.name + ".wav",
             testfiles::WaveFile({{"fmt ", Pcm()}, {row.id, row.payload}, {"data", Samples(16)}}),
             true,
             {"fmt ", row.tab, "data"},
             false});
    }
}

}  // namespace

std::vector<BrokenFile> BrokenFiles() {
    Files files;
    files.push_back(
        {"well-formed.wav", testfiles::WaveFile(BaseChunks()), true, kBaseNames, false});
    AddTruncations(files);
    AddDeclaredSizes(files);
    AddFormSizes(files);
    AddNestedForms(files);
    AddOtherForms(files);
    AddChunksAfterTheForm(files);
    AddTrailingBytes(files);
    AddShortRecords(files);
    AddOddIds(files);
    return files;
}

}  // namespace corpus
