#include "core/edit/TypedValues.h"

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/edit/DerivedValues.h"
#include "core/edit/ValueRule.h"
#include "core/fields/PositiveInteger.h"
#include "core/io/Mmio.h"

namespace {

// The chunk's payload with the typed numbers in it, as a save of the page would leave it.
std::vector<BYTE> PayloadWithNumbers(const CChunk& chunk, const std::vector<TypedValue>& typed) {
    const ByteSpan payload = chunk.Payload();
    std::vector<BYTE> bytes(payload.begin(), payload.end());
    for (const TypedValue& value : typed) {
        const std::optional<DWORD> number =
            IsNumeric(*value.pField) ? ParsePositiveInteger(value.strText) : std::nullopt;
        if (number) {
            WriteNumber(bytes.data(), static_cast<DWORD>(bytes.size()), *value.pField, *number);
        }
    }
    return bytes;
}

}  // namespace

std::vector<CString> TypedValueProblems(const CChunk& chunk, const std::vector<TypedValue>& typed) {
    std::vector<CString> problems;
    for (const TypedValue& value : typed) {
        const ValueAnswer answer = FieldRuleAnswer(chunk, *value.pField, value.strText);
        if (answer.verdict != ValueVerdict::Stored) {
            problems.push_back(answer.reason);
        }
    }
    if (typed.empty() || chunk.m_ck.ckid != mmioStringToFOURCC("fmt ", 0)) {
        return problems;
    }
    const std::vector<BYTE> after = PayloadWithNumbers(chunk, typed);
    for (CString& strDisagreement :
         DisagreementsLeft(DerivedDisagreements(chunk.Payload()), DerivedDisagreements(after))) {
        problems.push_back(std::move(strDisagreement));
    }
    return problems;
}
