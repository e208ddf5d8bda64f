#include "ViewerTestSupport.h"

#include "RiffWriter.h"
#include "player/ActiveMovie.h"

namespace viewertest {

namespace {

constexpr DISPID kDispMediaPath = 11;
constexpr DISPID kDispHaltPlayback = 0x60020003;
constexpr DISPID kDispStartupFlag = 28;

}  // namespace

void WriteBroadcastWave(const CString& strPath, const std::string& strDescription,
                        std::size_t nDataBytes) {
    testfiles::BextFields fields;
    fields.description = strDescription;
    testfiles::writeFile(strPath, testfiles::BroadcastWave(fields, nDataBytes));
}

BOOL FakePlayerControl::Invoke(DISPID dispid, WORD wFlags, const std::vector<COleVariant>& args,
                               COleVariant* pResult, CString* pError) {
    if (dispid == kDispMediaPath && wFlags == DISPATCH_PROPERTYGET) {
        calls.push_back("GetMediaPath");
        *pResult = strPath;
    } else if (dispid == kDispMediaPath && wFlags == DISPATCH_PROPERTYPUT) {
        const CString strNew = std::get<CString>(args.at(0));
        calls.push_back("SetMediaPath(" + strNew + ")");
        if (onSetPath) {
            onSetPath(strNew);
        }
        if (refusedDispid != dispid) {
            strPath = strNew;
        }
    } else if (dispid == kDispHaltPlayback && wFlags == DISPATCH_METHOD) {
        calls.push_back("HaltPlayback");
    } else if (dispid == kDispStartupFlag && wFlags == DISPATCH_PROPERTYPUT) {
        calls.push_back("SetStartupFlag(" + std::to_string(std::get<BOOL>(args.at(0))) + ")");
    } else {
        *pError = "unknown member";
        return FALSE;
    }
    if (refusedDispid == dispid) {
        *pError = "refused by the test";
        return FALSE;
    }
    return TRUE;
}

void FakePlayerControl::RaiseError(short nCode, const CString& strDescription) {
    BOOL bCancelDisplay = FALSE;
    FireEvent(999, {nCode, strDescription, CString("fake player"), &bCancelDisplay});
}

ScopedFakePlayer::ScopedFakePlayer(bool bCreatable) {
    AfxEnableControlContainer();
    m_previous = AfxRegisterControl(CActiveMovie::GetClsid(),
                                    [this, bCreatable](QWidget* pParent) -> COleControl* {
                                        if (!bCreatable) {
                                            return nullptr;
                                        }
                                        ++m_nCreated;
                                        m_pControl = new FakePlayerControl(pParent);
                                        return m_pControl.data();
                                    });
}

ScopedFakePlayer::~ScopedFakePlayer() {
    AfxRegisterControl(CActiveMovie::GetClsid(), std::move(m_previous));
}

ScopedMessageBoxRecorder::ScopedMessageBoxRecorder() {
    m_previous = SetMessageBoxHook([this](const CString& strText, UINT) {
        texts.push_back(strText);
        if (onShow) {
            onShow();
        }
        return answer;
    });
}

ScopedMessageBoxRecorder::~ScopedMessageBoxRecorder() {
    SetMessageBoxHook(std::move(m_previous));
}

ScopedFileDialogAnswers::ScopedFileDialogAnswers(std::vector<std::optional<CString>> answers)
    : m_answers(std::move(answers)) {
    m_previous = SetFileDialogHook([this](const FileDialogRequest& request) {
        requests.push_back(request);
        if (requests.size() > m_answers.size()) {
            return std::optional<CString>();
        }
        return m_answers[requests.size() - 1];
    });
}

ScopedFileDialogAnswers::~ScopedFileDialogAnswers() {
    SetFileDialogHook(std::move(m_previous));
}

}  // namespace viewertest
