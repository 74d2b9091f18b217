// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <utility>

// How an exercise shown in a run ended, as its window reports it.
struct ExerciseOutcome
{
    enum Kind
    {
        RightFirst,      // right at the first check
        RightAfterWrong, // right after `wrongChecks` wrong checks, without help
        RightWithHelp,   // right after "&Aiuto" or "&Risposta" was used
        FailedTest,      // a test exercise that the fourth wrong check ended
        Skipped,         // "A&vanti"
        Left,            // "&Esci" or the close box: the run ends
        Unreadable,      // the record could not be read, or its page not written
    };
    Kind kind = Left;
    int wrongChecks = 0;
    // For each wrong check of a braille answer whose first wrong cell is another cell: that
    // cell as written, and as expected (six-dot cells). Not kept in the record.
    QList<std::pair<quint8, quint8>> confused = {};

    bool right() const { return kind == RightFirst || kind == RightAfterWrong || kind == RightWithHelp; }
    // The word that names the kind in the learner's record; stable across versions.
    QString code() const;
    // The kind that a stored word names; Left for an unknown word.
    static Kind fromCode(const QString &code);
};
