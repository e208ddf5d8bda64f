// Files saved by Ovalis read in other programs as the file before did: format, length and the
// broadcast extension's fields. Runs where ffmpeg, ffprobe and sndfile-info are installed.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "SaveSupport.h"
#include "TestFiles.h"
#include "pages/ChunkPage.h"
#include "pages/RiffChunk.h"

namespace {

bool Installed(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Output(const std::string& command) {
    std::string text;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe) {
        return text;
    }
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
        text.append(buffer, n);
    }
    return text;
}

std::string Probe(const std::string& path) {
    return Output(
        "ffprobe -v error -show_entries "
        "stream=codec_name,sample_rate,channels,bits_per_sample,duration_ts:"
        "format=duration,size:format_tags -of default=noprint_wrappers=1 '" +
        path + "'");
}

// sndfile-info's report without the line that names the file.
std::string SndfileInfo(const std::string& path) {
    std::string report = Output("sndfile-info '" + path + "'");
    const std::size_t nName = report.find("File : ");
    if (nName != std::string::npos) {
        report.erase(nName, report.find('\n', nName) - nName);
    }
    return report;
}

class SaveToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"ffmpeg", "ffprobe", "sndfile-info"}) {
            if (!Installed(tool)) {
                GTEST_SKIP() << tool << " is not installed (scripts/setup installs it)";
            }
        }
        m_source = dir.file("take.wav");
        ASSERT_EQ(std::system(("ffmpeg -v error -f lavfi -i sine=frequency=440:duration=0.05 "
                               "-ac 2 -ar 48000 -c:a pcm_s16le -write_bext 1 "
                               "-metadata description='Take one' -metadata originator='Ovalis' "
                               "-metadata origination_date=2024-05-06 "
                               "-metadata origination_time=07:08:09 "
                               "-metadata coding_history='A=PCM,F=48000,W=16,M=stereo' '" +
                               m_source + "'")
                                  .c_str()),
                  0);
    }

    testfiles::TempDir dir;
    savetest::MessageLog log;
    std::string m_source;
};

TEST_F(SaveToolsTest, SavedFileReadsAsTheFileBefore) {
    const std::string probed = Probe(m_source);
    ASSERT_NE(probed.find("TAG:comment=Take one"), std::string::npos) << probed;
    const std::string info = SndfileInfo(m_source);
    const std::string copy = dir.file("copy.wav");
    CRiffChunk root;
    ASSERT_TRUE(root.Load(m_source));
    ASSERT_TRUE(root.Save(copy));
    EXPECT_EQ(Probe(copy), probed);
    EXPECT_EQ(SndfileInfo(copy), info);
    ASSERT_TRUE(root.Save(m_source));
    EXPECT_EQ(Probe(m_source), probed);
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(SaveToolsTest, EditedDescriptionIsAllThatChanges) {
    std::string probed = Probe(m_source);
    const std::string info = SndfileInfo(m_source);
    CRiffChunk root;
    ASSERT_TRUE(root.Load(m_source));
    CChunk* pBext = nullptr;
    for (CObject* pObject : root) {
        if (static_cast<CChunk*>(pObject)->m_strName == "bext") {
            pBext = static_cast<CChunk*>(pObject);
        }
    }
    ASSERT_NE(pBext, nullptr);
    savetest::SetBoxText(*CreatePageOf(pBext, nullptr), 1009, "Take two");
    ASSERT_TRUE(root.Save(m_source));
    probed.replace(probed.find("Take one"), 8, "Take two");
    EXPECT_EQ(Probe(m_source), probed);
    EXPECT_EQ(SndfileInfo(m_source), info);
}

}  // namespace
