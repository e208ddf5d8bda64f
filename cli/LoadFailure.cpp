#include "cli/LoadFailure.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "cli/ChunkId.h"
#include "model/RiffChunk.h"

namespace {

using Offset = std::uintmax_t;

struct Header {
    CString strId;
    DWORD dwSize = 0;
};

CString OffsetText(Offset offset) {
    return std::to_string(offset);
}

// The 8 header bytes at offset, or nothing when fewer are there.
std::optional<Header> ReadHeader(const CString& strPath, Offset offset) {
    std::ifstream file(strPath, std::ios::binary);
    char bytes[8];
    if (!file.seekg(static_cast<std::streamoff>(offset)) || !file.read(bytes, sizeof bytes)) {
        return std::nullopt;
    }
    DWORD dwSize = 0;
    AddLittleEndian(&dwSize, reinterpret_cast<const BYTE*>(bytes + 4), 4);
    return Header{IdText(bytes), dwSize};
}

CString OpenFailure(const CString& strPath) {
    std::error_code error;
    const auto status = std::filesystem::status(strPath, error);
    if (!std::filesystem::exists(status)) {
        return "no such file";
    }
    if (std::filesystem::is_directory(status)) {
        return "is a folder, not a file";
    }
    if (!std::filesystem::is_regular_file(status)) {
        return "not a regular file";
    }
    const int fd = ::open(strPath.c_str(), O_RDWR);
    if (fd < 0) {
        return CString("cannot be opened for reading and writing (") + std::strerror(errno) +
               "), as every file is opened for editing";
    }
    ::close(fd);
    return CString();
}

CString NoWaveForm(const CString& strPath, Offset fileSize) {
    if (fileSize == 0) {
        return "empty file, not a RIFF WAVE file";
    }
    std::ifstream file(strPath, std::ios::binary);
    char bytes[12];
    if (fileSize < sizeof bytes || !file.read(bytes, sizeof bytes)) {
        return "only " + std::to_string(fileSize) + " bytes, too short for a RIFF WAVE header";
    }
    if (std::memcmp(bytes, "RIFF", 4) != 0) {
        return "not a RIFF WAVE file: it starts with '" + IdText(bytes) + "', not 'RIFF'";
    }
    if (std::memcmp(bytes + 8, "WAVE", 4) != 0) {
        return "a RIFF form of type '" + IdText(bytes + 8) + "', not 'WAVE'";
    }
    return "no chunks after the RIFF WAVE header";
}

// Where the walk went on after the last chunk it read: past its data and pad byte.
Offset NextChunkOffset(const CRiffChunk& root) {
    if (root.IsEmpty()) {
        return 12;
    }
    const CChunk* pLast = root.GetChild(root.GetCount() - 1);
    const Offset end = Offset{pLast->m_ck.dwDataOffset} + pLast->m_ck.cksize;
    return end + (pLast->m_ck.cksize & 1);
}

CString WalkFailure(const CString& strPath, const CRiffChunk& root, Offset fileSize) {
    const Offset offset = NextChunkOffset(root);
    if (offset >= fileSize) {
        return "the chunk walk failed after offset " + OffsetText(offset);
    }
    const Offset left = fileSize - offset;
    const std::optional<Header> header = ReadHeader(strPath, offset);
    if (left < 8 || !header) {
        return std::to_string(left) + " stray bytes at offset " + OffsetText(offset) +
               ", too few for a chunk header";
    }
    if (header->dwSize > left - 8) {
        return "chunk '" + header->strId + "' at offset " + OffsetText(offset) + " declares " +
               std::to_string(header->dwSize) + " bytes but only " + std::to_string(left - 8) +
               " follow";
    }
    return "chunk '" + header->strId + "' at offset " + OffsetText(offset) + " cannot be read";
}

}  // namespace

CString ExplainLoadFailure(const CString& strPath, const CRiffChunk& root, BOOL bLoaded) {
    if (bLoaded && !root.IsEmpty()) {
        return CString();
    }
    if (CString strFailure = OpenFailure(strPath); !strFailure.empty()) {
        return strFailure;
    }
    std::error_code error;
    const Offset fileSize = std::filesystem::file_size(strPath, error);
    if (error) {
        return "cannot be read (" + error.message() + ")";
    }
    return bLoaded ? NoWaveForm(strPath, fileSize) : WalkFailure(strPath, root, fileSize);
}
