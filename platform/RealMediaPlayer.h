// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MediaPlayer.h"

#include <QPointer>
#include <QTimer>
#include <QUrl>

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;

// Qt Multimedia behind the media player interface. A file that cannot be played ends its
// play command as if the clip had ended, so that whoever waits for it goes on. The media
// framework behind it is made when the first file is opened.
class RealMediaPlayer : public MediaPlayer
{
    Q_OBJECT
public:
    explicit RealMediaPlayer(QObject *parent = nullptr);
    ~RealMediaPlayer() override;

    void setFileName(const QString &path) override;
    QString fileName() const override { return m_fileName; }
    void setDisplay(QWidget *display) override;
    void open() override;
    void play() override;
    void stop() override;
    Mode mode() const override;

private:
    void ensurePlayer();
    // Gives the player the sound output once the system has a sound device.
    void attachSound();
    void showVideoOn(QWidget *display);
    void finishCommand();
    void failed();

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audio = nullptr;
    QPointer<QVideoWidget> m_video;
    QPointer<QWidget> m_display;
    QString m_fileName;
    QUrl m_source; // what the pipeline plays, given to it at the next play
    bool m_opened = false;
    bool m_playWhenLoaded = false; // played while the pipeline was still being built
    bool m_failed = false;
    QTimer m_startWatch; // a play that never starts is given up
    QTimer m_stallWatch; // so is one that stops moving while it plays
    qint64 m_lastPosition = -1;
    int m_stalledChecks = 0;
};
