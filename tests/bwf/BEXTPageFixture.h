#pragma once
// A broadcast extension chunk read from a test file, with its page created as loading creates it.

#include <gtest/gtest.h>

#include "BwfTestHelpers.h"
#include "bwf/BEXTChunk.h"

namespace bwftest {

// Every field a different text, so that a swapped offset shows; the reserved bytes a pattern.
inline testfiles::BextFields DistinctFields() {
    return {.description = "A description of the take",
            .originator = "Originating station",
            .originatorReference = "REF-0042-ORIG",
            .originationDate = "2024-05-06",
            .originationTime = "07:08:09",
            .timeReferenceLow = 0x12345678,
            .timeReferenceHigh = 0x9ABCDEF0,
            .version = 2,
            .codingHistory = "A=PCM,F=48000,W=24,M=stereo,T=original"};
}

inline Bytes DistinctPayload() {
    Bytes payload = testfiles::BextPayload(DistinctFields());
    for (std::size_t i = 348; i < 602; ++i) {
        payload[i] = static_cast<std::uint8_t>(i * 13 + 1);
    }
    return payload;
}

class BEXTPageTest : public ::testing::Test {
protected:
    CBEXTPropertyPage& Show(const Bytes& payload) {
        m_chunk = ReadChunk<CBEXTChunk>(payload, "bext");
        return static_cast<CBEXTPropertyPage&>(*m_chunk->CreatePage(nullptr));
    }
    CBEXTPropertyPage& Page() { return m_chunk->m_page; }
    // The payload after the page stored its values, as a save does.
    Bytes Saved() {
        Page().UpdateChunk();
        return Payload(*m_chunk);
    }

    std::unique_ptr<CBEXTChunk> m_chunk;
};

inline Bytes Slice(const Bytes& bytes, std::size_t nOffset, std::size_t nLength) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(nOffset),
                 bytes.begin() + static_cast<std::ptrdiff_t>(nOffset + nLength));
}

// nWidth bytes: the text, then zeros.
inline Bytes Field(std::string_view text, std::size_t nWidth) {
    Bytes bytes(text.begin(), text.end());
    bytes.resize(nWidth, 0);
    return bytes;
}

}  // namespace bwftest
