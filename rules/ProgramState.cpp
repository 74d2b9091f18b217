// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/ProgramState.h"

#include "rules/ContentPath.h"

ProgramState &state()
{
    static ProgramState program;
    return program;
}

QString contentFile(const QString &relative)
{
    return contentPath(state().ContentDir, relative);
}
