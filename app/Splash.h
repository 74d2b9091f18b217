// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QWidget>

class MediaPlayer;
class QLabel;

// The small borderless window in which the opening and closing clips play.
class TSplashForm : public QWidget
{
    Q_OBJECT
public:
    explicit TSplashForm(QWidget *parent = nullptr);

    // Opens ContentDir\pres\<name>.avi. A clip that cannot be opened is taken as already
    // played: the program goes on without it.
    void LoadClip(const QString &name);
    void PlayClip();
    void StopClip();

    bool clipFinished() const { return ClipFinished; }
    MediaPlayer *player() const { return mp; }

    QFrame *Panel2 = nullptr;
    QWidget *Panel1 = nullptr;
    QLabel *Hint = nullptr; // says that Space skips the clip
    MediaPlayer *mp = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void mpNotify();
    void FormKeyPress(QChar key);
    void FormClose();

    bool ClipFinished = false;
    quint8 PlayingNoticeCount = 0;

    friend void WaitForClip(TSplashForm *splash);
};

// Processes events until the clip has played (or was stopped), then stops the player and
// destroys the splash window.
void WaitForClip(TSplashForm *splash);
