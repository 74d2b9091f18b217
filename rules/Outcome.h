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
    // How the learner wrote the braille of the answer: nothing in braille (a print or
    // choice answer, or nothing written), with the print keys (each key drawing its sign's
    // cell), or by dots with six keys, as on a braille writer or as on a slate.
    enum class Writing
    {
        Nothing,
        Keyboard,
        SixKeys,
        Slate,
    };
    Kind kind = Left;
    int wrongChecks = 0;
    Writing written = Writing::Nothing;
    // For each wrong check of a braille answer whose first wrong cell is another cell: that
    // cell as written, and as expected (six-dot cells). Not kept in the record.
    QList<std::pair<quint8, quint8>> confused = {};

    bool right() const { return kind == RightFirst || kind == RightAfterWrong || kind == RightWithHelp; }
    // The word that names the kind in the learner's record; stable across versions.
    QString code() const;
    // The kind that a stored word names; Left for an unknown word.
    static Kind fromCode(const QString &code);
};

// How several answers were written, taken together: with the print keys when any was, else
// by dots (on the slate only when every answer written by dots was).
ExerciseOutcome::Writing combinedWriting(ExerciseOutcome::Writing a, ExerciseOutcome::Writing b);
// The word that names a way of writing in the learner's record (empty for nothing); stable.
QString writingCode(ExerciseOutcome::Writing writing);
// The way of writing that a stored word names; nothing for an empty or unknown word.
ExerciseOutcome::Writing writingFromCode(const QString &code);
// How a page says it: "scritto con i sei tasti", "scritto con la tastiera"; empty for nothing.
QString writingWords(ExerciseOutcome::Writing writing);
