// Repair into a new file: each kind of structural damage, mended so that the check finds no
// error, the samples the same and the damaged file untouched; the new file put only where
// nothing is, or over a regular file when forced, and nothing removed.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "MmioFaults.h"
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

namespace {

// What stands at the output's name before the repair, made in the test's folder.
struct OutputRow {
    const char* name;
    std::function<std::string(const TempDir& dir)> make;  // the output path
    bool bForce;
    const char* pszRefusal;  // part of the refusal, or null when the repair is written
};

const Bytes kOldOutput{'o', 'l', 'd'};

std::vector<OutputRow> OutputRows() {
    const auto existing = [](const TempDir& dir) {
        writeFile(dir.file("out.wav"), kOldOutput);
        return dir.file("out.wav");
    };
    return {
        {"nothing there", [](const TempDir& dir) { return dir.file("out.wav"); }, false, nullptr},
        {"a regular file", existing, false, "exists; --force replaces it"},
        {"a regular file, --force", existing, true, nullptr},
        {"an empty folder",
         [](const TempDir& dir) {
             std::filesystem::create_directory(dir.file("out"));
             return dir.file("out");
         },
         true, "is a folder"},
        {"a FIFO",
         [](const TempDir& dir) {
             ::mkfifo(dir.file("out.wav").c_str(), 0600);
             return dir.file("out.wav");
         },
         true, "is a FIFO"},
        {"a link to a file",
         [](const TempDir& dir) {
             writeFile(dir.file("other.wav"), kOldOutput);
             std::filesystem::create_symlink(dir.file("other.wav"), dir.file("out.wav"));
             return dir.file("out.wav");
         },
         true, "is a symbolic link"},
        {"a link to nothing",
         [](const TempDir& dir) {
             std::filesystem::create_symlink(dir.file("none.wav"), dir.file("out.wav"));
             return dir.file("out.wav");
         },
         false, "is a symbolic link"},
        {"a device", [](const TempDir&) { return std::string("/dev/null"); }, true, "is a device"},
        {"in a missing folder", [](const TempDir& dir) { return dir.file("none/out.wav"); }, false,
         "No such file or directory"},
    };
}

// Each entry of the folder with its type and, for a regular file, its bytes.
std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto status = std::filesystem::symlink_status(entry.path());
        std::string line = entry.path().filename().string() + " " +
                           std::to_string(static_cast<int>(status.type()));
        if (std::filesystem::is_regular_file(status)) {
            const Bytes bytes = readFile(entry.path().string());
            line += " " + std::string(bytes.begin(), bytes.end());
        }
        entries.push_back(line);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

}  // namespace

TEST(RepairOutputTest, OnlyANewNameOrAForcedRegularFileTakesTheRepairAndNothingIsRemoved) {
    const Bytes bytes = WaveFile({kFormat, {"data", kSamples, true, 0}});
    for (const OutputRow& row : OutputRows()) {
        TempDir dir;
        writeFile(dir.file("in.wav"), bytes);
        const std::string output = row.make(dir);
        const std::vector<std::string> before = Listing(dir.path());
        const RepairPlan plan = PlanRepair(dir.file("in.wav"));
        const CString strResult = WriteRepair(plan, dir.file("in.wav"), output, row.bForce);
        if (row.pszRefusal == nullptr) {
            EXPECT_EQ(strResult, "") << row.name;
            EXPECT_EQ(static_cast<std::int64_t>(readFile(output).size()), plan.nNewSize)
                << row.name;
            continue;
        }
        EXPECT_NE(strResult.find(row.pszRefusal), std::string::npos)
            << row.name << ": " << strResult;
        EXPECT_EQ(Listing(dir.path()), before) << row.name;
    }
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

// A repair that fails while it writes leaves the file it was to replace as it was, and no
// temporary file.
TEST(RepairOutputTest, AFailedRepairReplacesNothingEvenWithForce) {
    const Bytes bytes = WaveFile({kFormat, {"data", kSamples, true, 0}});
    for (const MmioFaultyCalls::Call call :
         {MmioFaultyCalls::Call::Write, MmioFaultyCalls::Call::Flush,
          MmioFaultyCalls::Call::Close}) {
        TempDir dir;
        writeFile(dir.file("in.wav"), bytes);
        writeFile(dir.file("out.wav"), kOldOutput);
        const std::vector<std::string> before = Listing(dir.path());
        const RepairPlan plan = PlanRepair(dir.file("in.wav"));
        MmioFaultyCalls faulty;
        faulty.failAt(call, 1);
        MmioSystemCallsScope scope(faulty);
        EXPECT_NE(WriteRepair(plan, dir.file("in.wav"), dir.file("out.wav"), true), "");
        EXPECT_EQ(Listing(dir.path()), before) << static_cast<int>(call);
    }
}
