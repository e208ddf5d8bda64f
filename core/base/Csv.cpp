#include "core/base/Csv.h"

namespace {

bool NeedsQuotes(const CString& strCell) {
    return strCell.find_first_of(",\"\r\n") != CString::npos;
}

CString Quoted(const CString& strCell) {
    CString strQuoted = "\"";
    for (const char c : strCell) {
        strQuoted += c;
        if (c == '"') {
            strQuoted += '"';
        }
    }
    return strQuoted + "\"";
}

// Walks the text once, cell by cell; every position is checked against the end before use.
class CsvReader {
public:
    CsvReader(const CString& strText, CsvTable& table) : m_text(strText), m_table(table) {}

    BOOL Read(CString& strError) {
        if (m_text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            m_nPos = 3;
        }
        while (m_nPos < m_text.size()) {
            if (!ReadRecord()) {
                strError = "line " + std::to_string(m_nErrorLine) + ": " + m_strError;
                return FALSE;
            }
        }
        return TRUE;
    }

private:
    bool ReadRecord() {
        const int nStartLine = m_nLine;
        CsvRow row;
        for (;;) {
            CString strCell;
            if (!ReadCell(strCell)) {
                return false;
            }
            row.push_back(std::move(strCell));
            if (m_nPos >= m_text.size() || m_text[m_nPos] != ',') {
                break;
            }
            ++m_nPos;
        }
        SkipLineEnd();
        if (row.size() > 1 || !row.front().empty()) {
            m_table.rows.push_back(std::move(row));
            m_table.lines.push_back(nStartLine);
        }
        return true;
    }

    bool ReadCell(CString& strCell) {
        if (m_nPos < m_text.size() && m_text[m_nPos] == '"') {
            return ReadQuotedCell(strCell);
        }
        while (m_nPos < m_text.size() && !IsCellEnd(m_text[m_nPos])) {
            if (m_text[m_nPos] == '"') {
                return Fail(m_nLine, "a quote inside a cell that does not start with one");
            }
            strCell += m_text[m_nPos++];
        }
        return true;
    }

    bool ReadQuotedCell(CString& strCell) {
        const int nOpenLine = m_nLine;
        ++m_nPos;
        for (;;) {
            if (m_nPos >= m_text.size()) {
                return Fail(nOpenLine, "a quoted cell is never closed");
            }
            const char c = m_text[m_nPos++];
            if (c == '"' && m_nPos < m_text.size() && m_text[m_nPos] == '"') {
                strCell += '"';
                ++m_nPos;
            } else if (c == '"') {
                break;
            } else {
                m_nLine += c == '\n' ? 1 : 0;
                strCell += c;
            }
        }
        if (m_nPos < m_text.size() && !IsCellEnd(m_text[m_nPos])) {
            return Fail(m_nLine, "text after the closing quote of a cell");
        }
        return true;
    }

    static bool IsCellEnd(char c) { return c == ',' || c == '\r' || c == '\n'; }

    void SkipLineEnd() {
        if (m_nPos < m_text.size() && m_text[m_nPos] == '\r') {
            ++m_nPos;
        }
        if (m_nPos < m_text.size() && m_text[m_nPos] == '\n') {
            ++m_nPos;
        }
        ++m_nLine;
    }

    bool Fail(int nLine, const char* reason) {
        m_nErrorLine = nLine;
        m_strError = reason;
        return false;
    }

    const CString& m_text;
    CsvTable& m_table;
    std::size_t m_nPos = 0;
    int m_nLine = 1;
    int m_nErrorLine = 0;
    CString m_strError;
};

}  // namespace

CString CsvRecord(const CsvRow& row) {
    CString strRecord;
    for (std::size_t i = 0; i < row.size(); ++i) {
        strRecord += (i > 0 ? "," : "") + (NeedsQuotes(row[i]) ? Quoted(row[i]) : row[i]);
    }
    return strRecord + "\r\n";
}

BOOL ParseCsv(const CString& strText, CsvTable& table, CString& strError) {
    return CsvReader(strText, table).Read(strError);
}
