// Where the samples are and how many frames they hold, as the root says it, and everything that
// counts or hashes them by it: the File details, the checksum and the check.

#include <gtest/gtest.h>

#include <algorithm>

#include "RiffWriter.h"
#include "SparseFile.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/details/AudioFacts.h"
#include "core/integrity/FileCheck.h"
#include "core/integrity/SampleChecksum.h"

using namespace testfiles;

namespace {

// Not text: after a data chunk of size 0, text would read as the next chunk's header.
const Bytes kSamples{1, 2, 3, 4, 5, 6, 7, 8};
const Bytes kAfter = ByteBuilder().text("INFO").text("ICMT").le32(2).text("ok");

// The File details' duration ends in "(N samples)".
std::string DurationOf(const CRiffChunkModel& root) {
    for (const auto& [name, value] : FileDetails(root)) {
        if (name == "Duration") {
            return value.substr(value.find('(') + 1);
        }
    }
    return "none";
}

CString Md5Of(std::int64_t nZeros, const Bytes& end) {
    CMd5 md5;
    const std::vector<char> zeros(1 << 20);
    for (std::int64_t n = 0; n < nZeros; n += static_cast<std::int64_t>(zeros.size())) {
        md5.Add(zeros.data(),
                static_cast<std::size_t>(std::min<std::int64_t>(nZeros - n, 1 << 20)));
    }
    md5.Add(end.data(), end.size());
    return Md5Text(md5.Digest());
}

void ExpectSamples(const std::string& path, std::int64_t nBytes, std::uint64_t nFrames,
                   const CString& strMd5, bool bWellFormed = true) {
    CRiffChunkModel root;
    ASSERT_TRUE(root.Load(path)) << root.LoadFailure();
    EXPECT_EQ(root.SampleBytes(), nBytes);
    EXPECT_EQ(DurationOf(root), std::to_string(nFrames) + " samples)");
    const ChecksumResult sum = SampleChecksum(root, {});
    EXPECT_EQ(sum.digest ? Md5Text(*sum.digest) : sum.strFailure, strMd5);
    const CheckReport report = CheckFile(path, {});
    EXPECT_EQ(report.findings.front().strRule == "clean", bWellFormed)
        << report.findings.front().strSentence;
}

}  // namespace

TEST(SampleExtentTest, TheRootCountsAndHashesTheRealSamples) {
    const Bytes mpeg = MpegFormat();
    const Bytes fact = ByteBuilder().le32(88704);
    const Bytes cue =
        ByteBuilder().le32(1).le32(1).le32(0).text("data").le32(0).le32(0).le32(50000);
    const struct {
        const char* name;
        Bytes file;
        std::uint64_t nFrames;
    } rows[] = {
        {"RF64, chunks after the samples",
         Rf64File({{"fmt ", PcmFormat(2, 48000, 16)},
                   {"data", kSamples},
                   {"LIST", kAfter},
                   {"cue ", ByteBuilder().le32(0)},
                   {"bext", BextPayload({})}},
                  2),
         2},
        {"never closed, sizes 0",
         WaveFile({{"fmt ", PcmFormat(2, 48000, 16)}, {"data", kSamples, true, 0}}, "WAVE", 0), 2},
        {"MPEG, the fact chunk's length, a cue point inside it",
         WaveFile({{"fmt ", mpeg}, {"fact", fact}, {"data", kSamples}, {"cue ", cue}}), 88704},
        {"RF64 MPEG, ds64's length",
         Rf64File({{"fmt ", mpeg}, {"fact", ByteBuilder().le32(0xFFFFFFFF)}, {"data", kSamples}},
                  5ULL << 32),
         5ULL << 32},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        writeFile(dir.file("a.wav"), row.file);
        ExpectSamples(dir.file("a.wav"), 8, row.nFrames, Md5Of(0, kSamples),
                      row.name != std::string("never closed, sizes 0"));
    }
}

TEST(SampleExtentTest, SparseRf64FilesPastFourGiB) {
    const Bytes end(kSparseSamplesEnd.begin(), kSparseSamplesEnd.end());
    const struct {
        const char* name;
        std::int64_t nPayload;
        std::vector<ChunkSpec> after;
    } rows[] = {
        {"4.5 GiB, samples last", 9LL << 29, {}},
        {"5 GiB, LIST, cue and bext after the samples",
         5LL << 30,
         {{"LIST", kAfter}, {"cue ", ByteBuilder().le32(0)}, {"bext", BextPayload({})}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        writeSparseRf64(dir.file("big.wav"), row.nPayload, row.after);
        ExpectSamples(dir.file("big.wav"), row.nPayload, row.nPayload / 4,
                      Md5Of(row.nPayload - 4, end));
    }
}

TEST(SampleExtentTest, CheckRulesOfTheFormAndFormat) {
    const Bytes pcm = PcmFormat(1, 8000, 8);
    const Bytes noMask = ByteBuilder()
                             .le16(0xFFFE)
                             .le16(6)
                             .le32(48000)
                             .le32(576000)
                             .le16(12)
                             .le16(16)
                             .le16(22)
                             .le16(16)
                             .le32(0)
                             .le16(1)
                             .zeros(14);
    const struct {
        const char* name;
        Bytes file;
        const char* rule;
        const char* sentence;
    } rows[] = {
        {"RIFF size past the end", WaveFile({{"fmt ", pcm}, {"data", kSamples}}, "WAVE", 100),
         "form-past-end", "the form's size 100 runs to 108, past the end of the file at 52."},
        {"extensible, 6 channels, mask 0", WaveFile({{"fmt ", noMask}, {"data", kSamples}}),
         "channel-mask-missing", "the channel mask is 0 for 6 channels"},
        {"MPEG without fact", WaveFile({{"fmt ", MpegFormat()}, {"data", kSamples}}),
         "fact-missing", "format tag 80 is not PCM"},
        {"one stray byte",
         [&] {
             Bytes file = WaveFile({{"fmt ", pcm}, {"data", kSamples}});
             file.push_back(1);
             return file;
         }(),
         "trailing-bytes", "1 byte at the end of the file makes no chunk."},
    };
    for (const auto& row : rows) {
        TempDir dir;
        writeFile(dir.file("a.wav"), row.file);
        const CheckReport report = CheckFile(dir.file("a.wav"), {});
        const auto found = std::find_if(report.findings.begin(), report.findings.end(),
                                        [&](const Finding& f) { return f.strRule == row.rule; });
        ASSERT_NE(found, report.findings.end()) << row.name;
        EXPECT_EQ(found->strSentence.rfind(row.sentence, 0), 0u)
            << row.name << ": " << found->strSentence;
    }
}
