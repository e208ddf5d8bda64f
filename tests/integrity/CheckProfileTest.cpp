// The archive profiles of the check: each rule, a row that breaks a file the profile finds sound.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

#include "RiffWriter.h"
#include "core/integrity/FileCheck.h"

using namespace testfiles;

namespace {

// What a file sound under both profiles holds; each row changes one thing.
struct Sound {
    BextFields bext{"ID 1234",
                    "US, LOC",
                    "USLOC000000012345123045123456789",
                    "2024-05-06",
                    "12:30:00",
                    0,
                    0,
                    2,
                    "A=PCM,F=48000,W=24,M=stereo,T=deck 3, side A\r\n"};
    std::uint16_t umid = 0x0C06;
    // -23.00 LUFS, 5.00 LU, -1.00 dBTP, -18.00 and -20.00 LUFS.
    std::array<std::uint16_t, 5> loudness{0xF704, 500, 0xFF9C, 0xF8F8, 0xF830};
    std::size_t reservedAt = 0;  // a byte set among the reserved ones, when not 0
    std::string location = "US, LOC";
    std::string created = "2024-05-06";
    bool withBext = true, withInfo = true, withChecksum = true;
};

void PutLe16(Bytes& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

Bytes InfoEntry(const std::string& id, const std::string& text) {
    Bytes bytes = ByteBuilder()
                      .text(id)
                      .le32(static_cast<std::uint32_t>(text.size() + 1))
                      .text(text)
                      .zeros(1);
    if (bytes.size() % 2) {
        bytes.push_back(0);
    }
    return bytes;
}

Bytes Make(const Sound& sound) {
    Bytes bext = BextPayload(sound.bext);
    PutLe16(bext, 348, sound.umid);
    for (std::size_t i = 0; i < sound.loudness.size(); ++i) {
        PutLe16(bext, 412 + 2 * i, sound.loudness[i]);
    }
    if (sound.reservedAt) {
        bext[sound.reservedAt] = 1;
    }
    std::vector<ChunkSpec> chunks{{"fmt ", PcmFormat(2, 48000, 16)}, {"data", Bytes(16, 0)}};
    if (sound.withBext) {
        chunks.insert(chunks.begin(), {"bext", bext});
    }
    if (sound.withInfo) {
        Bytes info = ByteBuilder().text("INFO");
        for (const Bytes& entry :
             {InfoEntry("IARL", sound.location), InfoEntry("ICRD", sound.created)}) {
            info.insert(info.end(), entry.begin(), entry.end());
        }
        chunks.push_back({"LIST", info});
    }
    if (sound.withChecksum) {
        chunks.push_back(
            {"MD5 ",
             ByteBuilder().le32(0x3613E74A).le32(0xBFF94BE4).le32(0x2E75D279).le32(0xA5184823)});
    }
    return WaveFile(chunks);
}

struct Row {
    const char* rule;
    CheckProfile profile;
    std::function<void(Sound&)> breakIt;
};

const CheckProfile kFadgi = CheckProfile::Fadgi;
const CheckProfile kEbu = CheckProfile::Ebu;

const Row kRows[] = {
    {"fadgi-bext", kFadgi, [](Sound& s) { s.withBext = false; }},
    {"fadgi-originator", kFadgi, [](Sound& s) { s.bext.originator = ""; }},
    {"fadgi-originator-form", kFadgi, [](Sound& s) { s.bext.originator = "Library"; }},
    {"fadgi-originator-reference", kFadgi, [](Sound& s) { s.bext.originatorReference = ""; }},
    {"fadgi-description", kFadgi, [](Sound& s) { s.bext.description = ""; }},
    {"fadgi-origination-date", kFadgi, [](Sound& s) { s.bext.originationDate = "2024/05/06"; }},
    {"fadgi-origination-time", kFadgi, [](Sound& s) { s.bext.originationTime = "25:30:00"; }},
    {"fadgi-version", kFadgi, [](Sound& s) { s.bext.version = 0; }},
    {"fadgi-umid", kFadgi, [](Sound& s) { s.umid = 0; }},
    {"fadgi-coding-history", kFadgi, [](Sound& s) { s.bext.codingHistory = ""; }},
    {"fadgi-reserved", kFadgi, [](Sound& s) { s.reservedAt = 500; }},
    {"fadgi-iarl", kFadgi, [](Sound& s) { s.withInfo = false; }},
    {"fadgi-iarl-originator", kFadgi, [](Sound& s) { s.location = "US, NARA"; }},
    {"fadgi-icrd", kFadgi, [](Sound& s) { s.created = "May 2024"; }},
    {"fadgi-md5", kFadgi, [](Sound& s) { s.withChecksum = false; }},
    {"ebu-coding-history", kEbu, [](Sound& s) { s.bext.codingHistory = "A=PCM\r\nF=48k\r\n"; }},
    {"ebu-coding-history", kEbu, [](Sound& s) { s.bext.codingHistory = "PCM,F=48000\r\n"; }},
    {"ebu-originator-reference", kEbu, [](Sound& s) { s.bext.originatorReference = "LOC-123"; }},
    {"ebu-loudness-version", kEbu, [](Sound& s) { s.bext.version = 1; }},
    {"ebu-loudness-unmeasured", kEbu, [](Sound& s) { s.loudness.fill(0x7FFF); }},
    {"ebu-loudness-range", kEbu, [](Sound& s) { s.loudness[0] = 0x8000; }},
};

bool Found(const Bytes& bytes, const char* rule, CheckProfile profile) {
    TempDir dir;
    writeFile(dir.file("a.wav"), bytes);
    const CheckReport report = CheckFile(dir.file("a.wav"), {}, {profile});
    return std::any_of(report.findings.begin(), report.findings.end(),
                       [rule](const Finding& f) { return f.strRule == rule; });
}

}  // namespace

TEST(CheckProfileTest, EachRuleIsFoundWhereItsRowBreaksTheFileAndNotInTheSoundOne) {
    for (const Row& row : kRows) {
        Sound broken;
        row.breakIt(broken);
        EXPECT_TRUE(Found(Make(broken), row.rule, row.profile)) << row.rule;
        EXPECT_FALSE(Found(Make(Sound{}), row.rule, row.profile)) << row.rule;
        EXPECT_FALSE(Found(Make(broken), row.rule, CheckProfile::General)) << row.rule;
    }
}
