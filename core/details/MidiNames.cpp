#include "core/details/MidiNames.h"

#include <cstdio>

namespace {

struct Maker {
    DWORD code;     // one byte, or three as 0x00hhll
    bool extended;  // a three-byte code, whose first byte is 0
    const char* name;
};

// The most common makers of samplers and of the programs that write sampler chunks.
constexpr Maker kMakers[] = {
    {0x01, false, "Sequential Circuits"},
    {0x04, false, "Moog"},
    {0x06, false, "Lexicon"},
    {0x07, false, "Kurzweil"},
    {0x0F, false, "Ensoniq"},
    {0x10, false, "Oberheim"},
    {0x11, false, "Apple"},
    {0x13, false, "Digidesign"},
    {0x18, false, "E-mu"},
    {0x1C, false, "Eventide"},
    {0x40, false, "Kawai"},
    {0x41, false, "Roland"},
    {0x42, false, "Korg"},
    {0x43, false, "Yamaha"},
    {0x44, false, "Casio"},
    {0x47, false, "Akai"},
    {0x4C, false, "Sony"},
    {0x4E, false, "Teac"},
    {0x51, false, "Fostex"},
    {0x52, false, "Zoom"},
    {0x7D, false, "non-commercial use"},
    {0x00000E, true, "Alesis"},
    {0x002109, true, "Native Instruments"},
};

const char* MakerName(DWORD dwCode, bool bExtended) {
    for (const Maker& maker : kMakers) {
        if (maker.code == dwCode && maker.extended == bExtended) {
            return maker.name;
        }
    }
    return nullptr;
}

}  // namespace

CString NoteText(DWORD dwNote) {
    static const char* const kNames[] = {"C",  "C#", "D",  "D#", "E",  "F",
                                         "F#", "G",  "G#", "A",  "A#", "B"};
    if (dwNote > 127) {
        return std::to_string(dwNote);
    }
    return std::to_string(dwNote) + " (" + kNames[dwNote % 12] +
           std::to_string(static_cast<int>(dwNote / 12) - 1) + ")";
}

CString ManufacturerText(DWORD dwManufacturer) {
    if (dwManufacturer == 0) {
        return "none";
    }
    const DWORD dwBytes = dwManufacturer >> 24;
    const DWORD dwCode = dwManufacturer & 0xFFFFFF;
    const bool bExtended = dwBytes == 3 || dwCode > 0xFF;
    char text[32];
    if (bExtended) {
        std::snprintf(text, sizeof text, "%02X %02X %02X", (dwCode >> 16) & 0xFF,
                      (dwCode >> 8) & 0xFF, dwCode & 0xFF);
    } else {
        std::snprintf(text, sizeof text, "0x%02X", dwCode);
    }
    const char* pName = MakerName(dwCode, bExtended);
    return pName ? CString(text) + ": " + pName : CString(text) + ": not in Ovalis's list";
}
