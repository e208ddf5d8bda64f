#pragma once
// The corpus of broken files: each file's bytes, made with the test RIFF writer, beside the
// outcome of opening it.

#include <string>
#include <vector>

#include "TestFiles.h"

namespace corpus {

struct BrokenFile {
    std::string name;  // also its file name in a corpus folder
    testfiles::Bytes bytes;
    bool bLoads;                    // what Load returns
    std::vector<std::string> tabs;  // the names of the top-level chunks the tree keeps, in order
    bool bMessage;  // a message box comes up while it is opened, shown or saved under a new name
};

std::vector<BrokenFile> BrokenFiles();

}  // namespace corpus
