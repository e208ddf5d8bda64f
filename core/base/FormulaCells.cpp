#include "core/base/FormulaCells.h"

namespace {

bool StartsFormula(char c) {
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

bool IsQuotedFormula(const CString& strText) {
    return strText.size() >= 2 && strText[0] == '\'' &&
           (StartsFormula(strText[1]) || strText[1] == '\'');
}

}  // namespace

CString ExportedCell(const CString& strText) {
    if ((!strText.empty() && StartsFormula(strText[0])) || IsQuotedFormula(strText)) {
        return "'" + strText;
    }
    return strText;
}

CString ImportedCell(const CString& strCell) {
    return IsQuotedFormula(strCell) ? strCell.substr(1) : strCell;
}
