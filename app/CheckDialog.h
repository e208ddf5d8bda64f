#pragma once
// The list of a file's findings, with its audio checksum and how it compares with the stored
// one; from here the user embeds the checksum or measures and writes the loudness.

#include <optional>

#include <QDialog>

#include "core/integrity/ChecksumChunk.h"
#include "core/integrity/FileCheck.h"
#include "core/integrity/SampleChecksum.h"

class QComboBox;
class QTreeWidget;

class CCheckDialog : public QDialog {
public:
    // Recheck: the user chose another profile, which Profile() gives.
    enum class Choice { Close, EmbedChecksum, WriteLoudness, Recheck };

    CCheckDialog(QWidget* pParent, const CString& strPath, const CheckReport& report,
                 const ChecksumResult& checksum, const std::optional<Md5Digest>& stored,
                 CheckProfile profile = CheckProfile::General);

    Choice Chosen() const { return m_choice; }
    // A line above the findings that says what the check did not see.
    void ShowNote(const QString& strNote);
    QString Note() const;
    CheckProfile Profile() const;
    // The choice of profile, for tests.
    QComboBox* Profiles() const { return m_pProfiles; }
    // The list, for tests: one row per finding.
    QTreeWidget* Findings() const { return m_pFindings; }

private:
    void Choose(Choice choice);

    QTreeWidget* m_pFindings;
    QComboBox* m_pProfiles;
    class QLabel* m_pNote;
    Choice m_choice = Choice::Close;
};

// "Audio checksum (MD5): ... - matches" and the like.
QString ChecksumLine(const ChecksumResult& checksum, const std::optional<Md5Digest>& stored);
