#pragma once
// The address under which Qt's player opens a local file. Qt hands the player that address as
// text, which cannot carry a name that is not valid UTF-8; such a file is opened here and reached
// through its descriptor's name in /proc instead, for as long as this object holds it.

#include <QUrl>

#include "core/base/Types.h"

class LocalFileSource {
public:
    LocalFileSource() = default;
    ~LocalFileSource();
    LocalFileSource(const LocalFileSource&) = delete;
    LocalFileSource& operator=(const LocalFileSource&) = delete;

    // The address of the file at strPath (its own bytes), or an empty one when it cannot be
    // opened. Lets go of the file held before.
    QUrl Open(const CString& strPath);
    // Lets go of the file held, if any.
    void Close();

private:
    int m_nHandle = -1;
};
