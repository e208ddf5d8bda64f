#pragma once
// What the viewer's tests share: a player control that records the calls made on it, and
// recorders standing in for the message box and the file dialogs.

#include <QPointer>
#include <optional>
#include <string>
#include <vector>

#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "framework/OleControl.h"

namespace viewertest {

// A broadcast wave file (bext, fmt, data) with this description and nDataBytes of samples.
void WriteBroadcastWave(const CString& strPath, const std::string& strDescription,
                        std::size_t nDataBytes = 16);

// Answers the automation calls of the player wrapper like the real player and records them as
// "GetMediaPath", "HaltPlayback", "SetMediaPath(path)" and "SetStartupFlag(0)".
class FakePlayerControl : public COleControl {
    Q_OBJECT
public:
    explicit FakePlayerControl(QWidget* pParent) : COleControl(pParent) {}

    BOOL Invoke(DISPID dispid, WORD wFlags, const std::vector<COleVariant>& args,
                COleVariant* pResult, CString* pError) override;
    // Raises the error event as the player does when it meets a problem with a file.
    void RaiseError(short nCode, const CString& strDescription);

    std::vector<std::string> calls;
    CString strPath;
    std::optional<DISPID> refusedDispid;                    // calls with this id fail
    std::function<void(const CString& strPath)> onSetPath;  // runs inside SetMediaPath
};

// Puts the fake player (or, with bCreatable false, no player at all) in place of the real one
// for the life of the object, and enables control hosting.
class ScopedFakePlayer {
public:
    explicit ScopedFakePlayer(bool bCreatable = true);
    ~ScopedFakePlayer();
    ScopedFakePlayer(const ScopedFakePlayer&) = delete;
    ScopedFakePlayer& operator=(const ScopedFakePlayer&) = delete;

    // The last control made, or null.
    FakePlayerControl* control() const { return m_pControl.data(); }
    int created() const { return m_nCreated; }

private:
    ControlFactory m_previous;
    QPointer<FakePlayerControl> m_pControl;
    int m_nCreated = 0;
};

// Records every message box instead of showing it; onShow runs while the "box is up".
class ScopedMessageBoxRecorder {
public:
    ScopedMessageBoxRecorder();
    ~ScopedMessageBoxRecorder();
    ScopedMessageBoxRecorder(const ScopedMessageBoxRecorder&) = delete;
    ScopedMessageBoxRecorder& operator=(const ScopedMessageBoxRecorder&) = delete;

    std::vector<CString> texts;
    std::function<void()> onShow;
    // What every box answers (IDOK; IDYES, IDNO or IDCANCEL to a question).
    int answer = 1;

private:
    MessageBoxHook m_previous;
};

// Answers every file dialog with the next of `answers` (nothing: cancelled) and records what
// it was asked.
class ScopedFileDialogAnswers {
public:
    explicit ScopedFileDialogAnswers(std::vector<std::optional<CString>> answers);
    ~ScopedFileDialogAnswers();
    ScopedFileDialogAnswers(const ScopedFileDialogAnswers&) = delete;
    ScopedFileDialogAnswers& operator=(const ScopedFileDialogAnswers&) = delete;

    std::vector<FileDialogRequest> requests;

private:
    std::vector<std::optional<CString>> m_answers;
    FileDialogHook m_previous;
};

}  // namespace viewertest
