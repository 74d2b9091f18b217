// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Outcome.h"

#include <iterator>

namespace {
const char *const codes[] = {"right_first", "right_after_wrong", "right_with_help",
                             "failed_test", "skipped",           "left",
                             "unreadable"};
const char *const writingCodes[] = {"", "tastiera", "sei_tasti", "tavoletta"};
} // namespace

QString ExerciseOutcome::code() const
{
    return QString::fromLatin1(codes[kind]);
}

ExerciseOutcome::Kind ExerciseOutcome::fromCode(const QString &code)
{
    for (int k = 0; k < int(std::size(codes)); ++k) {
        if (code == QLatin1String(codes[k]))
            return Kind(k);
    }
    return Left;
}

ExerciseOutcome::Writing combinedWriting(ExerciseOutcome::Writing a, ExerciseOutcome::Writing b)
{
    using Writing = ExerciseOutcome::Writing;
    if (a == Writing::Nothing || b == Writing::Nothing)
        return a == Writing::Nothing ? b : a;
    if (a == Writing::Keyboard || b == Writing::Keyboard)
        return Writing::Keyboard;
    return a == b ? a : Writing::SixKeys;
}

QString writingCode(ExerciseOutcome::Writing writing)
{
    return QString::fromLatin1(writingCodes[int(writing)]);
}

ExerciseOutcome::Writing writingFromCode(const QString &code)
{
    for (int k = 1; k < int(std::size(writingCodes)); ++k) {
        if (code == QLatin1String(writingCodes[k]))
            return ExerciseOutcome::Writing(k);
    }
    return ExerciseOutcome::Writing::Nothing;
}

QString writingWords(ExerciseOutcome::Writing writing)
{
    switch (writing) {
    case ExerciseOutcome::Writing::Nothing:
        break;
    case ExerciseOutcome::Writing::Keyboard:
        return QStringLiteral("scritto con la tastiera");
    case ExerciseOutcome::Writing::SixKeys:
        return QStringLiteral("scritto con i sei tasti");
    case ExerciseOutcome::Writing::Slate:
        return QStringLiteral("scritto con i sei tasti, come sulla tavoletta");
    }
    return {};
}
