// The sampler's and the instrument's numbers shown in their units: note names, the maker's name
// by its MMA code, cents, decibels, the sample period as a rate, the SMPTE offset as timecode.

#include "core/details/SamplerDetails.h"

#include <gtest/gtest.h>

#include <cstring>

#include "RiffWriter.h"
#include "core/chunks/Chunk.h"
#include "core/details/MidiNames.h"

namespace {

class Held : public CChunk {
public:
    explicit Held(const testfiles::Bytes& payload) {
        AllocateData(static_cast<DWORD>(payload.size()));
        std::memcpy(Data(), payload.data(), payload.size());
    }
};

TEST(SamplerDetailsTest, NotesAndMakersAreNamed) {
    const std::pair<DWORD, const char*> notes[] = {{60, "60 (C4)"},   {62, "62 (D4)"},
                                                   {0, "0 (C-1)"},    {69, "69 (A4)"},
                                                   {127, "127 (G9)"}, {128, "128"}};
    for (const auto& [note, text] : notes) {
        EXPECT_EQ(NoteText(note), text);
    }
    const std::pair<DWORD, const char*> makers[] = {
        {0, "none"},
        {0x47, "0x47: Akai"},
        {0x01000047, "0x47: Akai"},
        {0x41, "0x41: Roland"},
        {0x0300000E, "00 00 0E: Alesis"},
        {0x0E, "0x0E: not in Ovalis's list"},
        {0x03002109, "00 21 09: Native Instruments"},
        {0x00123456, "12 34 56: not in Ovalis's list"},
    };
    for (const auto& [code, text] : makers) {
        EXPECT_EQ(ManufacturerText(code), text) << code;
    }
}

TEST(SamplerDetailsTest, SamplerValuesHaveTheirUnits) {
    // Manufacturer Akai, product 5, 22676 ns, unity note D4, half a semitone, 25 fps, offset
    // 1:02:03:04, no loops, 8 bytes of sampler data.
    const testfiles::Bytes payload = testfiles::ByteBuilder()
                                         .le32(0x01000047)
                                         .le32(5)
                                         .le32(22676)
                                         .le32(62)
                                         .le32(0x80000000)
                                         .le32(25)
                                         .le32(0x01020304)
                                         .le32(0)
                                         .le32(8);
    const DetailTable table = SamplerValues(Held(payload));
    const std::vector<std::vector<CString>> rows = {
        {"Manufacturer", "0x01000047", "0x47: Akai"},
        {"Product", "5", ""},
        {"SamplePeriod", "22676", "44099.5 samples per second"},
        {"MIDIUnityNote", "62", "62 (D4)"},
        {"MIDIPitchFraction", "2147483648", "50.00 cents"},
        {"SMPTEFormat", "25", "25 frames per second"},
        {"SMPTEOffset", "0x01020304", "01:02:03:04"},
        {"SampleLoops", "0", ""},
        {"SamplerData", "8", "8 bytes"},
    };
    EXPECT_EQ(table.rows, rows);
    EXPECT_EQ(table.text, "");
}

TEST(SamplerDetailsTest, ACutChunkShowsWhatItHolds) {
    const DetailTable table = SamplerValues(Held(testfiles::ByteBuilder().le32(0x41).le32(1)));
    EXPECT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.text, "The chunk ends before SamplePeriod.");
}

TEST(SamplerDetailsTest, InstrumentValuesHaveTheirUnits) {
    const testfiles::Bytes payload{60, 0xCE, 0xFA, 36, 96, 1, 127};  // -50 cents, -6 dB
    const std::vector<std::vector<CString>> rows = {
        {"UnshiftedNote", "60", "60 (C4)"},
        {"FineTune", "-50", "-50 cents"},
        {"Gain", "-6", "-6 dB"},
        {"LowNote", "36", "36 (C2)"},
        {"HighNote", "96", "96 (C7)"},
        {"LowVelocity", "1", ""},
        {"HighVelocity", "127", ""},
    };
    EXPECT_EQ(InstrumentDetails(Held(payload)).rows, rows);
}

}  // namespace
