// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/Outcome.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// What an exercise asked and its right answer, as its window showed them: cp1252 text, one
// CR LF a line break.
struct ExerciseAsked
{
    QByteArray question;
    QByteArray answer; // the model answer; empty for a choice among pictures
    int choice = -1;   // the right one of three answers, 0 to 2; -1 for a written answer
};

// An exercise of a run: its place in the run from 1, how it ended, what it asked.
struct ShownExercise
{
    int number = 0;
    ExerciseOutcome outcome;
    ExerciseAsked asked;
};

// The exercises of a test that the learner did not get right, in the order they were shown:
// those that the fourth wrong check ended and those skipped. An exercise that could not be
// read is no mistake of the learner's, and one left with "Esci" ends the run unmarked.
QList<ShownExercise> failedItems(const QList<ShownExercise> &shown);

// How the list is written.
struct FailedItemsLook
{
    QString title;      // the page's title and heading
    QString styleSheet; // the URL of the course's style sheet; none when empty
    QString cellFont;   // the font family that draws the text as cells (braille or music)
    // The text as a screen reader should hear its cells ("punti 1 2, ..."); the cells go
    // unsaid when it is empty.
    std::function<QString(const QByteArray &text)> spoken;
};

// The page of a test's mistakes, HTML in UTF-8: for each exercise its question and its right
// answer, in print and in cells (the cells labelled with what is heard), and a link back.
QByteArray failedItemsPage(const QList<ShownExercise> &failed, const FailedItemsLook &look);
