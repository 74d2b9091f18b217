// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/SignMemory.h"

#include <QSet>

#include <algorithm>
#include <tuple>

QList<Cell> signsOf(const QByteArray &text, const CellTable &table)
{
    QList<Cell> signs;
    quint64 seen = 0;
    for (const char character : text) {
        for (const Cell cell : table.cellsOf(character)) {
            const quint64 bit = quint64(1) << (cell & 63);
            if (cell == 0 || (seen & bit))
                continue;
            seen |= bit;
            signs << cell;
        }
    }
    return signs;
}

int SignMemory::practise(int course, const QList<Cell> &signs, const ExerciseOutcome &outcome,
                         const QDate &today)
{
    using Kind = ExerciseOutcome::Kind;
    if (course < 1 || course > Courses || !today.isValid())
        return 0;
    for (const auto &[written, expected] : outcome.confused) {
        if (valid(course, written) && valid(course, expected) && written != expected)
            ++m_confusions[pairKey(course, written, expected)];
    }
    const bool rightFirst = outcome.kind == Kind::RightFirst;
    const bool wentWrong = outcome.kind == Kind::RightAfterWrong
                           || outcome.kind == Kind::RightWithHelp
                           || outcome.kind == Kind::FailedTest;
    if (!rightFirst && !wentWrong)
        return 0;
    // The signs to blame: those the wrong checks got wrong, when the exercise holds them.
    QSet<Cell> blamed;
    for (const auto &pair : outcome.confused) {
        if (signs.contains(Cell(pair.second)))
            blamed << Cell(pair.second);
    }
    int rose = 0;
    for (const Cell cell : signs) {
        if (!valid(course, cell))
            continue;
        SignState &state = m_signs[index(course, cell)];
        if (rightFirst) {
            if (state.box > 0 && state.due > today)
                continue; // practised already, not due yet
            rose += state.box < Leitner::Boxes ? 1 : 0;
            state.box = std::min(state.box + 1, Leitner::Boxes);
            state.due = today.addDays(Leitner::IntervalDays[state.box]);
            ++state.right;
        } else if (blamed.isEmpty() || blamed.contains(cell)) {
            state.box = 1;
            state.due = today.addDays(Leitner::IntervalDays[1]);
            ++state.wrong;
        } else if (state.box == 0) {
            state.box = 1;
            state.due = today.addDays(Leitner::IntervalDays[1]);
        }
    }
    return rose;
}

SignState SignMemory::sign(int course, Cell cell) const
{
    return valid(course, cell) ? m_signs[index(course, cell)] : SignState();
}

QList<Cell> SignMemory::practised(int course) const
{
    QList<Cell> cells;
    for (Cell cell = 1; cell < 64; ++cell) {
        if (sign(course, cell).box > 0)
            cells << cell;
    }
    return cells;
}

QList<Cell> SignMemory::due(int course, const QDate &today) const
{
    QList<Cell> cells;
    for (const Cell cell : practised(course)) {
        if (sign(course, cell).due <= today)
            cells << cell;
    }
    std::stable_sort(cells.begin(), cells.end(), [&](Cell a, Cell b) {
        const SignState &x = m_signs[index(course, a)], &y = m_signs[index(course, b)];
        return std::make_pair(x.due, x.box) < std::make_pair(y.due, y.box);
    });
    return cells;
}

int SignMemory::learnedCount(int course) const
{
    int learned = 0;
    for (const Cell cell : practised(course))
        learned += sign(course, cell).box >= Leitner::LearnedBox ? 1 : 0;
    return learned;
}

QList<Cell> SignMemory::weakest(int course, int count) const
{
    QList<Cell> cells = practised(course);
    std::stable_sort(cells.begin(), cells.end(), [&](Cell a, Cell b) {
        const SignState &x = m_signs[index(course, a)], &y = m_signs[index(course, b)];
        return std::make_tuple(x.box, y.wrong - y.right, x.due)
               < std::make_tuple(y.box, x.wrong - x.right, y.due);
    });
    return cells.mid(0, count);
}

std::optional<Confusion> SignMemory::mostFrequentConfusion(int course, Cell cell) const
{
    std::optional<Confusion> most;
    for (auto it = m_confusions.cbegin(); it != m_confusions.cend(); ++it) {
        const Confusion pair{Cell((it.key() >> 6) & 63), Cell(it.key() & 63), it.value()};
        if ((it.key() >> 12) != course || (pair.written != cell && pair.expected != cell))
            continue;
        // The larger count; among equals, the lower cells, so that the choice is stable.
        if (!most || pair.count > most->count
            || (pair.count == most->count
                && std::make_pair(pair.expected, pair.written)
                       < std::make_pair(most->expected, most->written)))
            most = pair;
    }
    return most;
}

QDate SignMemory::nextDueAfter(const QDate &today) const
{
    QDate next;
    for (const SignState &state : m_signs) {
        if (state.box > 0 && state.due > today && (next.isNull() || state.due < next))
            next = state.due;
    }
    return next;
}

bool SignMemory::isEmpty() const
{
    return std::none_of(m_signs.begin(), m_signs.end(),
                        [](const SignState &state) { return state.box > 0; });
}

QByteArray SignMemory::toText() const
{
    QByteArray text = "# Sentiero dei Punti: la memoria dei segni (scatole di Leitner).\n"
                      "# segno CORSO PUNTI SCATOLA SCADENZA GIUSTI SBAGLIATI\n"
                      "# confusione CORSO SCRITTO ATTESO VOLTE\n";
    for (int course = 1; course <= Courses; ++course) {
        for (const Cell cell : practised(course)) {
            const SignState &state = m_signs[index(course, cell)];
            text += "segno " + QByteArray::number(course) + ' ' + dotsText(cell) + ' '
                    + QByteArray::number(state.box) + ' '
                    + state.due.toString(Qt::ISODate).toLatin1() + ' '
                    + QByteArray::number(state.right) + ' ' + QByteArray::number(state.wrong)
                    + '\n';
        }
    }
    QList<int> keys = m_confusions.keys();
    std::sort(keys.begin(), keys.end());
    for (const int key : keys) {
        text += "confusione " + QByteArray::number(key >> 12) + ' '
                + dotsText(Cell((key >> 6) & 63)) + ' ' + dotsText(Cell(key & 63)) + ' '
                + QByteArray::number(m_confusions.value(key)) + '\n';
    }
    return text;
}

SignMemory SignMemory::fromText(const QByteArray &text)
{
    SignMemory memory;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        bool ok = false;
        const int course = fields.size() > 1 ? fields[1].toInt(&ok) : 0;
        if (!ok)
            continue;
        const auto number = [&](int field, int low, int high) -> std::optional<int> {
            bool read = false;
            const int value = fields[field].toInt(&read);
            return read && value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
        };
        if (fields[0] == "segno" && fields.size() == 7) {
            const std::optional<Cell> cell = cellOfDots(fields[2]);
            const auto box = number(3, 1, Leitner::Boxes);
            const QDate due = QDate::fromString(QString::fromLatin1(fields[4]), Qt::ISODate);
            const auto right = number(5, 0, 1 << 30), wrong = number(6, 0, 1 << 30);
            if (cell && valid(course, *cell) && box && due.isValid() && right && wrong)
                memory.m_signs[index(course, *cell)] = {*box, due, *right, *wrong};
        } else if (fields[0] == "confusione" && fields.size() == 5) {
            const std::optional<Cell> written = cellOfDots(fields[2]);
            const std::optional<Cell> expected = cellOfDots(fields[3]);
            const auto count = number(4, 1, 1 << 30);
            if (written && expected && valid(course, *written) && valid(course, *expected)
                && *written != *expected && count)
                memory.m_confusions[pairKey(course, *written, *expected)] = *count;
        }
    }
    return memory;
}
