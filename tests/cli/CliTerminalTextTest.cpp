// No text from a file, its name or the command line reaches the terminal with its control
// characters: every command escapes them in what it prints, on standard output and error.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "RiffWriter.h"
#include "TestFiles.h"
#include "cli/TerminalText.h"

namespace {

using namespace clitest;
using testfiles::ByteBuilder;
using testfiles::Bytes;
using testfiles::ChunkBytes;

Bytes Concat(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// A Broadcast Wave file whose INFO, adtl, cue label and iXML texts hold control characters.
Bytes FileWithControlTexts() {
    const Bytes info =
        Concat(ByteBuilder().text("INFO"),
               ChunkBytes({"INAM", ByteBuilder().text("Take\x1B[31m red").zeros(1)}));
    const Bytes adtl = Concat(ByteBuilder().text("adtl"), ChunkBytes({"labl", ByteBuilder()
                                                                                  .le32(1)
                                                                                  .text("Lab\x07"
                                                                                        "el")
                                                                                  .zeros(1)}));
    const Bytes cue = ByteBuilder().le32(1).le32(1).le32(0).text("data").le32(0).le32(0).le32(0);
    return testfiles::WaveFile({
        {"bext", testfiles::BextPayload(SampleFields())},
        {"fmt ", testfiles::PcmFormat(2, 48000, 16)},
        {"LIST", info},
        {"LIST", adtl},
        {"cue ", cue},
        {"iXML", ByteBuilder().text("<BWFXML><NOTE>n\x1B[2J</NOTE></BWFXML>")},
        {"data", Bytes(16, 0)},
    });
}

struct TerminalCase {
    std::vector<std::string> args;   // FILE: the file above, under a name with control characters
    std::vector<std::string> shown;  // each on standard output or error
};

class CliTerminalTextTest : public ::testing::TestWithParam<TerminalCase> {};

TEST_P(CliTerminalTextTest, ControlCharactersAreShownEscaped) {
    testfiles::TempDir dir;
    const std::string path = dir.file("take\x1B]0;t\x07.wav");
    testfiles::writeFile(path, FileWithControlTexts());
    std::vector<std::string> args = GetParam().args;
    for (std::string& arg : args) {
        arg = arg == "FILE" ? path : arg;
    }
    const CliResult result = RunCli(args);
    const std::string printed = result.out + result.err;
    EXPECT_EQ(printed.find_first_of("\x1B\x07"), std::string::npos) << printed;
    for (const std::string& shown : GetParam().shown) {
        EXPECT_NE(printed.find(shown), std::string::npos) << shown << "\nin\n" << printed;
    }
}

const char* const kName = "take\\x1B]0;t\\x07.wav";

INSTANTIATE_TEST_SUITE_P(
    Cli, CliTerminalTextTest,
    ::testing::Values(
        TerminalCase{{"info", "FILE"}, {kName, "Take\\x1B[31m red", "Lab\\x07el", "n\\x1B[2J"}},
        TerminalCase{{"md5", "FILE"}, {kName}}, TerminalCase{{"md5", "--verify", "FILE"}, {kName}},
        TerminalCase{{"check", "FILE"}, {kName}}, TerminalCase{{"loudness", "FILE"}, {kName}},
        TerminalCase{{"set", "--dry-run", "Originator=New", "FILE"}, {kName}},
        TerminalCase{{"md5", "gone\x1B[2J.wav"}, {"gone\\x1B[2J.wav"}},
        TerminalCase{{"set", "Orig\x1B[2J=x", "FILE"}, {"unknown field 'Orig\\x1B[2J'"}},
        TerminalCase{{"md5", "gone\xE2\x80\xAEvaw.wav"}, {"gone\\u202Evaw.wav"}}));

struct EscapeRow {
    const char* text;
    const char* shown;
};

TEST(TerminalTextTest, EscapesControlsAndKeepsWholeUtf8) {
    const EscapeRow rows[] = {
        {"a\x9B"
         "b",
         "a\\x9Bb"},              // C1 on its own: an 8-bit terminal's CSI
        {"\xC2\x9B", "\\u009B"},  // C1 in UTF-8
        {"\xE2\x80\x9C"
         "q",
         "\xE2\x80\x9C"
         "q"},  // a quote whose later bytes look like C1
        {"\xC3\xA9", "\xC3\xA9"},
        {"\xC3", "\xC3"},
        {"a\r\nb\tc", "a\r\nb\tc"},
        {"a\rb\x7F", "a\\x0Db\\x7F"},
    };
    for (const EscapeRow& row : rows) {
        EXPECT_EQ(WithControlsEscaped(row.text), row.shown) << row.text;
    }
}

TEST(TerminalTextTest, EscapesBidirectionalControls) {
    const EscapeRow rows[] = {
        {"take\xE2\x80\xAEvaw.exe", "take\\u202Evaw.exe"},  // right-to-left override
        {"\xE2\x80\xAA\xE2\x80\xAB\xE2\x80\xAC\xE2\x80\xAD", "\\u202A\\u202B\\u202C\\u202D"},
        {"\xE2\x81\xA6\xE2\x81\xA7\xE2\x81\xA8\xE2\x81\xA9", "\\u2066\\u2067\\u2068\\u2069"},
        {"a\xE2\x80\x8E"
         "b\xE2\x80\x8F"
         "c\xD8\x9C"
         "d",
         "a\\u200Eb\\u200Fc\\u061Cd"},
        // Neighbours that reorder nothing stay as they are.
        {"\xE2\x80\xAF\xE2\x80\x8D\xE2\x81\xAA\xD8\x9B",
         "\xE2\x80\xAF\xE2\x80\x8D\xE2\x81\xAA\xD8\x9B"},
        // Cut short, the sequence is no control; its lone 0x80 is escaped as any stray C1 byte.
        {"\xE2\x80", "\xE2\\x80"},
    };
    for (const EscapeRow& row : rows) {
        EXPECT_EQ(WithControlsEscaped(row.text), row.shown) << row.text;
    }
}

}  // namespace
