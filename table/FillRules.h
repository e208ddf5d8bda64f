#pragma once
// The edits that fill many cells at once, as lists of changes for one undo step: the first
// row's value down the rows, one value into every cell, values from the files' names by a
// pattern with named groups, and the origination date and time from the files' times.

#include <QRegularExpression>
#include <QString>
#include <map>
#include <optional>
#include <vector>

#include "table/FileListModel.h"

// Rows in the order the view shows them; names of value columns.
std::vector<CellChange> FillDown(const FileListModel& model, const std::vector<int>& rows,
                                 const std::vector<CString>& names);
std::vector<CellChange> FillWith(const std::vector<int>& rows, const std::vector<CString>& names,
                                 const CString& strValue);

// A regular expression whose named groups name values: "(?<Originator>[^_]+)_(?<IXML:TAKE>\d+)".
class NameFill {
public:
    // Empty when the pattern compiles and each group names a value of the table; else why not.
    QString Compile(const QString& strPattern);
    // The values the pattern finds in each file's name (without its folder); rNoMatch counts the
    // files whose names it does not match.
    std::vector<CellChange> Changes(const FileListModel& model, const std::vector<int>& rows,
                                    int& rNoMatch) const;
    // The names of the values the groups name, in the pattern's order.
    std::vector<CString> Names() const;
    // The values found in a file's name, by value name (a group that took no part gives none);
    // nullopt when the name does not match.
    std::optional<std::map<CString, CString>> Values(const QString& strFileName) const;

private:
    QRegularExpression m_expression;                    // with the groups renamed g0, g1 ...
    std::vector<std::pair<QString, CString>> m_groups;  // the group and the value it names
};

// The files' modification times as OriginationDate and OriginationTime; rUnread counts the
// files whose times cannot be read.
std::vector<CellChange> DatesFromFiles(const FileListModel& model, const std::vector<int>& rows,
                                       int& rUnread);
