// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The categories of exercises a lesson offers; each also colours the texts of its pages.
namespace Category {
constexpr int Review = 1;        // symbols of earlier lessons
constexpr int NewSymbols = 2;    // the lesson's new symbols
constexpr int Consolidation = 3; // practice
constexpr int Test = 4;          // verification test, graded at the end
constexpr int First = Review;
constexpr int Last = Test;
} // namespace Category

// The main window's deferred command, run by its timer once the browser's navigation event
// has returned. The three courses keep their digits: a lesson link's course is its command.
namespace PendingCommand {
constexpr qint32 None = 0;
constexpr qint32 Alphabet = 1;
constexpr qint32 Mathematics = 2;
constexpr qint32 Music = 3;
constexpr qint32 FindBox = 4;
constexpr qint32 Quit = 5;
constexpr qint32 Progress = 6; // the progress page
constexpr qint32 Export = 7;   // the learner's record as CSV
constexpr qint32 ClassRegister = 8; // the class register, read from the school's server
constexpr qint32 ClassExport = 9;   // the class register as CSV
constexpr qint32 Review = 10;  // plus the course: a review of the course's exercises
constexpr qint32 TodayReview = 20;   // today's review of the signs
constexpr qint32 PracticeSheet = 21; // the practice sheet written for paper
constexpr bool isCourse(qint32 action) { return action >= Alphabet && action <= Music; }
constexpr bool isReview(qint32 action) { return isCourse(action - Review); }
} // namespace PendingCommand

// Help opens, and a test exercise ends, once the wrong checks of an exercise exceed this.
constexpr qint32 HelpThreshold = 3;

// The program-wide state, read and written on the user-interface thread only.
struct ProgramState
{
    QString ContentDir;             // the current directory at start-up
    qint32 CorrectCount = 0;        // exercises answered right in the current run
    qint32 WrongAttempts = 0;       // wrong checks on the current exercise
    qint32 CurrentExerciseType = 0; // T_eser of the record being shown; the runner's own
    qint32 PendingAction = PendingCommand::None;
    qint32 PendingLesson = 0;
};

// The program's one state.
ProgramState &state();

// ContentDir + a backslash path, as a path of this file system.
QString contentFile(const QString &relative);
