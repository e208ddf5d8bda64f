// Every field read and written through its table, by the rules the pages show and store with:
// numbers by the positive-integer rule, texts in the encoding they were read with, payloads
// shorter than the layout.

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "RiffWriter.h"
#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/fields/BextFields.h"
#include "core/fields/FactFields.h"
#include "core/fields/FormatFields.h"
#include "core/fields/MextFields.h"

namespace {

using testfiles::BextFields;
using testfiles::BextPayload;
using testfiles::ByteBuilder;
using testfiles::Bytes;

// A chunk holding a payload, as a load leaves it.
class HeldPayload : public CChunk {
public:
    explicit HeldPayload(const Bytes& payload) {
        AllocateData(static_cast<DWORD>(payload.size()));
        if (!payload.empty()) {
            std::memcpy(Data(), payload.data(), payload.size());
        }
    }
    Bytes Payload() const { return Bytes(Data(), Data() + DataSize()); }
};

Bytes Cut(Bytes bytes, std::size_t nSize) {
    bytes.resize(nSize);
    return bytes;
}

const Bytes kPcm = testfiles::PcmFormat(2, 44100, 16, true);
const Bytes kBext = BextPayload({"Take 1 \r\n ", "Caf\xE9", "", "2026-12-09", "07:49:00",
                                 0x1A2B3C4D, 7, 2, "A=PCM,F=48000\nA=PCM,F=44100\r\n"});

struct ReadRow {
    const char* what;
    const FieldTable& table;
    const char* field;
    Bytes payload;
    std::optional<CString> shown;
};

TEST(FieldCodecTest, ReadsEachKindOfFieldAsThePagesShowIt) {
    const ReadRow rows[] = {
        {"number", kPcmFormatFields, "nSamplesPerSec", kPcm, "44100"},
        {"number cut off", kPcmFormatFields, "nSamplesPerSec", Cut(kPcm, 6), std::nullopt},
        {"last whole number", kPcmFormatFields, "cbSize", Cut(kPcm, 18), "0"},
        {"hex number", kBextFields, "TimeReferenceLow", kBext, "1A2B3C4D"},
        {"version shown as stored", kBextFields, "Version", kBext, "2"},
        {"trailing white space trimmed", kBextFields, "Description", kBext, "Take 1"},
        {"Latin-1 shown as UTF-8", kBextFields, "Originator", kBext, "Caf\xC3\xA9"},
        {"empty text", kBextFields, "OriginatorReference", kBext, ""},
        {"line breaks as CR LF", kBextFields, "CodingHistory", kBext,
         "A=PCM,F=48000\r\nA=PCM,F=44100"},
        {"no coding history", kBextFields, "CodingHistory", Cut(kBext, 602), std::nullopt},
        {"text cut by the payload", kBextFields, "Originator", Cut(kBext, 258), "Ca"},
        {"text past the payload", kBextFields, "Originator", Cut(kBext, 256), std::nullopt},
        {"mext reserved", kMextFields, "Reserved", ByteBuilder().zeros(8).le32(9), "9"},
        {"mext reserved cut", kMextFields, "Reserved", ByteBuilder().zeros(11), std::nullopt},
        {"empty payload", kFactFields, "dwSampleLength", {}, std::nullopt},
    };
    for (const ReadRow& row : rows) {
        SCOPED_TRACE(row.what);
        const HeldPayload chunk(row.payload);
        EXPECT_EQ(ReadFieldText(chunk, *row.table.Find(row.field)), row.shown);
    }
}

struct WriteRow {
    const char* what;
    const FieldTable& table;
    const char* field;
    Bytes payload;
    CString typed;
    CString refusal;
    std::size_t offset;  // where the written bytes stand
    Bytes written;
};

TEST(FieldCodecTest, WritesTypedValuesByThePagesRules) {
    const WriteRow rows[] = {
        {"number with blanks and sign", kPcmFormatFields, "nChannels", kPcm, " +6 ", "", 2,
         ByteBuilder().le16(6)},
        {"number kept to its width", kPcmFormatFields, "nChannels", kPcm, "70000", "", 2,
         ByteBuilder().le16(70000 & 0xFFFF)},
        {"number above the range", kFactFields, "dwSampleLength", ByteBuilder().le32(1),
         "99999999999", "", 0, ByteBuilder().le32(0xFFFFFFFF)},
        {"negative number refused", kPcmFormatFields, "nChannels", kPcm, "-1", kNumberRuleMessage,
         2, ByteBuilder().le16(2)},
        {"empty number refused", kMextFields, "FrameSize", ByteBuilder().zeros(12), "",
         kNumberRuleMessage, 2, ByteBuilder().le16(0)},
        {"shown-only field untouched", kPcmFormatFields, "wFormatTag", kPcm, "3", "", 0,
         ByteBuilder().le16(1)},
        {"edited Latin-1 text stays Latin-1", kBextFields, "Originator", kBext, "Caf\xC3\xA9 2", "",
         256, ByteBuilder().text("Caf\xE9 2").zeros(26)},
        {"unedited text keeps its bytes", kBextFields, "Originator", kBext, "Caf\xC3\xA9", "", 256,
         ByteBuilder().text("Caf\xE9").zeros(28)},
        {"text cut to the width, not inside a character", kBextFields, "OriginationTime", kBext,
         "1234567\xC3\xA9", "", 330, ByteBuilder().text("1234567").zeros(1)},
        {"line breaks stored as the field's first one", kBextFields, "CodingHistory", kBext,
         "a\nb\rc", "", 602, ByteBuilder().text("a\nb\nc").zeros(22)},
        {"unedited description keeps its trailing white space", kBextFields, "Description", kBext,
         "Take 1", "", 0, ByteBuilder().text("Take 1 \r\n ").zeros(4)},
        {"edited description written as typed", kBextFields, "Description", kBext, "Take 2 ", "", 0,
         ByteBuilder().text("Take 2 ").zeros(7)},
    };
    for (const WriteRow& row : rows) {
        SCOPED_TRACE(row.what);
        HeldPayload chunk(row.payload);
        EXPECT_EQ(WriteFieldText(chunk, *row.table.Find(row.field), row.typed), row.refusal);
        const Bytes payload = chunk.Payload();
        ASSERT_GE(payload.size(), row.offset + row.written.size());
        EXPECT_EQ(
            Bytes(payload.begin() + static_cast<std::ptrdiff_t>(row.offset),
                  payload.begin() + static_cast<std::ptrdiff_t>(row.offset + row.written.size())),
            row.written);
    }
}

struct LineBreakRow {
    const char* what;
    const char* history;  // as the file holds it
    const char* typed;
    const char* stored;
};

// An edit keeps the field's line-break style, so the text keeps its length and its tail.
TEST(FieldCodecTest, EditedMultiLineTextKeepsItsLineBreakStyle) {
    const LineBreakRow rows[] = {
        {"CR LF", "A=PCM\r\nB=1\r\n", "A=PCM\r\nB=2", "A=PCM\r\nB=2\0\0"},
        {"LF only", "A=PCM\nB=1\nC=3\n", "A=PCM\r\nB=2\r\nC=3", "A=PCM\nB=2\nC=3\0"},
        {"CR only", "A=PCM\rB=1\rC=3\r", "A=PCM\nB=2\nC=3", "A=PCM\rB=2\rC=3\0"},
        {"no break yet: CR LF", "A=PCM   ", "A=PCM\nB", "A=PCM\r\nB"},
    };
    for (const LineBreakRow& row : rows) {
        SCOPED_TRACE(row.what);
        BextFields fields;
        fields.codingHistory = row.history;
        HeldPayload chunk(BextPayload(fields));
        const FieldLayout& field = *kBextFields.Find("CodingHistory");
        EXPECT_EQ(WriteFieldText(chunk, field, row.typed), "");
        const Bytes payload = chunk.Payload();
        const std::size_t nStored = std::strlen(row.history);
        EXPECT_EQ(CString(payload.begin() + 602, payload.end()),
                  CString(row.stored, row.stored + nStored));
    }
}

// Text after a field's first zero byte, and white space the page does not show, belong to the
// file: a text stored back unchanged leaves them.
TEST(FieldCodecTest, UnchangedTextLeavesEveryByteOfItsField) {
    const Bytes payload = ByteBuilder()
                              .text("Take 1 \t")
                              .zeros(1)
                              .text("hidden")
                              .zeros(241)
                              .text("Station")
                              .zeros(1)
                              .text("after zero")
                              .zeros(14)
                              .zeros(602 - 288)
                              .text("A=PCM\r\n");
    HeldPayload chunk(payload);
    for (const FieldLayout& field : kBextFields.fields) {
        if (const std::optional<CString> shown = ReadFieldText(chunk, field)) {
            EXPECT_EQ(WriteFieldText(chunk, field, *shown), "") << field.name;
        }
    }
    EXPECT_EQ(chunk.Payload(), payload);
}

TEST(FieldCodecTest, AFieldThePayloadDoesNotHoldIsNeverWritten) {
    HeldPayload chunk(Cut(kPcm, 5));
    EXPECT_EQ(WriteFieldText(chunk, *kPcmFormatFields.Find("nSamplesPerSec"), "8000"), "");
    EXPECT_EQ(chunk.Payload(), Cut(kPcm, 5));
}

}  // namespace
