// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Progress.h"
#include "rules/FailedItems.h"

#include <QList>
#include <QString>

// The page of the mistakes of a lesson's last test, in the learner's folder:
// "verifica-C-L.htm" for course C and lesson L (from 1).
QString testMistakesFile(int course, int lesson);
// The title of that page: "Alfabeto, lezione 3: gli esercizi del test da rivedere".
QString testMistakesTitle(int course, int lesson);

// The pages of the tests' mistakes that the learner's folder holds, by course and lesson.
QList<TestMistakesPage> testMistakesPages();

// After a test of a course's lesson: the exercises of `shown` that went wrong are written as
// the lesson's page of mistakes and shown in a window; a test without mistakes removes the
// page an earlier test left.
void showTestMistakes(int course, int lesson, const QList<ShownExercise> &shown);
