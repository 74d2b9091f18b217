// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/Entries.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include <memory>

// The learner's record: every exercise shown and every run ended, kept across sessions for
// the one learner of the desktop account. Writing never stops a run: a record that cannot
// be kept says so once and then records nothing.
class LearnerRecord
{
public:
    virtual ~LearnerRecord() = default;
    // Each entry is kept at once, in a transaction of its own.
    virtual void addExercise(const ExerciseEntry &entry) = 0;
    virtual void addRun(const RunEntry &entry) = 0;
    // Everything kept, oldest first.
    virtual QList<ExerciseEntry> exercises() = 0;
    virtual QList<RunEntry> runs() = 0;
    // Whether entries are being kept (false once the record could not be opened).
    virtual bool isKept() = 0;

    // The class server's side. A record that keeps nothing for a server has nothing to send.
    // The entries not yet on the class server, oldest first, at most `limit` of each kind.
    virtual QList<ExerciseEntry> unsentExercises(int limit);
    virtual QList<RunEntry> unsentRuns(int limit);
    // The entries of these ids have reached the server.
    virtual void markSent(const QStringList &ids);
    // Entries that the server holds (this learner's, from any machine), kept as sent; those
    // already kept are not added again. `received` is the server's highest number among
    // them, kept for `lastReceived`. One transaction.
    virtual void addFromServer(const QList<ExerciseEntry> &exercises, const QList<RunEntry> &runs,
                               qint64 received);
    // The server's highest number of the entries taken from it so far; 0 for none.
    virtual qint64 lastReceived();
    // Called after each entry kept.
    std::function<void()> onKept;
};

// The record in a SQLite database "progressi.sqlite" in `folder`, made when first needed. A
// database that cannot be read is set aside under another name, with a message, and a new
// one begun; a folder that cannot be written gives one message and nothing is recorded.
std::unique_ptr<LearnerRecord> openSqlLearnerRecord(const QString &folder);
