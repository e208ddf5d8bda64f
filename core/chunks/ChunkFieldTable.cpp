#include "core/chunks/ChunkFieldTable.h"

#include <atomic>

namespace {

// Set before the first load; loads on several threads read it.
std::atomic<FieldTableLookup> g_lookup{nullptr};

}  // namespace

const FieldTable* FieldTableOf(const CChunk& chunk) {
    const FieldTableLookup lookup = g_lookup.load(std::memory_order_acquire);
    return lookup ? lookup(chunk) : nullptr;
}

void SetFieldTableLookup(FieldTableLookup lookup) {
    g_lookup.store(lookup, std::memory_order_release);
}
