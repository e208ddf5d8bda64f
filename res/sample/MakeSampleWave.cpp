// Writes a small Broadcast Wave file to the path given: a second and a half of a 440 Hz tone,
// 16-bit mono at 22050 Hz, with bext, fmt, LIST and data chunks, so the viewer has a file to show.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kSampleRate = 22050;
constexpr double kSeconds = 1.5;
constexpr double kFrequency = 440.0;

void Le16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Le32(Bytes& bytes, std::uint32_t value) {
    Le16(bytes, static_cast<std::uint16_t>(value));
    Le16(bytes, static_cast<std::uint16_t>(value >> 16));
}

// A fixed-width text field, zero-filled.
void Field(Bytes& bytes, const std::string& text, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        bytes.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
    }
}

void Chunk(Bytes& file, const std::string& id, const Bytes& payload) {
    Field(file, id, 4);
    Le32(file, static_cast<std::uint32_t>(payload.size()));
    file.insert(file.end(), payload.begin(), payload.end());
    if (payload.size() % 2 == 1) {
        file.push_back(0);
    }
}

Bytes Bext() {
    Bytes bytes;
    Field(bytes, "Ovalis sample: a 440 Hz tone of one and a half seconds.", 256);
    Field(bytes, "Ovalis", 32);
    Field(bytes, "OVALIS-SAMPLE-0001", 32);
    Field(bytes, "2024-05-01", 10);
    Field(bytes, "12:00:00", 8);
    Le32(bytes, 0);  // time reference, low and high
    Le32(bytes, 0);
    Le16(bytes, 1);  // version
    bytes.resize(602, 0);
    const std::string history = "A=PCM,F=22050,W=16,M=mono,T=Ovalis sample generator\r\n";
    Field(bytes, history, history.size());
    return bytes;
}

Bytes Format() {
    Bytes bytes;
    Le16(bytes, 1);  // PCM
    Le16(bytes, 1);  // mono
    Le32(bytes, kSampleRate);
    Le32(bytes, kSampleRate * 2);
    Le16(bytes, 2);
    Le16(bytes, 16);
    return bytes;
}

Bytes Info() {
    Bytes bytes;
    Field(bytes, "INFO", 4);
    const std::string name = "Ovalis sample tone";
    Field(bytes, "INAM", 4);
    Le32(bytes, static_cast<std::uint32_t>(name.size() + 1));
    Field(bytes, name, name.size() + 2);  // terminator and pad byte
    return bytes;
}

Bytes Samples() {
    Bytes bytes;
    const auto nSamples = static_cast<std::size_t>(kSampleRate * kSeconds);
    for (std::size_t i = 0; i < nSamples; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // Short fades at both ends, so the tone starts and stops without a click.
        const double fade = std::min({1.0, t / 0.05, (kSeconds - t) / 0.05});
        const double value = 0.4 * fade * std::sin(2.0 * std::numbers::pi * kFrequency * t);
        Le16(bytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(value * 32767.0)));
    }
    return bytes;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.wav\n", argv[0]);
        return 2;
    }
    Bytes body;
    Field(body, "WAVE", 4);
    Chunk(body, "bext", Bext());
    Chunk(body, "fmt ", Format());
    Chunk(body, "LIST", Info());
    Chunk(body, "data", Samples());
    Bytes file;
    Field(file, "RIFF", 4);
    Le32(file, static_cast<std::uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
