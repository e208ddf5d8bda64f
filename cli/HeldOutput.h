#pragma once
// Standard output of the file a thread works on. While a CHeldOutput lives on a thread, what the
// thread prints is held in it instead, so that files worked on together are written in the
// order they were named.

#include <ostream>
#include <sstream>

#include "core/base/Types.h"

// Where the thread prints: its held output, or standard output.
std::ostream& FileOutput();

class CHeldOutput {
public:
    CHeldOutput();
    ~CHeldOutput();
    CHeldOutput(const CHeldOutput&) = delete;
    CHeldOutput& operator=(const CHeldOutput&) = delete;

    CString Text() const { return m_text.str(); }

private:
    std::ostringstream m_text;
    std::ostream* m_pOuter;
};
