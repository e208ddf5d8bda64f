#include "cli/TablePaths.h"

#include <filesystem>

namespace fs = std::filesystem;

CString AbsolutePath(const CString& strPath) {
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(strPath), error);
    return error ? strPath : absolute.lexically_normal().string();
}

CString PathFromTable(const CString& strPath, const CString& strTable) {
    const fs::path path(strPath);
    if (path.is_absolute() || strTable == "-") {
        return strPath;
    }
    return (fs::path(AbsolutePath(strTable)).parent_path() / path).lexically_normal().string();
}
