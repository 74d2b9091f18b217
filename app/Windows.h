// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

#include <memory>
#include <typeinfo>
#include <vector>

#include "rules/Codes.h"

class TExerciseWindow;
class TFresult;
class TSeleserDlg;
class Ttblbraille;

// Owns the windows that live from start-up to the end of the program, and is the only way to
// reach them. It creates them hidden, once each, from one list, and destroys them in reverse.
// The order of the list is the one the course's windows have always been made in; nothing
// depends on it any more, since each window is handed what it uses of another (an exercise
// window its random-data dialog here, its code table by the runner) once all are made.
class WindowRegistry
{
public:
    WindowRegistry();
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;

    // The registry that exists now; null before start-up made it or after it is gone.
    static WindowRegistry *instance();

    // The category dialog, the code table and the results window.
    TSeleserDlg *SeleserDlg() const { return m_seleser; }
    Ttblbraille *tblbraille() const { return m_table; }
    TFresult *Fresult() const { return m_results; }

    // The window that a type code selects in a course; null when it selects none.
    TExerciseWindow *exerciseWindow(Course course, int type) const;
    // The exercise windows of a course, in the order they were created.
    QList<TExerciseWindow *> courseWindows(Course course) const;

    // The window of exactly this class (not of a class derived from it); null when none is.
    template <class Window> Window *find() const
    {
        for (const Entry &entry : m_entries) {
            if (typeid(*entry.window) == typeid(Window))
                return static_cast<Window *>(entry.window.get());
        }
        return nullptr;
    }

private:
    struct Entry
    {
        std::unique_ptr<QWidget> window;
        TExerciseWindow *exercise = nullptr;
        Course course = Course::Alphabet;
        int type = 0;
    };
    template <class Window> Window *add();

    std::vector<Entry> m_entries;
    TSeleserDlg *m_seleser = nullptr;
    Ttblbraille *m_table = nullptr;
    TFresult *m_results = nullptr;
};
