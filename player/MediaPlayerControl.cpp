#include "player/MediaPlayerControl.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QAudioDevice>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaDevices>
#include <QPushButton>
#include <QSlider>
#include <QUrl>
#include <QVBoxLayout>

#include "framework/ElidedLabel.h"
#include "player/PlayerRequirements.h"
#include "player/PlayerTime.h"

namespace {

// Codes of the error event, one per kind of problem.
constexpr short kCannotOpen = 1;
constexpr short kCannotDecode = 2;
constexpr short kNoAudioOutput = 3;
constexpr short kPlaybackFailed = 4;

constexpr const char* kErrorSource = "Ovalis player";

QPushButton* MakeButton(const QString& text, QWidget* pParent) {
    auto* pButton = new QPushButton(text, pParent);
    // Enter in the main window must not press a player button that merely lies in it.
    pButton->setAutoDefault(false);
    pButton->setDefault(false);
    return pButton;
}

bool IsReadableFile(const CString& strPath) {
    struct stat status {};
    return stat(strPath.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           access(strPath.c_str(), R_OK) == 0;
}

// For people to read: undecodable bytes of a name are shown as replacement characters.
QString DisplayPath(const CString& strPath) {
    return QString::fromStdString(strPath);
}

}  // namespace

COleControl* MediaPlayerControl::Create(QWidget* pParent) {
    if (!MissingPlayerParts().isEmpty()) {
        return nullptr;
    }
    auto* pControl = new MediaPlayerControl(pParent);
    if (!pControl->m_player.isAvailable()) {
        delete pControl;
        return nullptr;
    }
    return pControl;
}

MediaPlayerControl::MediaPlayerControl(QWidget* pParent) : COleControl(pParent) {
    m_player.setAudioOutput(&m_output);
    BuildInterface();
    connect(&m_player, &QMediaPlayer::mediaStatusChanged, this, &MediaPlayerControl::OnMediaStatus);
    connect(&m_player, &QMediaPlayer::errorOccurred, this, &MediaPlayerControl::OnPlayerError);
    connect(&m_player, &QMediaPlayer::positionChanged, this, &MediaPlayerControl::UpdateTime);
    connect(&m_player, &QMediaPlayer::durationChanged, this, &MediaPlayerControl::UpdateTime);
    connect(&m_player, &QMediaPlayer::playbackStateChanged, this,
            &MediaPlayerControl::UpdateControls);
    UpdateControls();
}

void MediaPlayerControl::BuildInterface() {
    // A compact panel at the top of the control's rectangle; the rest stays transparent, so a
    // text laid under the rectangle, as the overview page lays its text, can still be read.
    auto* pScreen = new QWidget(this);
    pScreen->setAutoFillBackground(true);
    QPalette palette = pScreen->palette();
    palette.setColor(QPalette::Window, QColor(24, 32, 48));
    palette.setColor(QPalette::WindowText, QColor(150, 220, 255));
    pScreen->setPalette(palette);
    m_pTitle = new ElidedLabel(Qt::ElideRight, pScreen);
    m_pStatus = new QLabel(pScreen);
    m_pTime = new QLabel(pScreen);
    auto* pScreenLayout = new QGridLayout(pScreen);
    pScreenLayout->setContentsMargins(6, 3, 6, 3);
    pScreenLayout->setVerticalSpacing(0);
    pScreenLayout->addWidget(m_pTitle, 0, 0);
    pScreenLayout->addWidget(m_pStatus, 1, 0);
    pScreenLayout->addWidget(m_pTime, 1, 1, Qt::AlignRight);
    pScreenLayout->setColumnStretch(0, 1);

    m_pPlay = MakeButton(tr("Play"), this);
    m_pPause = MakeButton(tr("Pause"), this);
    m_pStop = MakeButton(tr("Stop"), this);
    connect(m_pPlay, &QPushButton::clicked, this, &MediaPlayerControl::Play);
    connect(m_pPause, &QPushButton::clicked, this, &MediaPlayerControl::Pause);
    connect(m_pStop, &QPushButton::clicked, this, &MediaPlayerControl::Stop);
    m_pPosition = new QSlider(Qt::Horizontal, this);
    m_pPosition->setFocusPolicy(Qt::NoFocus);
    connect(m_pPosition, &QSlider::sliderMoved, &m_player, &QMediaPlayer::setPosition);

    auto* pBar = new QHBoxLayout;
    pBar->addWidget(m_pPlay);
    pBar->addWidget(m_pPause);
    pBar->addWidget(m_pStop);
    pBar->addStretch(1);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(2);
    pLayout->addWidget(pScreen);
    pLayout->addWidget(m_pPosition);
    pLayout->addLayout(pBar);
    pLayout->addStretch(1);
}

BOOL MediaPlayerControl::Invoke(DISPID dispid, WORD wFlags, const std::vector<COleVariant>& args,
                                COleVariant* pResult, CString* pError) {
    if (dispid == kDispFileName && wFlags == DISPATCH_PROPERTYGET) {
        *pResult = m_strFileName;
        return TRUE;
    }
    if (dispid == kDispFileName && wFlags == DISPATCH_PROPERTYPUT) {
        return PutFileName(args, pError);
    }
    if (dispid == kDispStop && wFlags == DISPATCH_METHOD) {
        Stop();
        return TRUE;
    }
    if (dispid == kDispAutoStart && wFlags == DISPATCH_PROPERTYPUT && args.size() == 1 &&
        std::holds_alternative<BOOL>(args[0])) {
        m_bAutoStart = std::get<BOOL>(args[0]);
        return TRUE;
    }
    *pError = "the player has no member " + std::to_string(dispid) + " of that kind.";
    return FALSE;
}

BOOL MediaPlayerControl::PutFileName(const std::vector<COleVariant>& args, CString* pError) {
    if (args.size() != 1 || !std::holds_alternative<CString>(args[0])) {
        *pError = "the media path must be a text.";
        return FALSE;
    }
    SetFileName(std::get<CString>(args[0]));
    return TRUE;
}

void MediaPlayerControl::SetFileName(const CString& strPath) {
    m_player.stop();
    // An empty source closes the file: the program rewrites and renames it right afterwards.
    m_player.setSource(QUrl());
    m_source.Close();
    m_strFileName = strPath;
    m_bErrorReported = false;
    m_pPosition->setValue(0);
    if (!strPath.empty()) {
        const QUrl source = IsReadableFile(strPath) ? m_source.Open(strPath) : QUrl();
        if (source.isEmpty()) {
            ReportError(kCannotOpen, tr("Cannot open the file %1.").arg(DisplayPath(strPath)));
        } else {
            m_player.setSource(source);
        }
    }
    UpdateTime();
    UpdateControls();
}

void MediaPlayerControl::Play() {
    if (m_player.source().isEmpty()) {
        return;
    }
    if (QMediaDevices::audioOutputs().isEmpty()) {
        ReportError(kNoAudioOutput,
                    tr("There is no audio output to play %1 on.").arg(DisplayPath(m_strFileName)));
        return;
    }
    m_player.play();
}

void MediaPlayerControl::Pause() {
    m_player.pause();
}

void MediaPlayerControl::Stop() {
    m_player.stop();
}

void MediaPlayerControl::ReportError(short nCode, const QString& description) {
    if (m_bErrorReported) {
        return;
    }
    // A missing output is no fault of the file: Play may be tried again once there is one.
    if (nCode == kNoAudioOutput) {
        m_pStatus->setText(tr("No audio output."));
    } else {
        m_bErrorReported = true;
        m_pStatus->setText(tr("Cannot play this file."));
        UpdateControls();
    }
    // The event reaches the page from the event loop, as a control's events do, never from
    // inside the call that met the problem; a problem of a file replaced meanwhile is dropped.
    const CString strFile = m_strFileName;
    const CString strDescription = description.toStdString();
    QMetaObject::invokeMethod(
        this,
        [this, nCode, strFile, strDescription] {
            if (strFile != m_strFileName) {
                return;
            }
            BOOL bCancelDisplay = FALSE;
            FireEvent(kDispErrorEvent,
                      {nCode, strDescription, CString(kErrorSource), &bCancelDisplay});
        },
        Qt::QueuedConnection);
}

void MediaPlayerControl::OnMediaStatus(QMediaPlayer::MediaStatus status) {
    if (status == QMediaPlayer::InvalidMedia) {
        ReportError(kCannotDecode,
                    tr("Cannot decode the file %1.").arg(DisplayPath(m_strFileName)));
    } else if (status == QMediaPlayer::LoadedMedia && m_bAutoStart) {
        Play();
    }
    UpdateControls();
}

void MediaPlayerControl::OnPlayerError(QMediaPlayer::Error error, const QString& errorString) {
    const QString path = DisplayPath(m_strFileName);
    switch (error) {
        case QMediaPlayer::NoError:
            return;
        case QMediaPlayer::ResourceError:
        case QMediaPlayer::AccessDeniedError:
            ReportError(kCannotOpen, tr("Cannot open the file %1: %2").arg(path, errorString));
            return;
        case QMediaPlayer::FormatError:
            ReportError(kCannotDecode, tr("Cannot decode the file %1: %2").arg(path, errorString));
            return;
        default:
            ReportError(kPlaybackFailed, tr("Cannot play the file %1: %2").arg(path, errorString));
            return;
    }
}

void MediaPlayerControl::UpdateTime() {
    const qint64 duration = m_player.duration();
    if (!m_pPosition->isSliderDown()) {
        m_pPosition->setRange(0, static_cast<int>(duration));
        m_pPosition->setValue(static_cast<int>(m_player.position()));
    }
    m_pTime->setText(PlayerTimeText(m_player.position(), duration) + QStringLiteral(" / ") +
                     PlayerTimeText(duration, duration));
}

void MediaPlayerControl::UpdateControls() {
    const bool bHasFile = !m_player.source().isEmpty() && !m_bErrorReported;
    const QMediaPlayer::PlaybackState state = m_player.playbackState();
    m_pTitle->SetFullText(m_strFileName.empty() ? tr("No file")
                                                : QFileInfo(DisplayPath(m_strFileName)).fileName());
    if (!m_bErrorReported) {
        m_pStatus->setText(state == QMediaPlayer::PlayingState  ? tr("Playing")
                           : state == QMediaPlayer::PausedState ? tr("Paused")
                           : bHasFile                           ? tr("Stopped")
                                                                : QString());
    }
    m_pPlay->setEnabled(bHasFile && state != QMediaPlayer::PlayingState);
    m_pPause->setEnabled(state == QMediaPlayer::PlayingState);
    m_pStop->setEnabled(state != QMediaPlayer::StoppedState);
    m_pPosition->setEnabled(bHasFile);
}
