// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ClassServer.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The class register, HTML in UTF-8: for each course a table of the class's learners with
// the lesson reached, the last and the best test grade, the exercises waiting for review and
// the last day of practice. Each learner's name links to that learner's progress page,
// `learnerPageName` of the learner's place in `learners`.
QByteArray classRegisterPage(const QList<LearnerEntries> &learners, const QDateTime &readAt);

// "allievo1.htm" for the first learner, and so on.
QString learnerPageName(int index);

// The register as CSV (UTF-8, ";" between fields): one line a learner and course.
QByteArray classRegisterCsv(const QList<LearnerEntries> &learners);
