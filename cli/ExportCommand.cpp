#include "cli/ExportCommand.h"

#include <algorithm>
#include <iostream>

#include "cli/Batch.h"
#include "cli/Csv.h"
#include "cli/FormulaCells.h"
#include "cli/LoadedFile.h"
#include "cli/TablePaths.h"
#include "core/fields/BextFields.h"
#include "core/fields/ChunkFields.h"
#include "core/fields/FieldCodec.h"

namespace {

// The cells of the file's first bext chunk; empty cells for a file without one.
CsvRow ExportRow(const CLoadedFile& file) {
    CsvRow row{ExportedCell(AbsolutePath(file.Path()))};
    const auto& chunks = file.Chunks();
    const auto bext = std::find_if(chunks.begin(), chunks.end(), [](const CChunk* pChunk) {
        return FieldTableOf(*pChunk) == &kBextFields;
    });
    for (const CString& strColumn : ExportColumns()) {
        const FieldLayout* pField = kBextFields.Find(strColumn);
        const std::optional<CString> text =
            bext == chunks.end() ? std::nullopt : ReadFieldText(**bext, *pField);
        row.push_back(ExportedCell(text.value_or(CString())));
    }
    return row;
}

}  // namespace

const std::vector<CString>& ExportColumns() {
    static const std::vector<CString> columns = {
        "Description",     "Originator",       "OriginatorReference", "OriginationDate",
        "OriginationTime", "TimeReferenceLow", "TimeReferenceHigh",   "CodingHistory",
    };
    return columns;
}

int RunExport(const Invocation& invocation) {
    CsvRow header{"path"};
    header.insert(header.end(), ExportColumns().begin(), ExportColumns().end());
    std::cout << CsvRecord(header);
    const int nExit = RunBatch(invocation.files, [](const CString& strPath) {
        const CLoadedFile file(strPath);
        if (file.IsLoaded()) {
            std::cout << CsvRecord(ExportRow(file));
        }
        return file.Failure();
    });
    std::cout << std::flush;
    return nExit;
}
