// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QLocalServer;

// One copy of the program a learner: the first start listens on a local socket in the
// learner's runtime folder; a later start finds it there, asks it to come to the front and
// ends, instead of writing the same record and exercise page as the first. A socket left by
// a copy that crashed answers nobody, and is taken over.
class SingleCopy : public QObject
{
public:
    // Whether another copy of this learner's is running; it has been asked to come to the
    // front.
    static bool askRunningCopy();

    // Listens for later starts; `front` brings this copy's window to the front.
    explicit SingleCopy(std::function<void()> front, QObject *parent = nullptr);

private:
    QLocalServer *m_server;
};
