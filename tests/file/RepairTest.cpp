// Repair into a new file: each kind of structural damage, mended so that the check finds no
// error, the samples the same and the damaged file untouched.

#include <gtest/gtest.h>

#include <filesystem>

#include "RiffWriter.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/RepairWriter.h"
#include "core/integrity/FileCheck.h"
#include "core/integrity/SampleChecksum.h"

using namespace testfiles;

namespace {

// Not one byte printable, so that no sample reads as a chunk header.
const Bytes kSamples{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
const ChunkSpec kFormat{"fmt ", PcmFormat(2, 48000, 16)};
const ChunkSpec kList{"LIST", ByteBuilder().text("INFO").text("ICMT").le32(2).text("ok")};

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes Wide(std::uint64_t riffSize, std::uint64_t dataSize, std::uint32_t dataHeader) {
    return WideWaveFile("RF64", {{"ds64", Ds64Payload({riffSize, dataSize, 5})},
                                 kFormat,
                                 {"data", kSamples, true, dataHeader}});
}

struct Row {
    const char* name;
    Bytes bytes;
};

std::vector<Row> Rows() {
    return {
        {"form size past the end", WaveFile({kFormat, {"data", kSamples}}, "WAVE", 9000)},
        {"form size short of the chunks",
         WaveFile({kFormat, {"data", kSamples}, kList}, "WAVE", 60)},
        {"pad byte missing",
         WaveFile({kFormat, {"data", kSamples}, {"junk", Bytes(3, 1), false}, kList})},
        {"data size 0", WaveFile({kFormat, {"data", kSamples, true, 0}})},
        {"data size 0xFFFFFFFF", WaveFile({kFormat, {"data", kSamples, true, 0xFFFFFFFF}})},
        {"data cut off", WaveFile({kFormat, {"data", kSamples, true, 4000}})},
        {"second data chunk", WaveFile({kFormat, {"data", kSamples}, {"data", Bytes(6, 9)}})},
        {"chunk after the form",
         Concat(WaveFile({kFormat, {"data", kSamples}}), ChunkBytes(kList))},
        {"stray bytes at the end", Concat(WaveFile({kFormat, {"data", kSamples}}), Bytes(3, 7))},
        {"id not text",
         WaveFile({kFormat, {"data", kSamples}, {std::string("pa\0\0", 4), Bytes(4, 1)}})},
        {"ds64 sizes wrong", Wide(4, 400, 0xFFFFFFFF)},
        {"RF64 data header disagreeing", Wide(84, 20, 12)},
    };
}

std::string SamplesMd5(const std::string& path) {
    CRiffChunkModel root;
    EXPECT_TRUE(root.Load(path)) << path;
    const ChecksumResult result = SampleChecksum(root, {});
    return result.digest ? Md5Text(*result.digest) : result.strFailure;
}

std::vector<std::string> Errors(const std::string& path) {
    std::vector<std::string> errors;
    for (const Finding& finding : CheckFile(path, {}).findings) {
        if (finding.severity == Severity::Error) {
            errors.push_back(finding.strRule + ": " + finding.strSentence);
        }
    }
    return errors;
}

}  // namespace

TEST(RepairTest, EachDamageIsMendedWithTheSamplesAndTheInputUnchanged) {
    for (const Row& row : Rows()) {
        TempDir dir;
        writeFile(dir.file("in.wav"), row.bytes);
        ASSERT_FALSE(Errors(dir.file("in.wav")).empty()) << row.name;
        const RepairPlan plan = PlanRepair(dir.file("in.wav"));
        EXPECT_FALSE(plan.repairs.empty()) << row.name;
        ASSERT_EQ(WriteRepair(plan, dir.file("in.wav"), dir.file("out.wav")), "") << row.name;
        EXPECT_EQ(Errors(dir.file("out.wav")), std::vector<std::string>()) << row.name;
        EXPECT_EQ(SamplesMd5(dir.file("out.wav")), SamplesMd5(dir.file("in.wav"))) << row.name;
        EXPECT_EQ(readFile(dir.file("in.wav")), row.bytes) << row.name;
        EXPECT_EQ(static_cast<std::int64_t>(readFile(dir.file("out.wav")).size()), plan.nNewSize);
    }
}

TEST(RepairTest, AnOutputThatNamesTheInputIsRefused) {
    TempDir dir;
    const Bytes bytes = WaveFile({kFormat, {"data", kSamples, true, 0}});
    writeFile(dir.file("in.wav"), bytes);
    std::filesystem::create_symlink(dir.file("in.wav"), dir.file("link.wav"));
    const RepairPlan plan = PlanRepair(dir.file("in.wav"));
    for (const char* pszOutput : {"in.wav", "link.wav", "./in.wav"}) {
        EXPECT_NE(WriteRepair(plan, dir.file("in.wav"), dir.file(pszOutput)), "") << pszOutput;
        EXPECT_EQ(readFile(dir.file("in.wav")), bytes) << pszOutput;
    }
}
