// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class MediaPlayer;

// The program's sounds. Every window plays them through one player, the main window's
// hidden MP1 (the shared player), and never waits for them.
class SoundService
{
public:
    void setPlayer(MediaPlayer *player) { m_player = player; }
    MediaPlayer *player() const { return m_player; }

    // Plays a sound file; a sound that cannot be played, or no player, is skipped.
    void play(const QString &path);

private:
    MediaPlayer *m_player = nullptr;
};
