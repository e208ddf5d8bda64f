// The names the waveform's lanes carry: iXML track names first, then the ADM channel of the
// chna track, then the speaker of the channel mask, else the channel's number.

#include <gtest/gtest.h>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/details/ChannelNames.h"

using namespace testfiles;

namespace {

// A 16-bit extensible format record with this channel mask.
Bytes ExtensibleFormat(std::uint16_t channels, std::uint32_t mask) {
    Bytes format;
    appendLe16(format, 0xFFFE);
    appendLe16(format, channels);
    appendLe32(format, 48000);
    appendLe32(format, 48000u * 2 * channels);
    appendLe16(format, static_cast<std::uint16_t>(2 * channels));
    appendLe16(format, 16);
    appendLe16(format, 22);
    appendLe16(format, 16);
    appendLe32(format, mask);
    const Bytes pcm = {1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
    format.insert(format.end(), pcm.begin(), pcm.end());
    return format;
}

Bytes Ixml(const std::vector<std::pair<int, std::string>>& tracks) {
    std::string document = "<BWFXML><TRACK_LIST>";
    for (const auto& [nIndex, name] : tracks) {
        document += "<TRACK><CHANNEL_INDEX>" + std::to_string(nIndex) + "</CHANNEL_INDEX><NAME>" +
                    name + "</NAME></TRACK>";
    }
    return TextBytes(document + "</TRACK_LIST></BWFXML>");
}

// chna entries: channel index and track format, each with a UID of its own.
Bytes Chna(const std::vector<std::pair<int, std::string>>& tracks) {
    Bytes bytes;
    appendLe16(bytes, static_cast<std::uint16_t>(tracks.size()));
    appendLe16(bytes, static_cast<std::uint16_t>(tracks.size()));
    for (const auto& [nIndex, trackFormat] : tracks) {
        std::string entry(40, '\0');
        entry[0] = static_cast<char>(nIndex);
        const std::string uid = "ATU_0000000" + std::to_string(nIndex);
        entry.replace(2, uid.size(), uid);
        entry.replace(14, trackFormat.size(), trackFormat);
        bytes.insert(bytes.end(), entry.begin(), entry.end());
    }
    return bytes;
}

constexpr const char* kAdm =
    "<ebuCoreMain><coreMetadata><format><audioFormatExtended>"
    "<audioTrackFormat audioTrackFormatID=\"AT_00011001_01\" audioTrackFormatName=\"PCM_L\">"
    "<audioStreamFormatIDRef>AS_00011001</audioStreamFormatIDRef></audioTrackFormat>"
    "<audioStreamFormat audioStreamFormatID=\"AS_00011001\">"
    "<audioChannelFormatIDRef>AC_00011001</audioChannelFormatIDRef></audioStreamFormat>"
    "<audioChannelFormat audioChannelFormatID=\"AC_00011001\" "
    "audioChannelFormatName=\"RoomCentricLeft\"/>"
    "<audioTrackFormat audioTrackFormatID=\"AT_00011002_01\" audioTrackFormatName=\"PCM_R\"/>"
    "</audioFormatExtended></format></coreMetadata></ebuCoreMain>";

struct NamesRow {
    const char* name;
    Bytes format;
    std::vector<ChunkSpec> more;
    std::vector<CString> names;
};

std::vector<NamesRow> Rows() {
    return {
        {"Numbers", PcmFormat(3, 48000, 16), {}, {"1", "2", "3"}},
        {"ChannelMask", ExtensibleFormat(2, 0x3), {}, {"FL", "FR"}},
        {"MaskOfFewerSpeakers", ExtensibleFormat(3, 0x4), {}, {"FC", "2", "3"}},
        {"ZeroMask", ExtensibleFormat(2, 0), {}, {"1", "2"}},
        {"IxmlOverMask",
         ExtensibleFormat(2, 0x3),
         {{"iXML", Ixml({{2, "Lav"}, {1, "Boom"}})}},
         {"Boom", "Lav"}},
        {"IxmlForOneChannel",
         ExtensibleFormat(2, 0x3),
         {{"iXML", Ixml({{2, "Lav"}})}},
         {"FL", "Lav"}},
        {"IxmlIndexOutside",
         PcmFormat(1, 48000, 16),
         {{"iXML", Ixml({{0, "A"}, {2, "B"}})}},
         {"1"}},
        {"ChnaThroughTheDocument",
         PcmFormat(3, 48000, 16),
         {{"axml", TextBytes(kAdm)},
          {"chna", Chna({{1, "AT_00011001_01"}, {2, "AT_00011002_01"}, {3, "AT_00010003_01"}})}},
         {"RoomCentricLeft", "PCM_R", "AT_00010003_01"}},
        {"ChnaWithoutDocument",
         PcmFormat(2, 48000, 16),
         {{"chna", Chna({{2, "AT_00010002_01"}})}},
         {"1", "AT_00010002_01"}},
    };
}

TEST(ChannelNamesTest, TakesTheFirstSourceThatNamesEachChannel) {
    const TempDir dir;
    for (const NamesRow& row : Rows()) {
        SCOPED_TRACE(row.name);
        std::vector<ChunkSpec> chunks = {{"fmt ", row.format}, {"data", Bytes(48, 0)}};
        chunks.insert(chunks.end(), row.more.begin(), row.more.end());
        const std::string path = dir.file("names.wav");
        writeFile(path, WaveFile(chunks));
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path));
        EXPECT_EQ(ChannelNames(root, static_cast<int>(row.names.size())), row.names);
    }
}

}  // namespace
