// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QWidget;

// A media player in the manner of a media control device: set a file, open it, play it,
// ask its mode, and be told when a command armed with Notify has finished.
class MediaPlayer : public QObject
{
    Q_OBJECT
public:
    enum class Mode
    {
        NotReady,
        Stopped,
        Playing,
        Seeking,
        Paused,
        Open
    };

    using QObject::QObject;

    virtual void setFileName(const QString &path) = 0;
    virtual QString fileName() const = 0;
    // The widget a clip is drawn into; none for sounds.
    virtual void setDisplay(QWidget *display) = 0;
    // Opens the file set; throws PlatformError when it cannot be opened.
    virtual void open() = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual Mode mode() const = 0;

    // Armed: the next command that finishes (end of play, stop, failure) emits notify()
    // once and disarms.
    bool Notify = false;

signals:
    void notify();
};
