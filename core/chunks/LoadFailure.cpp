#include "core/chunks/LoadFailure.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkId.h"

namespace {

struct Header {
    CString strId;
    DWORD dwSize = 0;
};

// The 8 header bytes at offset, or nothing when fewer are there.
std::optional<Header> ReadHeader(const CString& strPath, std::int64_t offset) {
    std::ifstream file(strPath, std::ios::binary);
    char bytes[8];
    if (!file.seekg(static_cast<std::streamoff>(offset)) || !file.read(bytes, sizeof bytes)) {
        return std::nullopt;
    }
    const auto dwSize = static_cast<DWORD>(
        LittleEndianOr0(ByteSpan(reinterpret_cast<const BYTE*>(bytes), sizeof bytes), 4, 4));
    return Header{IdText(bytes), dwSize};
}

}  // namespace

CString ExplainOpenFailure(const CString& strPath) {
    std::error_code error;
    const auto status = std::filesystem::status(strPath, error);
    if (error && error != std::errc::no_such_file_or_directory &&
        error != std::errc::not_a_directory) {
        return "stat of the path failed: " + error.message();
    }
    if (!std::filesystem::exists(status)) {
        return "no such file";
    }
    if (std::filesystem::is_directory(status)) {
        return "is a folder, not a file";
    }
    if (!std::filesystem::is_regular_file(status)) {
        return "not a regular file";
    }
    const int fd = ::open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return CString("cannot be opened for reading (") + std::strerror(errno) + ")";
    }
    ::close(fd);
    return "cannot be opened";
}

CString ExplainWalkFailure(const CString& strPath, std::int64_t offset, std::int64_t fileSize) {
    const CString strOffset = std::to_string(offset);
    if (offset >= fileSize) {
        return "the chunk walk failed after offset " + strOffset;
    }
    const std::int64_t left = fileSize - offset;
    const std::optional<Header> header = ReadHeader(strPath, offset);
    if (left < 8 || !header) {
        return std::to_string(left) + " stray bytes at offset " + strOffset +
               ", too few for a chunk header";
    }
    if (header->dwSize > left - 8) {
        return "chunk '" + header->strId + "' at offset " + strOffset + " declares " +
               std::to_string(header->dwSize) + " bytes but only " + std::to_string(left - 8) +
               " follow";
    }
    return "chunk '" + header->strId + "' at offset " + strOffset + " cannot be read";
}

CString ExplainEmptyTree(const CString& strPath, std::int64_t fileSize) {
    if (fileSize == 0) {
        return "empty file, not a RIFF WAVE file";
    }
    std::ifstream file(strPath, std::ios::binary);
    char bytes[12];
    if (fileSize < static_cast<std::int64_t>(sizeof bytes) || !file.read(bytes, sizeof bytes)) {
        return "only " + std::to_string(fileSize) + " bytes, too short for a RIFF WAVE header";
    }
    if (std::memcmp(bytes, "RIFX", 4) == 0) {
        return "a big-endian RIFX file, which Ovalis cannot read: only little-endian RIFF, RF64 "
               "and BW64 forms";
    }
    if (std::memcmp(bytes, "ID3", 3) == 0) {
        return "starts with an ID3 tag, which Ovalis cannot read: the file must start with its "
               "RIFF form";
    }
    if (std::memcmp(bytes, "RIFF", 4) != 0 && std::memcmp(bytes, "RF64", 4) != 0 &&
        std::memcmp(bytes, "BW64", 4) != 0) {
        return "not a RIFF WAVE file: it starts with '" + IdText(bytes) + "', not 'RIFF'";
    }
    if (std::memcmp(bytes + 8, "WAVE", 4) != 0) {
        return "a " + IdText(bytes) + " form of type '" + IdText(bytes + 8) + "', not 'WAVE'";
    }
    return "no chunks after the RIFF WAVE header";
}
