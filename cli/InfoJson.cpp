#include "cli/InfoJson.h"

#include <QFile>
#include <QJsonArray>

#include "core/fields/PositiveInteger.h"

namespace {

QString Utf8(const CString& strText) {
    return QString::fromStdString(strText);
}

// A number box's text as a JSON number, a text box's as a string, a field not held as null.
QJsonValue FieldJson(const FieldValue& field) {
    if (!field.text) {
        return QJsonValue::Null;
    }
    if (field.pEntry->kind == FieldKind::Number) {
        if (const std::optional<DWORD> value = ParsePositiveInteger(*field.text)) {
            return static_cast<qint64>(*value);
        }
    }
    return Utf8(*field.text);
}

QJsonObject ChunkJson(const ChunkReport& chunk) {
    QJsonObject json{{"tab", Utf8(chunk.strTab)},
                     {"id", Utf8(chunk.strId)},
                     {"size", static_cast<qint64>(chunk.dwSize)},
                     {"offset", static_cast<qint64>(chunk.dwOffset)}};
    if (chunk.page) {
        QJsonObject fields;
        for (const FieldValue& field : chunk.fields) {
            fields.insert(Utf8(field.pEntry->strName), FieldJson(field));
        }
        json.insert("fields", fields);
    }
    return json;
}

}  // namespace

QJsonObject InfoJson(const FileReport& report) {
    QJsonObject json{{"path", QFile::decodeName(QByteArray::fromStdString(report.strPath))}};
    if (!report.strFailure.empty()) {
        json.insert("error", Utf8(report.strFailure));
        return json;
    }
    QJsonArray chunks;
    for (const ChunkReport& chunk : report.chunks) {
        chunks.append(ChunkJson(chunk));
    }
    json.insert("overview", Utf8(report.strOverview));
    json.insert("chunks", chunks);
    return json;
}
