#include "table/FillRules.h"

#include <sys/stat.h>
#include <QObject>
#include <QRegularExpression>
#include <filesystem>

#include "core/edit/DateText.h"
#include "table/TableColumns.h"

std::vector<CellChange> FillDown(const FileListModel& model, const std::vector<int>& rows,
                                 const std::vector<CString>& names) {
    std::vector<CellChange> changes;
    for (const CString& strName : rows.size() < 2 ? std::vector<CString>() : names) {
        const auto& values = model.File(rows.front()).values;
        const auto it = values.find(strName);
        const CString strValue = it == values.end() ? CString() : it->second;
        for (std::size_t i = 1; i < rows.size(); ++i) {
            changes.push_back({rows[i], strName, strValue});
        }
    }
    return changes;
}

std::vector<CellChange> FillWith(const std::vector<int>& rows, const std::vector<CString>& names,
                                 const CString& strValue) {
    std::vector<CellChange> changes;
    for (const int nRow : rows) {
        for (const CString& strName : names) {
            changes.push_back({nRow, strName, strValue});
        }
    }
    return changes;
}

QString NameFill::Compile(const QString& strPattern) {
    // The groups are renamed: a value's name ("INFO:INAM") is not a group name the expression
    // takes.
    static const QRegularExpression groupName(QStringLiteral("\\(\\?<([^>=!][^>]*)>"));
    m_groups.clear();
    QString strRenamed;
    qsizetype nFrom = 0;
    for (auto it = groupName.globalMatch(strPattern); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const CString strName = match.captured(1).toStdString();
        const int nColumn = ColumnIndexOf(strName);
        if (nColumn < 0 ||
            TableColumns()[static_cast<std::size_t>(nColumn)].kind != ColumnKind::Value) {
            return QObject::tr("%1 is not a value the table sets").arg(match.captured(1));
        }
        const QString strGroup = QStringLiteral("g%1").arg(m_groups.size());
        m_groups.emplace_back(strGroup, strName);
        strRenamed += strPattern.mid(nFrom, match.capturedStart() - nFrom) + "(?<" + strGroup + ">";
        nFrom = match.capturedEnd();
    }
    strRenamed += strPattern.mid(nFrom);
    m_expression.setPattern(strRenamed);
    if (m_groups.empty()) {
        return QObject::tr("the pattern names no group, as (?<Originator>...)");
    }
    return m_expression.isValid()
               ? QString()
               : QObject::tr("not a regular expression: %1").arg(m_expression.errorString());
}

std::vector<CellChange> NameFill::Changes(const FileListModel& model, const std::vector<int>& rows,
                                          int& rNoMatch) const {
    std::vector<CellChange> changes;
    rNoMatch = 0;
    for (const int nRow : rows) {
        const std::filesystem::path path(model.File(nRow).strPath);
        const auto values = Values(QString::fromStdString(path.filename().string()));
        rNoMatch += values ? 0 : 1;
        for (const auto& [strName, strValue] : values.value_or(std::map<CString, CString>())) {
            changes.push_back({nRow, strName, strValue});
        }
    }
    return changes;
}

std::vector<CString> NameFill::Names() const {
    std::vector<CString> names;
    for (const auto& group : m_groups) {
        names.push_back(group.second);
    }
    return names;
}

std::optional<std::map<CString, CString>> NameFill::Values(const QString& strFileName) const {
    const QRegularExpressionMatch match = m_expression.match(strFileName);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    std::map<CString, CString> values;
    for (const auto& [strGroup, strName] : m_groups) {
        if (match.capturedStart(strGroup) >= 0) {
            values[strName] = match.captured(strGroup).toStdString();
        }
    }
    return values;
}

std::vector<CellChange> DatesFromFiles(const FileListModel& model, const std::vector<int>& rows,
                                       int& rUnread) {
    std::vector<CellChange> changes;
    rUnread = 0;
    for (const int nRow : rows) {
        struct stat status {};
        if (::stat(model.File(nRow).strPath.c_str(), &status) != 0) {
            ++rUnread;
            continue;
        }
        const auto [strDate, strTime] = LocalDateAndTime(status.st_mtime);
        changes.push_back({nRow, "OriginationDate", strDate});
        changes.push_back({nRow, "OriginationTime", strTime});
    }
    return changes;
}
