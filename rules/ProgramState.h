// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What is the whole program's, read and written on the user-interface thread only. Every
// other piece of state is a member of the class that owns it: the exercise window its wrong
// attempts, the run its count, the main window its deferred command.
struct ProgramState
{
    QString ContentDir; // the course folder: the current directory at start-up
};

// The program's one state.
ProgramState &state();

// ContentDir + a backslash path, as a path of this file system.
QString contentFile(const QString &relative);
