#pragma once
// What the Check's writes say before they change a file: the values they will store and where,
// asked as OK or Cancel.

#include "core/integrity/LoudnessMeter.h"
#include "core/integrity/Md5.h"

class CChunk;

// The five loudness fields as the bext chunk will hold them, and its version before and after.
CString LoudnessQuestion(const CString& strPath, const CChunk& bext, const LoudnessValues& values);
// The checksum and whether it replaces a stored one or goes into a new "MD5 " chunk.
CString ChecksumQuestion(const CString& strPath, const Md5Digest& digest, bool bReplaces);
