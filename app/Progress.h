// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LearnerRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

class SignMemory;
class Table;

// A digest of every field of the table's current record, so that the record tells an
// exercise edited since it was answered from the one that was there before.
QString recordIdentity(const Table &table);

// The exercise of the table's current record, ended as `outcome` says, now.
ExerciseEntry exerciseEntry(int course, const Table &table, const ExerciseOutcome &outcome);

// Whether a record of the table is the exercise of an entry, as it stands now.
bool sameExercise(const ExerciseEntry &entry, int course, const Table &table);

// The exercises of a course to review: those whose latest showing did not end right at the
// first check (a record that could not be read is not reviewed), in lesson order and, within
// a lesson, in the order they were first shown.
QList<ExerciseEntry> reviewList(const QList<ExerciseEntry> &exercises, int course);

// The page of the mistakes of a lesson's last test, a file of the learner's folder.
struct TestMistakesPage
{
    int course = 0;
    int lesson = 0; // from 0
    QString file;   // its name, beside the progress page
};
// What the learner's progress page links to besides the record.
struct ProgressLinks
{
    QString styleSheet; // the URL of the course's style sheet; the page's own look when empty
    QList<TestMistakesPage> mistakes;
    // The memory of the signs: with it, each course says its signs learned, due today and
    // weakest, and the page links to today's review and to the practice sheet.
    const SignMemory *memory = nullptr;
};

// The progress page, HTML in UTF-8: for each course and lesson, the categories done and
// when, the last and the best test grade, the exercises that wait for review; links to the
// reviews, to the tests' mistakes, to the export and back. With a learner's name, the page of
// that learner as the teacher sees it from the class register: no review and no export,
// only the way back.
QByteArray progressPage(const QList<ExerciseEntry> &exercises, const QList<RunEntry> &runs,
                        const QString &learner = QString(), const ProgressLinks &links = {});
// The lessons of a course as the progress page shows them: their table, and for the learner
// the link to the review.
QString courseProgress(int course, const QList<ExerciseEntry> &exercises,
                       const QList<RunEntry> &runs, bool own);
// The links to the pages of the tests' mistakes; empty without any.
QString mistakesSection(const QList<TestMistakesPage> &pages);

// The test runs of a course: the last one and the best one (the later of equals); null when
// the course has none. Within a lesson when `lesson` is not negative.
std::pair<const RunEntry *, const RunEntry *> lastAndBestTest(const QList<RunEntry> &runs,
                                                              int course, int lesson = -1);
// The beginning of a record page, up to its heading: the learner's own look, or with
// `classLook` the look of the course pages (the teacher's pages of the class register).
// With a `styleSheet` URL (not for the class look), the course's style sheet gives the look.
QString recordPageHead(const QString &title, bool classLook = false,
                       const QString &styleSheet = QString());
// A test's grade as the pages give it: "BUONO, 9/10 (10/12/2026)", then how it was
// written when the record says it (", scritto con i sei tasti").
QString gradeText(const RunEntry &run);

// The whole record as CSV (UTF-8, ";" between fields, as Italian spreadsheets expect).
QByteArray recordCsv(const QList<ExerciseEntry> &exercises, const QList<RunEntry> &runs);

// The course's name as the lesson pages give it: "Alfabeto", "Matematica", "Musica".
QString courseName(int course);
// "dell'alfabeto", "di matematica", "di musica".
QString ofCourse(int course);
