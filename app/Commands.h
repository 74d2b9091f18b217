// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

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

    bool startsRun() const { return kind == Lesson && course >= 1 && course <= 3; }
};

// Reads a navigation's URL. Command words are looked for only in the part of the URL below
// the content folder when the URL lies inside it, so that a folder named like a command
// does not turn every page into that command. Web and e-mail schemes are recognised
// anywhere, in any letter case. contentDirUrl is the content folder as a file URL text.
NavigationCommand classifyNavigation(const QString &url, const QString &contentDirUrl);

// The lesson link: the three characters before the first "eser.htm" of text.
NavigationCommand readLessonLink(const QString &text);
