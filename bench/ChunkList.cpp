// Loads a WAVE file with the chunk model and prints its chunk list, then what the load asked of
// the file: the load benchmark's program, timed as a whole process like the tools it is set
// against.

#include <cinttypes>
#include <cstdio>

#include "core/chunks/RiffChunkModel.h"
#include "core/io/MmioSeam.h"

namespace {

void PrintId(FOURCC ckid) {
    for (int i = 0; i < 4; ++i) {
        const auto c = static_cast<unsigned char>(ckid >> (8 * i));
        std::putchar(c >= 0x20 && c <= 0x7E ? c : '?');
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.wav\n", argv[0]);
        return 2;
    }
    mmioResetCounters();
    CRiffChunkModel root;
    const BOOL bLoaded = root.Load(argv[1]);
    for (CObject* pObject : root) {
        const MMCKINFO& ck = static_cast<const CChunk*>(pObject)->m_ck;
        PrintId(ck.ckid);
        std::printf(" %10" PRId64 " bytes at %" PRId64 "\n", ck.llDataSize, ck.llDataOffset - 8);
    }
    const MmioCounters& counters = mmioCounters();
    std::printf("%d chunks, %s; %" PRId64 " bytes read in %" PRId64 " reads, %" PRId64 " seeks\n",
                root.GetCount(), bLoaded ? "loaded" : "load failed", counters.bytesRead,
                counters.reads, counters.seeks);
    return bLoaded ? 0 : 1;
}
