// The save benchmark's program, run with no window:
//   ovalis_save_bench make FILE BYTES   writes a PCM WAVE file of BYTES bytes whose samples are a
//                                       hole, so it takes no room on disk;
//   ovalis_save_bench save FILE         loads FILE and saves it over itself.

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/chunks/RiffChunkModel.h"
#include "core/file/RiffSave.h"

namespace {

constexpr unsigned long long kHeaderSize = 44;
constexpr unsigned long long kLargestFile = 0xFFFFFFFFULL;

void PutLe(unsigned char* pBytes, unsigned long long value, int nBytes) {
    for (int i = 0; i < nBytes; ++i) {
        pBytes[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

int Make(const char* pszPath, unsigned long long nSize) {
    if (nSize < kHeaderSize || nSize > kLargestFile || nSize % 2 != 0) {
        std::fprintf(stderr, "the size must be even, from 44 bytes to 4 GiB\n");
        return 2;
    }
    unsigned char header[kHeaderSize];
    std::memcpy(header, "RIFF\0\0\0\0WAVEfmt \x10\0\0\0", 20);
    PutLe(header + 4, nSize - 8, 4);
    PutLe(header + 20, 1, 2);          // PCM
    PutLe(header + 22, 2, 2);          // stereo
    PutLe(header + 24, 48000, 4);      // samples per second
    PutLe(header + 28, 48000 * 4, 4);  // bytes per second
    PutLe(header + 32, 4, 2);          // block align
    PutLe(header + 34, 16, 2);         // bits per sample
    std::memcpy(header + 36, "data", 4);
    PutLe(header + 40, nSize - kHeaderSize, 4);
    const int fd = ::open(pszPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool bMade = fd >= 0 && ::write(fd, header, sizeof header) == sizeof header &&
                       ::ftruncate(fd, static_cast<off_t>(nSize)) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    if (!bMade) {
        std::perror(pszPath);
        return 1;
    }
    return 0;
}

int Save(const char* pszPath) {
    CRiffChunkModel root;
    if (!root.Load(pszPath)) {
        std::fprintf(stderr, "%s does not load: %s\n", pszPath, root.LoadFailure().c_str());
        return 1;
    }
    const CString strFailure = SaveTree(root, pszPath, {});
    if (!strFailure.empty()) {
        std::fprintf(stderr, "%s\n", strFailure.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "make" && argc == 4) {
        return Make(argv[2], std::strtoull(argv[3], nullptr, 10));
    }
    if (command == "save" && argc == 3) {
        return Save(argv[2]);
    }
    std::fprintf(stderr, "usage: %s make FILE BYTES | save FILE\n", argv[0]);
    return 2;
}
