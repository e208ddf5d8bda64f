#pragma once
// The list of kinds handed down to the folders below it that ask about a chunk's kind: which
// field table a payload is read with, a kind's details, the payloads the check reads.

// Called once at start-up, before any load (by the registry's prototypes).
void HandKindsDown();
