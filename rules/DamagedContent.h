// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

// The message of an exercise that a run skips because its record cannot be read: the
// course table, the lesson, the category and the exercise's number (eser_nr, null when it
// has none), and what could not be read.
QString unreadableExerciseMessage(const QString &table, int lesson, int category,
                                  const QVariant &number, const QString &problem);

// The message of a start page that is missing: the program cannot be used without it.
QString missingFirstPageMessage(const QString &path);
