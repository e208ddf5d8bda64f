#pragma once
// The wait cursor for the life of the object: shown on construction, the previous cursor back on
// destruction, on every path out of the scope. Nested objects nest.

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    bool m_bShown;
};
