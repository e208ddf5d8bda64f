// The fields that later versions of the broadcast extension added in its reserved bytes: the
// UMID from version 1, the loudness levels from version 2, read and written through the table.

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "RiffWriter.h"
#include "core/chunks/BEXTChunkModel.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/fields/BextFields.h"
#include "core/fields/Hundredths.h"

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;

class HeldBext : public CBEXTChunkModel {
public:
    explicit HeldBext(const Bytes& payload) {
        AllocateData(static_cast<DWORD>(payload.size()));
        std::memcpy(Data(), payload.data(), payload.size());
        m_pBext = Data();
    }
    Bytes Payload() const { return Bytes(Data(), Data() + DataSize()); }
};

constexpr BYTE kLabel[] = {0x06, 0x0A, 0x2B, 0x34, 0x01, 0x01, 0x01, 0x05,
                           0x01, 0x01, 0x0D, 0x20, 0x13, 0x00, 0x00, 0x00};

// A payload of the version given, with a basic or extended UMID and loudness words.
Bytes Payload(std::uint16_t wVersion, bool bUmid = true, bool bExtended = false) {
    testfiles::BextFields fields;
    fields.version = wVersion;
    fields.codingHistory = "A=PCM\r\n";
    Bytes bytes = testfiles::BextPayload(fields);
    if (bUmid) {
        std::memcpy(bytes.data() + 348, kLabel, sizeof kLabel);
        bytes[348 + 31] = 0xAB;
    }
    if (bExtended) {
        bytes[348 + 12] = 0x33;
        bytes[348 + 63] = 0x01;
    }
    const std::int16_t levels[] = {-2300, 750, -100, 0x7FFF, -32768};
    for (std::size_t i = 0; i < 5; ++i) {
        bytes[412 + 2 * i] = static_cast<BYTE>(levels[i] & 0xFF);
        bytes[413 + 2 * i] = static_cast<BYTE>((levels[i] >> 8) & 0xFF);
    }
    return bytes;
}

Bytes Cut(Bytes bytes, std::size_t nSize) {
    bytes.resize(nSize);
    return bytes;
}

struct ReadRow {
    const char* what;
    Bytes payload;
    const char* field;
    std::optional<CString> shown;
};

TEST(BextVersionFieldsTest, ReadsTheFieldsTheVersionHas) {
    const ReadRow rows[] = {
        {"version 0", Payload(0), "Version", "0"},
        {"version 2", Payload(2), "Version", "2"},
        {"no UMID in version 0", Payload(0), "UMID", std::nullopt},
        {"basic UMID", Payload(1), "UMID",
         "basic 060A2B34 01010105 01010D20 13 000000 00000000 00000000 00000000 000000AB"},
        {"extended UMID", Payload(1, true, true), "UMID",
         "extended 060A2B34 01010105 01010D20 33 000000 00000000 00000000 00000000 000000AB "
         "00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000001"},
        {"UMID all zero", Payload(2, false), "UMID", "none"},
        {"no loudness in version 1", Payload(1), "LoudnessValue", std::nullopt},
        {"negative loudness", Payload(2), "LoudnessValue", "-23.00"},
        {"loudness range", Payload(2), "LoudnessRange", "7.50"},
        {"true peak", Payload(2), "MaxTruePeakLevel", "-1.00"},
        {"not set", Payload(2), "MaxMomentaryLoudness", "not set"},
        {"lowest word", Payload(2), "MaxShortTermLoudness", "-327.68"},
        {"payload cut inside the levels", Cut(Payload(2), 415), "LoudnessRange", std::nullopt},
        {"level before the cut", Cut(Payload(2), 415), "LoudnessValue", "-23.00"},
    };
    for (const ReadRow& row : rows) {
        SCOPED_TRACE(row.what);
        const HeldBext chunk(row.payload);
        EXPECT_EQ(ReadFieldText(chunk, *kBextFields.Find(row.field)), row.shown);
    }
}

struct WriteRow {
    const char* what;
    const char* field;
    CString typed;
    CString refusal;
    Bytes written;  // at the field's offset
};

TEST(BextVersionFieldsTest, StoresLoudnessAsHundredthsAndOnlyWhenChanged) {
    const WriteRow rows[] = {
        {"two decimals", "LoudnessValue", "-24.05", "", ByteBuilder().le16(0xFFFF & -2405)},
        {"one decimal", "LoudnessRange", " 12.5 ", "", ByteBuilder().le16(1250)},
        {"whole number", "MaxTruePeakLevel", "-2", "", ByteBuilder().le16(0xFFFF & -200)},
        {"not set typed", "LoudnessValue", "not set", "", ByteBuilder().le16(0x7FFF)},
        {"emptied box is not set", "LoudnessRange", "", "", ByteBuilder().le16(0x7FFF)},
        {"not set kept", "MaxMomentaryLoudness", "not set", "", ByteBuilder().le16(0x7FFF)},
        {"not set to a level", "MaxMomentaryLoudness", "-18.25", "",
         ByteBuilder().le16(0xFFFF & -1825)},
        {"three decimals refused", "LoudnessValue", "-23.001", kHundredthsRuleMessage,
         ByteBuilder().le16(0xFFFF & -2300)},
        {"the not-set word refused as a level", "LoudnessValue", "327.67", kHundredthsRuleMessage,
         ByteBuilder().le16(0xFFFF & -2300)},
        {"below the range refused", "LoudnessValue", "-327.69", kHundredthsRuleMessage,
         ByteBuilder().le16(0xFFFF & -2300)},
        {"letters refused", "LoudnessValue", "-23 LUFS", kHundredthsRuleMessage,
         ByteBuilder().le16(0xFFFF & -2300)},
        {"UMID never written", "UMID", "none", "", Bytes(kLabel, kLabel + 16)},
    };
    for (const WriteRow& row : rows) {
        SCOPED_TRACE(row.what);
        HeldBext chunk(Payload(2));
        const FieldLayout& field = *kBextFields.Find(row.field);
        EXPECT_EQ(WriteFieldText(chunk, field, row.typed), row.refusal);
        const Bytes payload = chunk.Payload();
        const auto begin = payload.begin() + field.offset;
        EXPECT_EQ(Bytes(begin, begin + static_cast<std::ptrdiff_t>(row.written.size())),
                  row.written);
    }
}

TEST(BextVersionFieldsTest, ShownTextsStoredBackChangeNoByte) {
    HeldBext chunk(Payload(2, true, true));
    for (const FieldLayout& field : kBextFields.fields) {
        const std::optional<CString> shown = ReadFieldText(chunk, field);
        ASSERT_TRUE(shown.has_value()) << field.name;
        EXPECT_EQ(WriteFieldText(chunk, field, *shown), "") << field.name;
    }
    EXPECT_EQ(chunk.Payload(), Payload(2, true, true));
}

TEST(BextVersionFieldsTest, LevelsOfVersionOneFileAreNotWritten) {
    HeldBext chunk(Payload(1));
    EXPECT_EQ(WriteFieldText(chunk, *kBextFields.Find("LoudnessValue"), "-10.00"), "");
    EXPECT_EQ(chunk.Payload(), Payload(1));
}

}  // namespace
