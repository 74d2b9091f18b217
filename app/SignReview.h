// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/Outcome.h"
#include "rules/PracticeSheet.h"

#include <QList>
#include <QString>

class Table;

// The memory of the signs, in "memoria-segni.txt" beside the learner's record; read when first
// needed (without the file, made from the exercises of the record), written whole after each
// exercise.
QString signMemoryFile();
SignMemory &signMemory();

// The signs of the table's current exercise updated by how it ended, today; the memory is
// written at once. Returns how many signs went up a box.
int practiseSigns(int course, const Table &table, const ExerciseOutcome &outcome);

// Every exercise of a course's table with its braille and its signs, in table order; none when
// the table cannot be read.
QList<PracticeExercise> courseCatalogue(int course);

// The exercises of today's review, from the courses begun in the learner's record.
QList<PracticeExercise> todayReviewList();
// What the learner is told when today's review has nothing to run.
QString nothingDueMessage();

// The practice sheet of the weakest signs written as PEF and BRF to the documents folder; a
// message says where, or why it could not be written.
void WritePracticeSheet();
