// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RealMediaPlayer.h"

#include "rules/Services.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

RealMediaPlayer::RealMediaPlayer(QObject *parent) : MediaPlayer(parent)
{
    m_startWatch.setSingleShot(true);
    m_startWatch.setInterval(8000);
    connect(&m_startWatch, &QTimer::timeout, this, [this] {
        if (m_player->playbackState() != QMediaPlayer::PlayingState)
            failed();
    });
    // Some media pipelines stall for good without reporting an error (seen with clips when
    // no audio device answers): a position that does not move for a few seconds ends it.
    m_stallWatch.setInterval(1000);
    connect(&m_stallWatch, &QTimer::timeout, this, [this] {
        if (m_player->playbackState() != QMediaPlayer::PlayingState)
            return;
        const qint64 position = m_player->position();
        m_stalledChecks = position == m_lastPosition ? m_stalledChecks + 1 : 0;
        m_lastPosition = position;
        if (m_stalledChecks >= 4)
            failed();
    });
}

// The media framework is started by the first file that is opened, not by every player
// that is made: the main window's player plays nothing until the first sound.
void RealMediaPlayer::ensurePlayer()
{
    if (m_player)
        return;
    m_player = new QMediaPlayer(this);
    attachSound();
    showVideoOn(m_display);
    connect(m_player, &QMediaPlayer::playbackStateChanged, this,
            [this](QMediaPlayer::PlaybackState state) {
                if (state == QMediaPlayer::PlayingState) {
                    m_startWatch.stop();
                } else if (state == QMediaPlayer::StoppedState) {
                    m_stallWatch.stop();
                    finishCommand();
                }
            });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::InvalidMedia) {
                    failed();
                } else if (m_playWhenLoaded
                           && (status == QMediaPlayer::LoadedMedia
                               || status == QMediaPlayer::BufferedMedia)) {
                    m_playWhenLoaded = false;
                    m_player->play();
                }
            });
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error error, const QString &) {
                if (error != QMediaPlayer::NoError)
                    failed();
            });
}

RealMediaPlayer::~RealMediaPlayer() = default;

void RealMediaPlayer::setFileName(const QString &path)
{
    m_fileName = path;
}

void RealMediaPlayer::setDisplay(QWidget *display)
{
    if (m_video) {
        if (m_player)
            m_player->setVideoOutput(nullptr);
        delete m_video;
    }
    m_display = display;
    if (m_player)
        showVideoOn(display);
}

// The video widget starts the media framework: it is made with the player, for a display
// that gets a clip to play.
void RealMediaPlayer::showVideoOn(QWidget *display)
{
    if (!display)
        return;
    m_video = new QVideoWidget(display);
    m_video->setAspectRatioMode(Qt::KeepAspectRatio);
    if (!display->layout()) {
        auto *layout = new QVBoxLayout(display);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    display->layout()->addWidget(m_video);
    m_player->setVideoOutput(m_video);
}

void RealMediaPlayer::open()
{
    m_startWatch.stop();
    if (m_player)
        m_player->stop();
    m_opened = false;
    m_failed = false;
    m_playWhenLoaded = false;
    const QFileInfo file(m_fileName);
    if (!file.isFile() || !file.isReadable())
        throw PlatformError(QStringLiteral("Impossibile aprire il file \"%1\"").arg(m_fileName));
    ensurePlayer();
    m_source = QUrl::fromLocalFile(file.absoluteFilePath());
    m_opened = true;
}

void RealMediaPlayer::play()
{
    if (!m_opened || m_failed) {
        finishCommand();
        return;
    }
    // The media pipeline is built here rather than at open: built before the video display
    // is on the screen, it is built again for the display when that shows, which holds the
    // program for a third of a second. It plays once it is ready: played while it is still
    // being built, a short clip can stall and end only by the stall watch.
    m_playWhenLoaded = false;
    attachSound();
    if (!m_audio && !m_display) {
        // A sound with nothing to sound on: it has ended.
        finishCommand();
        return;
    }
    if (m_player->source() != m_source)
        m_player->setSource(m_source);
    if (m_player->mediaStatus() == QMediaPlayer::LoadingMedia) {
        m_playWhenLoaded = true;
    } else {
        // A file just loaded is at its start. Seeking there anyway can lose the end of a
        // short clip too.
        if (m_player->position() != 0)
            m_player->setPosition(0);
        m_player->play();
    }
    m_startWatch.start();
    m_lastPosition = -1;
    m_stalledChecks = 0;
    m_stallWatch.start();
}

void RealMediaPlayer::attachSound()
{
    // Without a sound device (no sound server answering) the media framework would look for
    // one, in vain, at every file played, and some pipelines would then stall: the file plays
    // silent instead, its pictures at their pace. A device that comes later is used from the
    // next file on.
    if (m_audio || QMediaDevices::audioOutputs().isEmpty())
        return;
    m_audio = new QAudioOutput(this);
    m_player->setAudioOutput(m_audio);
}

void RealMediaPlayer::stop()
{
    m_playWhenLoaded = false;
    m_startWatch.stop();
    m_stallWatch.stop();
    if (m_player)
        m_player->stop();
    finishCommand();
}

MediaPlayer::Mode RealMediaPlayer::mode() const
{
    if (!m_opened)
        return Mode::NotReady;
    if (m_failed)
        return Mode::Stopped;
    if (m_playWhenLoaded)
        return Mode::Playing;
    switch (m_player->playbackState()) {
    case QMediaPlayer::PlayingState:
        return Mode::Playing;
    case QMediaPlayer::PausedState:
        return Mode::Paused;
    case QMediaPlayer::StoppedState:
        break;
    }
    return Mode::Stopped;
}

void RealMediaPlayer::failed()
{
    m_playWhenLoaded = false;
    m_startWatch.stop();
    m_stallWatch.stop();
    m_failed = true;
    m_player->stop();
    finishCommand();
}

void RealMediaPlayer::finishCommand()
{
    if (!Notify)
        return;
    Notify = false;
    // Delivered from the event loop, like a window message, never from inside a command.
    QMetaObject::invokeMethod(this, &MediaPlayer::notify, Qt::QueuedConnection);
}
