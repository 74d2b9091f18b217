// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Sounds.h"

#include "platform/MediaPlayer.h"

#include <exception>

void SoundService::play(const QString &path)
{
    if (!m_player)
        return;
    try {
        m_player->setFileName(path);
        m_player->open();
        m_player->play();
    } catch (const std::exception &) {
        // What the sound stands for (a check's result) is shown in the status line too.
    }
}
