#pragma once
// The "MD5 " chunk: 16 bytes, the MD5 of the data chunk's payload, placed after the data chunk.

#include <optional>

#include "core/integrity/Md5.h"

class CChunk;
class CRiffChunkModel;

inline constexpr const char* kChecksumChunkId = "MD5 ";

enum class ChecksumState { Matches, Differs, NotStored };

// The top-level "MD5 " chunk, or null.
CChunk* ChecksumChunkOf(const CRiffChunkModel& root);
// The checksum the file holds; nothing without a chunk of 16 bytes or more.
std::optional<Md5Digest> StoredChecksum(const CRiffChunkModel& root);
ChecksumState StateOf(const std::optional<Md5Digest>& stored, const Md5Digest& computed);
// "matches", "differs", "no checksum stored".
CString StateText(ChecksumState state);
// Stores the digest in the tree's "MD5 " chunk, adding one after the data chunk when there is
// none; a save writes it. Empty when stored; else why not.
CString EmbedChecksum(CRiffChunkModel& root, const Md5Digest& digest);
