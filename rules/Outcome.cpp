// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Outcome.h"

#include <iterator>

namespace {
const char *const codes[] = {"right_first", "right_after_wrong", "right_with_help",
                             "failed_test", "skipped",           "left",
                             "unreadable"};
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
