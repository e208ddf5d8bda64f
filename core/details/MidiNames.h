#pragma once
// The names a sampler's MIDI numbers stand for: notes, and the manufacturers of the MIDI
// Manufacturers Association's list.

#include "core/base/Types.h"

// "60 (C4)": the number with its note name, middle C being C4; the number alone past 127.
CString NoteText(DWORD dwNote);
// A sampler chunk's Manufacturer: its high byte counts the code's bytes (1 or 3) below it. "0x47:
// Akai", "00 00 0E: Alesis", "none" for 0; the code alone when its maker is not in the list.
CString ManufacturerText(DWORD dwManufacturer);
