#include "cli/ExportCommand.h"

#include <algorithm>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <unordered_set>

#include "cli/Batch.h"
#include "cli/Diagnostics.h"
#include "cli/FilesJson.h"
#include "cli/LoadedFile.h"
#include "cli/TablePaths.h"
#include "core/base/Csv.h"
#include "core/base/FormulaCells.h"
#include "core/chunks/ChunkFieldCodec.h"
#include "core/edit/AdmDocumentEdit.h"
#include "core/edit/FileMarkers.h"
#include "core/edit/MetadataValues.h"
#include "core/fields/BextFields.h"
#include "core/kinds/ChunkKind.h"

namespace {

using Json = nlohmann::json;

struct ExportedFile {
    CString strPath;
    std::map<CString, CString> values;
};

// The fixed columns' values of the file's first bext chunk, then every editable value.
ExportedFile ExportedOf(CLoadedFile& file) {
    ExportedFile exported{AbsolutePath(file.Path()), {}};
    if (const CChunk* pBext = file.Root().FirstChunk(mmioStringToFOURCC("bext", 0))) {
        for (const CString& strColumn : ExportColumns()) {
            const FieldLayout* pField = kBextFields.Find(strColumn);
            if (pField && !IsMetadataName(strColumn)) {
                exported.values[strColumn] = ReadFieldText(*pBext, *pField).value_or("");
            }
        }
    }
    for (auto& [strName, strValue] : EditableValuesOf(file.Root())) {
        exported.values[strName] = strValue;
    }
    return exported;
}

// The fixed columns, the grouped kinds' fields some file holds in their tables' order, then the
// INFO entries and iXML fields some file holds, in the order first met.
std::vector<CString> ColumnsOf(const std::vector<ExportedFile>& files) {
    std::vector<CString> columns = ExportColumns();
    for (const ChunkKind& kind : ChunkKinds()) {
        if (kind.batchFields != BatchFields::Grouped) {
            continue;
        }
        for (const FieldLayout& field : kind.fieldTables.front()->fields) {
            if (std::any_of(files.begin(), files.end(), [&field](const ExportedFile& file) {
                    return file.values.count(field.name) > 0;
                })) {
                columns.push_back(field.name);
            }
        }
    }
    std::unordered_set<CString> taken(columns.begin(), columns.end());
    for (const char* pPrefix : {"INFO:", "IXML:"}) {
        for (const ExportedFile& file : files) {
            for (const auto& [strName, strValue] : file.values) {
                if (strName.rfind(pPrefix, 0) == 0 && taken.insert(strName).second) {
                    columns.push_back(strName);
                }
            }
        }
    }
    return columns;
}

void PrintCsv(const std::vector<ExportedFile>& files) {
    const std::vector<CString> columns = ColumnsOf(files);
    CsvRow header{"path"};
    header.insert(header.end(), columns.begin(), columns.end());
    std::cout << CsvRecord(header);
    for (const ExportedFile& file : files) {
        CsvRow row{ExportedCell(file.strPath)};
        for (const CString& strColumn : columns) {
            const auto it = file.values.find(strColumn);
            row.push_back(ExportedCell(it == file.values.end() ? CString() : it->second));
        }
        std::cout << CsvRecord(row);
    }
}

void WriteFileJson(CLoadedFile& file, CFilesJson& rFiles) {
    const CMarkerList list = MarkersOf(file.Root());
    const std::vector<Marker>& markers = list.Markers();
    rFiles.BeginFile();
    rFiles.ListMember("markers", markers.size(), [&markers](std::size_t i) {
        const Marker& marker = markers[i];
        return Json{{"id", marker.id},
                    {"position", marker.position},
                    {"label", marker.label},
                    {"note", marker.note}};
    });
    rFiles.Member("path", AbsolutePath(file.Path()));
    rFiles.TextsMember("values", EditableValuesOf(file.Root()));
    rFiles.EndFile();
}

}  // namespace

const std::vector<CString>& ExportColumns() {
    static const std::vector<CString> columns = {
        "Description",         "Originator",
        "OriginatorReference", "OriginationDate",
        "OriginationTime",     "TimeReferenceLow",
        "TimeReferenceHigh",   "CodingHistory",
        "TimeReference",       "UMID",
    };
    return columns;
}

// The ADM document of one file, as it is.
int ExportAdm(const Invocation& invocation) {
    if (invocation.files.size() != 1) {
        return ReportUsageError("export --axml takes one file");
    }
    return RunBatch(invocation.files, [](const CString& strPath) {
        const CLoadedFile file(strPath);
        if (!file.IsLoaded()) {
            return file.Failure();
        }
        const std::optional<CString> document = AdmDocumentOf(file.Root());
        if (!document) {
            return CString("it has no readable ADM document (axml or bxml chunk)");
        }
        std::cout << *document << "\n" << std::flush;
        return CString();
    });
}

int RunExport(const Invocation& invocation) {
    if (invocation.bAxml) {
        return ExportAdm(invocation);
    }
    std::vector<ExportedFile> exported;
    std::optional<CFilesJson> files;
    if (invocation.bJson) {
        files.emplace(std::cout);
    }
    const int nExit = RunBatch(invocation.files, [&](const CString& strPath) {
        CLoadedFile file(strPath);
        if (file.IsLoaded() && files) {
            WriteFileJson(file, *files);
        } else if (file.IsLoaded()) {
            exported.push_back(ExportedOf(file));
        }
        return file.Failure();
    });
    if (files) {
        files->Finish();
    } else {
        PrintCsv(exported);
    }
    std::cout << std::flush;
    return nExit;
}
