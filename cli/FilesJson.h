#pragma once
// A document {"files": [...]} written one file at a time, each file's long lists one item at a
// time, as nlohmann's dump with an indent of 2 writes the whole document: a file of many markers
// never holds them all as JSON values.

#include <cstddef>
#include <functional>
#include <nlohmann/json.hpp>
#include <ostream>
#include <utility>
#include <vector>

#include "core/base/Types.h"

class CFilesJson {
public:
    using Json = nlohmann::json;

    // Writes the document's opening.
    explicit CFilesJson(std::ostream& out);

    // A file's object; its members follow in the order of their keys, as the dump sorts them.
    void BeginFile();
    void Member(const CString& strKey, const Json& value);
    // A member whose value is a list of nCount items, each made when it is written.
    void ListMember(const CString& strKey, std::size_t nCount,
                    const std::function<Json(std::size_t)>& item);
    // A member whose value is an object of texts, from name and text pairs in any order: written
    // by name, the last text of a name kept, as a JSON object holds them.
    void TextsMember(const CString& strKey, std::vector<std::pair<CString, CString>> texts);
    void EndFile();
    // Writes the document's end.
    void Finish();

private:
    void Key(const CString& strKey);

    std::ostream& m_out;
    bool m_bAnyFile = false;
    bool m_bAnyMember = false;
};
