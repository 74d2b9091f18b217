// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include <functional>
#include <vector>

class TExerciseWindow;

// Owns the windows that live from start-up to the end of the program. It creates them
// hidden, once each, from one list in the order the program relies on (the category dialog
// first, the music windows last), each into the global that names it, and destroys them in
// reverse. It answers which exercise window shows a type of a course.
class WindowRegistry
{
public:
    WindowRegistry();
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;

    // The registry that exists now; null before start-up made it or after it is gone.
    static WindowRegistry *instance();

    // The window that a type code selects in a course; null when it selects none.
    TExerciseWindow *exerciseWindow(int course, int type) const;
    // The exercise windows of a course, in the order they were created.
    QList<TExerciseWindow *> courseWindows(int course) const;

private:
    struct Entry
    {
        std::function<void()> destroy;
        TExerciseWindow *exercise = nullptr;
        int course = 0;
        int type = 0;
    };
    template <class Window> void add(Window *&global);

    std::vector<Entry> m_entries;
};
