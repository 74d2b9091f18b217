// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1StringView>
#include <QString>

#include <optional>

#include "rules/Codes.h"

// What a navigation of the lesson browser asks for.
struct NavigationCommand
{
    enum Kind
    {
        None,     // an ordinary page: the navigation goes ahead
        External, // a web or e-mail address for the system's handler
        Back,     // "indietro"
        Exit,     // "esci"
        Find,     // "trova"
        Lesson,   // an exercise link "NNNeser.htm"
        Progress, // the learner's progress page "progressi.htm"
        Review,   // a review "Nripasso.htm" of course N
        Export,   // the learner's record exported, "progressi.csv"
        ClassRegister, // the class register read again from the server, "classe.htm"
        ClassExport,   // the class register exported, "classe.csv"
        TodayReview,   // today's review of the signs, "ripassodioggi.htm"
        PracticeSheet, // the practice sheet for a braille embosser, "fogliobraille.htm"
    };
    Kind kind = None;
    // For Lesson: the course (hundreds digit) and the lesson (last two digits less one);
    // course is 0 when the three characters before "eser.htm" are not digits. For Review:
    // the course, 0 when the character before "ripasso.htm" is not 1, 2 or 3.
    int course = 0;
    int lesson = 0;

    // The course whose run the command starts (a lesson link) or reviews; none for a
    // digit that names no course, and for every other command.
    std::optional<Course> runCourse() const
    {
        return kind == Lesson || kind == Review ? courseOf(course) : std::nullopt;
    }
    bool startsRun() const { return kind == Lesson && runCourse().has_value(); }
};

// The command words of the lesson pages, in the order they are looked for: the first word a
// navigation holds is its command. Web and e-mail addresses are recognised before any word.
// The words of the learner's record come after the older words, and those of the class
// register last of all, so that none of them changes what an older link does.
struct CommandWord
{
    QLatin1StringView word;
    NavigationCommand::Kind kind;
};
inline constexpr CommandWord CommandWords[] = {
    {QLatin1StringView("indietro"), NavigationCommand::Back},
    {QLatin1StringView("esci"), NavigationCommand::Exit},
    {QLatin1StringView("trova"), NavigationCommand::Find},
    {QLatin1StringView("eser.htm"), NavigationCommand::Lesson},
    {QLatin1StringView("progressi.htm"), NavigationCommand::Progress},
    {QLatin1StringView("progressi.csv"), NavigationCommand::Export},
    {QLatin1StringView("ripasso.htm"), NavigationCommand::Review},
    {QLatin1StringView("classe.htm"), NavigationCommand::ClassRegister},
    {QLatin1StringView("classe.csv"), NavigationCommand::ClassExport},
    // The memory of the signs, after everything else.
    {QLatin1StringView("ripassodioggi.htm"), NavigationCommand::TodayReview},
    {QLatin1StringView("fogliobraille.htm"), NavigationCommand::PracticeSheet},
};

// Reads a navigation's URL. Command words are looked for only in the part of the URL below
// the content folder when the URL lies inside it, so that a folder named like a command
// does not turn every page into that command. Web and e-mail schemes are recognised
// anywhere, in any letter case. contentDirUrl is the content folder as a file URL text.
NavigationCommand classifyNavigation(const QString &url, const QString &contentDirUrl);

// The lesson link: the three characters before the first "eser.htm" of text.
NavigationCommand readLessonLink(const QString &text);
