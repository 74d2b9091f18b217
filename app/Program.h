// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class TMainForm;

// What a watcher of the program's start is told: each step by name, the main window once it
// exists, and the moment every window exists. All optional.
struct StartWatch
{
    std::function<void(const char *step)> step;
    std::function<void(TMainForm &mainForm)> mainWindow;
    std::function<void()> windowsCreated;
    std::function<void()> beforeEventLoop;
};

// The program from start to end: the application, the platform services, the main window
// with its fonts and first page, the data holder, the opening clip, every other window (once
// the first page has loaded), the lesson reader's event loop, and the windows destroyed in
// reverse. Returns the process's exit status.
int RunProgram(int argc, char *argv[], const StartWatch &watch = {});
