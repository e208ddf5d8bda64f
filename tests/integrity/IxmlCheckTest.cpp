// The check of an iXML document says whether it was read and found broken, or not read at all.

#include <gtest/gtest.h>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/integrity/FileCheck.h"

namespace {

using testfiles::Bytes;

TEST(IxmlCheckTest, ADocumentNotReadIsTooLargeToCheckNotBroken) {
    std::string strAmplified = "<!DOCTYPE BWFXML [<!ENTITY a \"" + std::string(300, 'x') + "\">]>";
    for (int i = 0; i < 20000; ++i) {
        strAmplified += i ? "&a;" : "<BWFXML>";
    }
    const std::pair<std::string, const char*> rows[] = {
        {"<BWFXML><A></BWFXML>", "the iXML document is not well formed: mismatched tag"},
        {strAmplified + "</BWFXML>",
         "the iXML document is too large to check: its entities expand"},
        {"<BWFXML>" + std::string(17 << 20, ' ') + "</BWFXML>",
         "the iXML document is too large to check: 17825809 bytes."},
    };
    for (const auto& [document, sentence] : rows) {
        SCOPED_TRACE(sentence);
        testfiles::TempDir dir;
        testfiles::writeFile(
            dir.file("a.wav"),
            testfiles::WaveFile({{"fmt ", testfiles::PcmFormat(2, 48000, 16)},
                                 {"data", Bytes(16, 0)},
                                 {"iXML", Bytes(document.begin(), document.end())}}));
        const CheckReport report = CheckFile(dir.file("a.wav"), {});
        ASSERT_EQ(report.findings.size(), 1u);
        EXPECT_EQ(report.findings[0].strRule, "ixml-well-formed");
        EXPECT_TRUE(report.findings[0].strSentence.starts_with(sentence))
            << report.findings[0].strSentence;
    }
}

}  // namespace
