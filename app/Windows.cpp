// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Windows.h"

#include "app/Seleser_Unit1.h"
#include "exercises/htmlex00.h"
#include "exercises/htmlex01.h"
#include "exercises/htmlex02.h"
#include "exercises/htmlex10.h"
#include "exercises/htmlex11.h"
#include "exercises/htmlex12.h"
#include "exercises/htmlex13.h"
#include "exercises/htmlex14.h"
#include "exercises/htmlex20.h"
#include "exercises/htmlex21.h"
#include "randomdata/RandomLists.h"
#include "reference/Result.h"
#include "reference/table_Unit1.h"

#include <type_traits>

namespace {
WindowRegistry *current = nullptr;
} // namespace

template <class Window> void WindowRegistry::add(Window *&global)
{
    global = new Window;
    Entry entry;
    entry.destroy = [&global] {
        delete global;
        global = nullptr;
    };
    if constexpr (std::is_base_of_v<TExerciseWindow, Window>) {
        entry.exercise = global;
        entry.course = Window::Course;
        entry.type = Window::Type;
    }
    m_entries.push_back(std::move(entry));
}

WindowRegistry::WindowRegistry()
{
    current = this;
    add(SeleserDlg);
    add(Fhtmlex02);
    add(Fhtmlex01);
    add(Fhtmlex00);
    add(Formex01dc);
    add(Formex00dc);
    add(tblbraille);
    add(Fresult);
    add(Fhtmlex14);
    add(Formex11dc);
    add(Fhtmlex10);
    add(Fhtmlex11);
    add(Fhtmlex12);
    add(Fhtmlex13);
    add(Formex10dc);
    add(Fhtmlex21);
    add(Fhtmlex20);
}

WindowRegistry::~WindowRegistry()
{
    // Out of reach first, so that nothing asks for a window being destroyed.
    current = nullptr;
    std::vector<Entry> entries = std::move(m_entries);
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        entry->destroy();
}

WindowRegistry *WindowRegistry::instance()
{
    return current;
}

TExerciseWindow *WindowRegistry::exerciseWindow(int course, int type) const
{
    for (const Entry &entry : m_entries) {
        if (entry.exercise && entry.course == course && entry.type == type)
            return entry.exercise;
    }
    return nullptr;
}

QList<TExerciseWindow *> WindowRegistry::courseWindows(int course) const
{
    QList<TExerciseWindow *> windows;
    for (const Entry &entry : m_entries) {
        if (entry.exercise && entry.course == course)
            windows << entry.exercise;
    }
    return windows;
}
