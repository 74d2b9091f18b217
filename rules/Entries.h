// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/Outcome.h"

#include <QDateTime>
#include <QString>

// One exercise shown in a run, as the learner's record keeps it.
struct ExerciseEntry
{
    QString id; // unique across machines (a UUID); given when the entry is kept
    QDateTime at;
    int course = 0;   // 1 alphabet, 2 mathematics, 3 music
    int lesson = 0;   // Lezione of the record
    int category = 0; // Cat_eser of the record
    int number = 0;   // eser_nr
    int type = 0;     // T_eser
    // A digest of the record's fields: an exercise edited since is another exercise.
    QString identity;
    ExerciseOutcome outcome;
};

// A run that reached its end: how many of its exercises were right; for a verification test
// also the grade that the results window gave.
struct RunEntry
{
    QString id; // unique across machines (a UUID); given when the entry is kept
    QDateTime at;
    int course = 0;
    int lesson = 0;
    int category = 0;
    int right = 0; // for a test, as graded: at most 10
    int total = 0;
    QString grade; // the results window's word, for a test; empty otherwise
    // How its braille answers were written (writingCode); empty when none was, or when the
    // run was kept before the record said it.
    QString written;
};
