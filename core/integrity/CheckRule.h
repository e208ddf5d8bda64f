#pragma once
// What a rule of the check is and the readers the rules share: a rule looks at the raw layout of
// the file and says, for each place it finds, which chunk, which offset and what is wrong.

#include <cstdint>
#include <vector>

#include "core/fields/FieldLayout.h"
#include "core/fields/FormatRecord.h"
#include "core/integrity/FileCheck.h"
#include "core/integrity/RawLayout.h"

namespace check {

struct Spot {
    CString strChunk;
    std::int64_t nOffset;
    CString strSentence;
};

using Spots = std::vector<Spot>;

struct CheckInput {
    const RawLayout& layout;
    const CString& strPath;
    const WorkProgress& progress;
    CString* pCancelled;
    // The first fmt chunk's record, read once for every rule; it holds nothing without one.
    const FormatRecord& format;
};

struct CheckRule {
    const char* name;  // the rule's id, stable across versions, for scripts
    Severity severity;
    Spots (*find)(const CheckInput& input);
};

const FieldLayout& BextField(const char* pszName);
std::int64_t BextNumber(const std::vector<BYTE>& b, const char* pszName);
// Where a bext field starts in the file.
std::int64_t BextFieldOffset(const RawChunk& bext, const char* pszName);
// The fixed part of the payload: everything before the coding history.
std::size_t BextFixed();
// The first bext chunk when it holds the whole fixed part, else null.
const RawChunk* FullBext(const CheckInput& in);

CString Text(std::int64_t n);
// "1 byte", "12 bytes".
CString Bytes(std::int64_t n);

bool IsEmpty(const std::vector<BYTE>& b, std::size_t nAt, std::size_t nCount);
// A fixed text field as a sentence may quote it: up to its first zero byte, other control
// bytes as '?'.
CString FieldText(const std::vector<BYTE>& b, std::size_t nAt, std::size_t nCount);
// The bext text field as a sentence quotes it.
CString BextText(const RawChunk& bext, const char* pszName);
// Whether the bytes at nAt read as the pattern: a digit at each '9', at each other character a
// separator (one of "-_: .") when bAnySeparator, else that very character.
bool Matches(const std::vector<BYTE>& b, std::size_t nAt, const CString& strPattern,
             bool bAnySeparator = true);

}  // namespace check
