// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/CellTable.h"
#include "rules/Outcome.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>

#include <array>
#include <optional>
#include <utility>

// What the learner knows of each sign: a sign is one braille cell of a course, and every
// exercise practises the cells of the braille it shows or asks for. The signs are scheduled
// in Leitner boxes (README, "Il ripasso di oggi").
namespace Leitner {
// Boxes 1 to 5; 0 is a sign never practised.
inline constexpr int Boxes = 5;
// Days from a practice to the next, by box.
inline constexpr int IntervalDays[Boxes + 1] = {0, 1, 2, 4, 8, 16};
// A sign in this box or above counts as learned: right at the first check on three days,
// one and two days apart at least.
inline constexpr int LearnedBox = 3;
} // namespace Leitner

// The cells of a text's characters by the course's table, each once, in the order first met;
// the empty cell and characters without cells are no sign.
QList<Cell> signsOf(const QByteArray &text, const CellTable &table);

struct SignState
{
    int box = 0;    // 0: never practised
    QDate due;      // the day it is due again; null when never practised
    int right = 0;  // exercises holding it answered right at the first check
    int wrong = 0;  // exercises that went wrong on it
};

// A cell written where another was expected, and how many times.
struct Confusion
{
    Cell written = 0;
    Cell expected = 0;
    int count = 0;
};

class SignMemory
{
public:
    static constexpr int Courses = 3;

    // An exercise of `course` that holds `signs` ended as `outcome` says, on `today`. Right at
    // the first check, each sign that is new or due goes up a box (one not yet due stays);
    // any other right answer, or a test failed, sends back to box 1 the signs the wrong
    // checks got wrong (the expected cells of `outcome.confused`), or every sign when the
    // wrong cells are not known; the other signs stay, a new one entering box 1. A skipped or
    // left exercise changes nothing. The pairs confused are counted. Returns how many signs
    // went up a box.
    int practise(int course, const QList<Cell> &signs, const ExerciseOutcome &outcome,
                 const QDate &today);

    SignState sign(int course, Cell cell) const;
    // The signs practised, in cell order.
    QList<Cell> practised(int course) const;
    // The signs due on `today` or before, the most overdue first (then the lower box).
    QList<Cell> due(int course, const QDate &today) const;
    int learnedCount(int course) const;
    // The first `count` practised signs from the weakest: lower box, more wrong than right,
    // due sooner.
    QList<Cell> weakest(int course, int count) const;
    // The pair most often confused in which `cell` is written or expected; none when none.
    std::optional<Confusion> mostFrequentConfusion(int course, Cell cell) const;
    // The earliest day a practised sign is due after `today`; null when none is.
    QDate nextDueAfter(const QDate &today) const;
    bool isEmpty() const;

    // The memory as a text file (UTF-8, one line a sign or a pair) and back. A line that
    // cannot be read is left out, so that a damaged file loses that line only.
    QByteArray toText() const;
    static SignMemory fromText(const QByteArray &text);

private:
    static int index(int course, Cell cell) { return (course - 1) * 64 + (cell & 63); }
    static bool valid(int course, Cell cell) { return course >= 1 && course <= Courses && cell > 0 && cell < 64; }
    static int pairKey(int course, Cell written, Cell expected)
    {
        return (course << 12) | (written << 6) | expected;
    }

    std::array<SignState, Courses * 64> m_signs{};
    QHash<int, int> m_confusions; // pairKey -> count
};
