// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/CellTable.h"
#include "rules/Entries.h"
#include "rules/SignMemory.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <array>

// An exercise of a course's table as today's review and the practice sheet see it.
struct PracticeExercise
{
    int course = 0;
    int lesson = 0;
    int category = 0;
    int type = 0;
    int number = 0;
    QString identity; // as the learner's record keeps it
    QByteArray braille; // the braille it shows or asks for, Windows-1252, LF between lines
    QList<Cell> signs;  // signsOf(braille)
};

// Which texts of an exercise of type `type` are braille: its question (Doma_rch, or the
// random questions), its answer (Risp_rch, or the random answers), or both (the work box of
// the types that correct a braille text). The braille of the exercise, the question first.
QByteArray exerciseBraille(int type, const QByteArray &question, const QByteArray &answer);

// The highest lesson of each course (index 1 to 3) that the record holds an exercise or a run
// of; -1 for a course not begun.
std::array<int, 4> lessonsReached(const QList<ExerciseEntry> &exercises,
                                  const QList<RunEntry> &runs);

// The memory of a record kept before the memory: each exercise of the record, oldest first,
// practised on its day with the signs of the exercise of the catalogue it was (the same place,
// type, number and digest; an exercise edited or removed since is left out). The pairs
// confused are not in the record.
SignMemory memoryFromRecord(const QList<ExerciseEntry> &exercises,
                            const QList<PracticeExercise> &catalogue);

// Today's review: at most `limit` exercises (indexes into `catalogue`) of the lessons reached,
// holding the signs due on `today`, the most overdue first. After the exercise of a sign comes,
// when the learner has confused that sign with another, an exercise of the other sign (one
// that does not hold the first, where there is one). An exercise already chosen covers every
// due sign it holds.
QList<int> todayChoice(const QList<PracticeExercise> &catalogue, const SignMemory &memory,
                       const std::array<int, 4> &reached, const QDate &today, int limit = 20);

// The practice sheet: for each course, its weakest signs (five at most); for each sign, a line
// with the sign three times (and the sign it is confused with, three times), then lines of words
// that hold it, taken from the braille of the course's exercises in the lessons reached, each
// word's cells by the course's table. Lines of at most `width` cells, an empty line between
// two signs.
QList<QList<Cell>> sheetLines(const QList<PracticeExercise> &catalogue, const SignMemory &memory,
                              const std::array<int, 4> &reached, const CellTable &table,
                              int width = 40);

// The sheet as PEF (Portable Embosser Format 2008-1), one volume of pages of `rows` rows of
// `cols` cells, the cells as Unicode braille patterns.
QByteArray sheetPef(const QList<QList<Cell>> &lines, const QString &title, const QDate &date,
                    const QString &identifier, int cols = 40, int rows = 25);
// The sheet as BRF (ASCII braille): CR LF after each line, a form feed after each page of `rows`
// lines; no line longer than `cols` cells.
QByteArray sheetBrf(const QList<QList<Cell>> &lines, int cols = 40, int rows = 25);
// The ASCII braille character of a cell.
char asciiBraille(Cell cell);

// The part of the progress page on a course's signs: how many learned and due today, and a
// table of the five weakest with their cells and their most frequent confusion. HTML.
QString signsSection(const SignMemory &memory, int course, const QString &courseName,
                     const QDate &today, const CellTable &table);
