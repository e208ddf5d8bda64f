// Writes the seeds that the tests' own writers make into the folder given: the broken-file
// corpus and a few well-formed files of every chunk kind.

#include <cstdio>
#include <exception>
#include <string>

#include "RiffWriter.h"
#include "corpus/BrokenFiles.h"

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;

testfiles::BextFields LongBext() {
    testfiles::BextFields fields;
    fields.description = "sSPEED=025.000-ND\r\nsTAKE=03\r\nsSCENE=12A\r\n";
    fields.originator = "Field recorder";
    fields.originatorReference = "USREC0000000000000001";
    fields.originationDate = "2024-05-06";
    fields.originationTime = "07:08:09";
    fields.timeReferenceLow = 0x12345678;
    fields.timeReferenceHigh = 1;
    fields.version = 2;
    fields.codingHistory =
        "A=PCM,F=48000,W=24,M=stereo,T=recorder\r\nA=PCM,F=48000,W=24,M=stereo\r\n";
    return fields;
}

Bytes MpegFile() {
    const Bytes fmt = testfiles::MpegFormat();
    return testfiles::WaveFile({{"bext", testfiles::BextPayload(LongBext())},
                                {"fmt ", fmt},
                                {"fact", ByteBuilder().le32(1152)},
                                {"mext", ByteBuilder().le16(5).le16(576).le16(0).le16(0).le32(0)},
                                {"data", Bytes(96, 0x55)}});
}

Bytes ListAfterData() {
    const Bytes info = ByteBuilder()
                           .text("INFO")
                           .text("ISFT")
                           .le32(7)
                           .text("Ovalis")
                           .zeros(2)
                           .text("ICMT")
                           .le32(4)
                           .text("take");
    return testfiles::WaveFile({{"fmt ", testfiles::PcmFormat(2, 44100, 16)},
                                {"data", Bytes(40, 0x11)},
                                {"LIST", info},
                                {"JUNK", Bytes(3, 0)}});
}

// What the detail tables read: an extensible format, an iXML document, cue points with their
// adtl labels, and INFO text.
Bytes DetailedFile() {
    const Bytes extensible = ByteBuilder()
                                 .le16(0xFFFE)
                                 .le16(2)
                                 .le32(48000)
                                 .le32(288000)
                                 .le16(6)
                                 .le16(24)
                                 .le16(22)
                                 .le16(24)
                                 .le32(3)
                                 .le32(1)
                                 .le16(0)
                                 .le16(0x10)
                                 .text(std::string("\x80\x00\x00\xAA\x00\x38\x9B\x71", 8));
    const std::string ixml =
        "<?xml version=\"1.0\"?><BWFXML><PROJECT>P</PROJECT><SCENE>1</SCENE><TAKE>2</TAKE>"
        "<SPEED><TIMECODE_RATE>30000/1001</TIMECODE_RATE><TIMECODE_FLAG>DF</TIMECODE_FLAG>"
        "</SPEED><TRACK_LIST><TRACK><CHANNEL_INDEX>1</CHANNEL_INDEX><NAME>Boom</NAME></TRACK>"
        "</TRACK_LIST></BWFXML>";
    const Bytes cue = ByteBuilder()
                          .le32(2)
                          .le32(1)
                          .le32(0)
                          .text("data")
                          .le32(0)
                          .le32(0)
                          .le32(12)
                          .le32(2)
                          .le32(0)
                          .text("data")
                          .le32(0)
                          .le32(0)
                          .le32(24);
    const Bytes adtl = ByteBuilder()
                           .text("adtl")
                           .text("labl")
                           .le32(9)
                           .le32(1)
                           .text("Clap")
                           .zeros(2)
                           .text("ltxt")
                           .le32(25)
                           .le32(2)
                           .le32(6)
                           .zeros(16)
                           .text("R")
                           .zeros(1);
    const Bytes info = ByteBuilder().text("INFO").text("ICRD").le32(5).text("2024").zeros(2);
    return testfiles::WaveFile({{"fmt ", extensible},
                                {"iXML", Bytes(ixml.begin(), ixml.end())},
                                {"cue ", cue},
                                {"LIST", adtl},
                                {"LIST", info},
                                {"data", Bytes(36, 0x22)}});
}

bool Write(const std::string& strFolder, const std::string& strName, const Bytes& bytes) {
    try {
        testfiles::writeFile(strFolder + "/" + strName, bytes);
        return true;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return false;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string strFolder = argv[1];
    bool bWritten =
        Write(strFolder, "writer-broadcast-wave.wav", testfiles::BroadcastWave(LongBext(), 64)) &&
        Write(strFolder, "writer-mpeg.wav", MpegFile()) &&
        Write(strFolder, "writer-list-after-data.wav", ListAfterData()) &&
        Write(strFolder, "writer-details.wav", DetailedFile());
    for (const corpus::BrokenFile& file : corpus::BrokenFiles()) {
        bWritten = bWritten && Write(strFolder, "corpus-" + file.name, file.bytes);
    }
    return bWritten ? 0 : 1;
}
