#pragma once
// The media player control: plays a sound file through Qt Multimedia, with play, pause and stop,
// a position slider and the elapsed and total time. Driven through automation like any hosted
// control; every problem it meets with a file is raised as its error event.

#include <QAudioOutput>
#include <QMediaPlayer>

#include "framework/OleControl.h"
#include "player/LocalFileSource.h"

class ElidedLabel;
class QLabel;
class QPushButton;
class QSlider;

class MediaPlayerControl : public COleControl {
    Q_OBJECT
public:
    static constexpr CLSID kClassId = {
        0x05589FA1, 0xC356, 0x11CE, {0xBF, 0x01, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A}};
    static constexpr DISPID kDispFileName = 11;      // property: the media path
    static constexpr DISPID kDispStop = 0x60020003;  // method: halt playback
    static constexpr DISPID kDispAutoStart = 28;     // property: play as soon as a file loads
    static constexpr DISPID kDispErrorEvent = 999;   // event: code, description, source, BOOL*

    // The control, or null when no multimedia backend can be had.
    static COleControl* Create(QWidget* pParent);

    BOOL Invoke(DISPID dispid, WORD wFlags, const std::vector<COleVariant>& args,
                COleVariant* pResult, CString* pError) override;
    QMediaPlayer::MediaStatus MediaStatus() const { return m_player.mediaStatus(); }
    QMediaPlayer::PlaybackState PlaybackState() const { return m_player.playbackState(); }

    // The buttons, as the user presses them.
    void Play();
    void Pause();
    void Stop();

private:
    explicit MediaPlayerControl(QWidget* pParent);
    void BuildInterface();
    BOOL PutFileName(const std::vector<COleVariant>& args, CString* pError);
    void SetFileName(const CString& strPath);
    void ReportError(short nCode, const QString& description);
    void OnMediaStatus(QMediaPlayer::MediaStatus status);
    void OnPlayerError(QMediaPlayer::Error error, const QString& errorString);
    void UpdateTime();
    void UpdateControls();

    QMediaPlayer m_player;
    QAudioOutput m_output;
    LocalFileSource m_source;
    CString m_strFileName;
    BOOL m_bAutoStart = TRUE;
    bool m_bErrorReported = false;  // one event per file, though several signals tell of it
    ElidedLabel* m_pTitle = nullptr;
    QLabel* m_pStatus = nullptr;
    QLabel* m_pTime = nullptr;
    QSlider* m_pPosition = nullptr;
    QPushButton* m_pPlay = nullptr;
    QPushButton* m_pPause = nullptr;
    QPushButton* m_pStop = nullptr;
};
