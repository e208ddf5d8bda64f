// The rules that weigh a chunk against the file: each finds what it is for, with the numbers a
// user needs, and stays quiet on a file that agrees.

#include <gtest/gtest.h>

#include <set>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/details/Gzip.h"
#include "core/integrity/FileCheck.h"

namespace {

using testfiles::Bytes;
using testfiles::Joined;
using testfiles::Le;
using testfiles::TextBytes;

// 100 stereo 16-bit frames, then the chunks given.
Bytes Pcm(const std::vector<testfiles::ChunkSpec>& more, const Bytes& format = {}) {
    std::vector<testfiles::ChunkSpec> chunks{
        {"fmt ", format.empty() ? testfiles::PcmFormat(2, 48000, 16) : format},
        {"data", Bytes(400, 0)}};
    chunks.insert(chunks.end(), more.begin(), more.end());
    return testfiles::WaveFile(chunks);
}

Bytes Fact(std::uint32_t length) {
    return Pcm({{"fact", Le(length)}});
}

Bytes Bxml(std::uint32_t formatInfo, const Bytes& document) {
    return Pcm({{"bxml", Joined({Le(formatInfo, 2), document})}});
}

// A dbmd chunk of one segment; its checksum agrees unless told to be off by one.
Bytes Dbmd(int nOff) {
    const Bytes segment{1, 2, 3};
    unsigned sum = 3;
    for (const auto b : segment) {
        sum += b;
    }
    const auto checksum = static_cast<std::uint8_t>((0x100 - (sum & 0xFF) + nOff) & 0xFF);
    return Pcm({{"dbmd", Joined({Le(0x01000006), Bytes{9}, Le(3, 2), segment, Bytes{checksum},
                                 Bytes{0}})}});
}

Bytes Adtl() {
    return Joined({TextBytes("adtl"), TextBytes("labl"), Le(4), Le(1)});
}

Bytes CuePoint(std::uint32_t id, std::uint32_t position, std::uint32_t offset) {
    return Joined({Le(id), Le(position), TextBytes("data"), Le(0), Le(0), Le(offset)});
}

const char kDocument[] =
    "<ebuCoreMain><coreMetadata><format><audioFormatExtended>"
    "<audioProgramme audioProgrammeID=\"APR_1001\" audioProgrammeName=\"Main\"/>"
    "</audioFormatExtended></format></coreMetadata></ebuCoreMain>";

struct RuleRow {
    const char* what;
    Bytes file;
    const char* rule;      // the finding of the row's rule, or "" for none of these rules
    const char* sentence;  // the start of its sentence
};

TEST(ContentRulesTest, EachRuleFindsItsCaseAndPassesAnAgreeingFile) {
    const CString strGzip = *DeflateGzip(kDocument);
    const Bytes gzip(strGzip.begin(), strGzip.end());
    const RuleRow rows[] = {
        {"fact agrees", Fact(100), "", ""},
        {"fact longer than the data", Fact(48128), "fact-length",
         "the fact chunk gives 48128 samples; the data chunk holds 100."},
        {"fact shorter", Fact(7), "fact-length", "the fact chunk gives 7 samples"},
        {"bxml formatInfo 1, gzip", Bxml(1, gzip), "", ""},
        {"bxml formatInfo 0, XML", Bxml(0, TextBytes(kDocument)), "", ""},
        {"bxml neither", Bxml(1, TextBytes("not a document")), "bxml-unreadable",
         "the bxml document cannot be read: bxml formatInfo 1 is followed by neither"},
        {"bxml XML not well formed", Bxml(1, TextBytes("<ebuCoreMain>")), "bxml-unreadable",
         "the bxml document cannot be read: not well formed"},
        {"dbmd agrees", Dbmd(0), "", ""},
        {"dbmd checksum off", Dbmd(1), "dbmd-checksum",
         "the checksum of metadata segment 9 (3 bytes) differs"},
        {"one adtl list", Pcm({{"list", Adtl()}}), "", ""},
        {"two adtl lists", Pcm({{"list", Adtl()}, {"LIST", Adtl()}}), "adtl-second",
         "a second adtl list; markers take their labels from the first, at 444"},
        {"an INFO list beside one adtl list",
         Pcm({{"LIST", Joined({TextBytes("INFO"), TextBytes("ISFT"), Le(2), TextBytes("x")})},
              {"LIST", Adtl()}}),
         "", ""},
        {"cue positions agree", Pcm({{"cue ", Joined({Le(1), CuePoint(1, 10, 10)})}}), "", ""},
        {"cue positions differ",
         Pcm({{"cue ",
               Joined({Le(3), CuePoint(1, 10, 10), CuePoint(2, 9, 20), CuePoint(3, 5, 30)})}}),
         "cue-positions",
         "cue point 2 has dwPosition 9 and dwSampleOffset 20 (and 1 more cue points differ)"},
        {"cue positions left 0", Pcm({{"cue ", Joined({Le(1), CuePoint(1, 0, 10)})}}), "", ""},
    };
    const std::set<CString> ours = {"fact-length", "bxml-unreadable", "dbmd-checksum",
                                    "adtl-second", "cue-positions"};
    for (const RuleRow& row : rows) {
        SCOPED_TRACE(row.what);
        testfiles::TempDir dir;
        testfiles::writeFile(dir.file("a.wav"), row.file);
        const CheckReport report = CheckFile(dir.file("a.wav"), {});
        std::vector<Finding> found;
        for (const Finding& finding : report.findings) {
            if (ours.count(finding.strRule) > 0) {
                found.push_back(finding);
            }
        }
        if (*row.rule == '\0') {
            EXPECT_TRUE(found.empty()) << found[0].strSentence;
            continue;
        }
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].strRule, row.rule);
        EXPECT_TRUE(found[0].strSentence.starts_with(row.sentence)) << found[0].strSentence;
    }
}

}  // namespace
