// Inputs the fuzz targets found, replayed as the target ran them. Each is kept as its size and
// the runs of bytes that are not zero, in hexadecimal.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <fstream>

#include "FuzzEdits.h"
#include "TestFiles.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/MetadataSave.h"

using namespace testfiles;

namespace {

struct Piece {
    std::size_t offset;
    const char* hex;
};

struct Find {
    const char* name;
    std::size_t size;
    std::vector<Piece> pieces;
};

void PrintTo(const Find& find, std::ostream* pOut) {
    *pOut << find.name;
}

Bytes BytesOf(const Find& find) {
    Bytes bytes(find.size, 0);
    for (const Piece& piece : find.pieces) {
        const std::string hex = piece.hex;
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
            bytes.at(piece.offset + i / 2) =
                static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16));
        }
    }
    return bytes;
}

// The metadata-save target's inputs that made a save in place allocate gigabytes.
const std::vector<Find> kMetadataSaveFinds = {
    {"PadDeclaredPastTheFilesEnd",
     1269,
     {
         {0, "52494646280200005741564562657874ea010000436f727075732074616b652031"},
         {91, "08"},
         {121, "72"},
         {175, "52494646ac01000057415645626578746e010000436f727075732074616b652031"},
         {279,
          "4f76616c697320636f72707573000000666d74bb0000007701343a303580bb0000000000"
          "000100000000000000000000000052494646280200005741564562657874ea010000436f"
          "727075732074616b652031"},
         {420, "df000000000000000072"},
         {483, "52494646ac01000057415645626578746e010000436f727075732074616b652031"},
         {805,
          "305f5f637878616269763132305f5f73695f636c6173735f747970655f696ed9d9d95041"
          "4420d9d9d9d9d9d9d9000000000000a2c7ec"},
         {893, "06"},
         {911, "4f7611616c697320636f7270"},
         {947, "367573"},
         {969, "4f564c30303031"},
         {1009, "72"},
         {1058, "52494646ac0100005741564562650074016e7800436f727075732074616b652031"},
         {1158,
          "2400000000000000000000004f76616c697320636f72707573000000666d74bb00000077"
          "01343a303580bb00000000000001"},
         {1228,
          "d66d7420120200102f000064617461100000000b30557a9fc4e900000001000e3358017d"
          "a2c7ec1136"},
     }},
    {"FillerDeclaredPastTheEndOfALongerInput",
     37803,
     {
         {0,
          "524946463e0200005741564562657874ff0070016f72430075732074616b652031000000"
          "0000eb"},
         {140, "fffc"},
         {278,
          "4f564c303030320000000000000000524946463e0200005741564562657874ff01000043"
          "6f727075732074616b652031"},
         {481, "524946462e0200005741564562657874f0010000436f727075732074616b652031"},
         {540, "74ff010000436f727075732074616b652031"},
         {628, "ffffffff"},
         {713, "524946462e0200005741564562657874f0"},
         {778, "2032"},
         {805, "4f76616c6973209d43908d917573"},
         {838, "4f564c30303031"},
         {870, "32"},
         {1062, "09"},
         {3576, "52"},
         {10029, "52494646d25d2100574156454a554e4b400000ffff5f2000000018"},
         {10113, "666d74201000000001000e0080bb000000c31e002a00180064617461e0ca1e"},
         {16301, "b9"},
         {21248, "19"},
         {21562, "25"},
         {25769, "64733634"},
     }},
};

// The process's address space now, from /proc/self/statm, in bytes.
rlim_t AddressSpace() {
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    statm >> pages;
    return pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

// Loads the file, makes the input's edits and saves in place, as the target does; true when
// the save succeeded.
bool SavedInPlace(const std::string& strPath, const std::vector<FuzzEdit>& edits) {
    CRiffChunkModel root;
    if (!root.Load(strPath)) {
        return true;
    }
    ApplyFuzzEdits(root, edits);
    return SaveMetadata(root, {}).empty();
}

// Caps the address space 256 MiB above what the process holds, saves, and exits with 0 when
// the save succeeded: a save that reaches for more than the file could ever need dies instead
// of passing on a machine with memory to spare.
[[noreturn]] void SaveWithinACap(const std::string& strPath, const std::vector<FuzzEdit>& edits) {
    const rlim_t limit = AddressSpace() + (rlim_t{256} << 20);
    const rlimit capped{limit, limit};
    setrlimit(RLIMIT_AS, &capped);
    std::exit(SavedInPlace(strPath, edits) ? 0 : 1);
}

class FuzzFindsTest : public ::testing::TestWithParam<Find> {};

TEST_P(FuzzFindsTest, MetadataSaveStaysWithinTheFilesBytes) {
    const Bytes input = BytesOf(GetParam());
    const std::uint8_t* pData = input.data();
    std::size_t nSize = input.size();
    const std::vector<FuzzEdit> edits = TakeFuzzEdits(pData, nSize);
    const TempDir dir;
    const std::string strPath = dir.file("find.wav");
    writeFile(strPath, Bytes(pData, pData + nSize));
    EXPECT_EXIT(SaveWithinACap(strPath, edits), ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(MetadataSave, FuzzFindsTest, ::testing::ValuesIn(kMetadataSaveFinds),
                         [](const ::testing::TestParamInfo<Find>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
