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

template <class Window> Window *WindowRegistry::add()
{
    auto *window = new Window;
    Entry entry;
    entry.window.reset(window);
    if constexpr (std::is_base_of_v<TExerciseWindow, Window>) {
        entry.exercise = window;
        entry.course = Window::Course;
        entry.type = Window::Type;
    }
    m_entries.push_back(std::move(entry));
    return window;
}

WindowRegistry::WindowRegistry()
{
    current = this;
    m_seleser = add<TSeleserDlg>();
    add<TFhtmlex02>();
    auto *type1 = add<TFhtmlex01>();
    auto *type0 = add<TFhtmlex00>();
    type1->DataDialog = add<TFormex01dc>();
    type0->DataDialog = add<TFormex00dc>();
    m_table = add<Ttblbraille>();
    m_results = add<TFresult>();
    add<TFhtmlex14>();
    auto *lists101 = add<TFormex11dc>();
    auto *type100 = add<TFhtmlex10>();
    auto *type101 = add<TFhtmlex11>();
    type101->DataDialog = lists101;
    add<TFhtmlex12>();
    add<TFhtmlex13>();
    type100->DataDialog = add<TFormex10dc>();
    add<TFhtmlex21>();
    add<TFhtmlex20>();
}

WindowRegistry::~WindowRegistry()
{
    // Out of reach first, so that nothing asks for a window being destroyed.
    current = nullptr;
    m_seleser = nullptr;
    m_table = nullptr;
    m_results = nullptr;
    std::vector<Entry> entries = std::move(m_entries);
    while (!entries.empty())
        entries.pop_back();
}

WindowRegistry *WindowRegistry::instance()
{
    return current;
}

TExerciseWindow *WindowRegistry::exerciseWindow(Course course, int type) const
{
    for (const Entry &entry : m_entries) {
        if (entry.exercise && entry.course == course && entry.type == type)
            return entry.exercise;
    }
    return nullptr;
}

QList<TExerciseWindow *> WindowRegistry::courseWindows(Course course) const
{
    QList<TExerciseWindow *> windows;
    for (const Entry &entry : m_entries) {
        if (entry.exercise && entry.course == course)
            windows << entry.exercise;
    }
    return windows;
}
