#include "cli/ExportCommand.h"

#include <algorithm>
#include <iostream>

#include "cli/Batch.h"
#include "cli/Csv.h"
#include "cli/FileReport.h"
#include "cli/LoadedFile.h"

namespace {

// The cells of the file's first bext chunk; empty cells for a file without one.
CsvRow ExportRow(CLoadedFile& file) {
    CsvRow row{file.Path()};
    const auto& chunks = file.Chunks();
    const auto bext = std::find_if(chunks.begin(), chunks.end(), [](const ShownChunk& chunk) {
        return chunk.page == PageKind::Bext && chunk.pPage;
    });
    const std::vector<FieldValue> fields =
        bext == chunks.end() ? std::vector<FieldValue>() : FieldsOf(PageKind::Bext, *bext->pPage);
    for (const CString& strColumn : ExportColumns()) {
        const auto field = std::find_if(fields.begin(), fields.end(), [&](const FieldValue& f) {
            return f.pEntry->strName == strColumn;
        });
        row.push_back(field != fields.end() && field->text ? *field->text : CString());
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
    const int nExit = RunBatch(
        invocation.files,
        [](const CString& strPath) {
            CLoadedFile file(strPath);
            return FileOutcome{file.IsLoaded() ? CsvRecord(ExportRow(file)) : CString(),
                               file.Failure()};
        },
        [](const CString& strOut) { std::cout << strOut; });
    std::cout << std::flush;
    return nExit;
}
