#pragma once
// What the user allows a save beyond its rules.

struct SaveOptions {
    // A replaced file that cannot keep its owner becomes this user's (else the save is refused).
    bool bMayTakeOver = false;
    // The whole file is written anew even where the metadata could be written in place.
    bool bWholeFile = false;
};
